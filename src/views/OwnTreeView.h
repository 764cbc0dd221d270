#pragma once

#include <QTreeWidget>

#include <vector>

// A tree whose items are addressed by a handle: their position in the order
// they were registered with RegisterItem since the last ClearItems. An item
// can be drawn in a mark colour of its own (never while it is selected).
class OwnTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit OwnTreeView(QWidget* parent = nullptr);

    // The handle of a tree item, -1 for an item never registered.
    int HandleOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemOf(int handle) const;
    std::size_t ItemCount() const { return m_items.size(); }

protected:
    // Deletes every item; handles start again at 0.
    void ClearItems();
    // Gives the item the next handle.
    int RegisterItem(QTreeWidgetItem* item);
    // Draws the item in an ItemMarks colour.
    void ShowColour(int item, int colour);

private:
    std::vector<QTreeWidgetItem*> m_items;
};
