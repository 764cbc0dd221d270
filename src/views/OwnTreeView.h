#pragma once

#include "validation/ItemMarks.h"

#include <QTreeWidget>

#include <map>
#include <string>
#include <vector>

// A tree that draws chosen items in their own colour (never while they are
// selected) and keeps reasons per item, so the consistency checks can mark
// it. Items are addressed by a handle: their position in the order they were
// registered with RegisterItem since the last ClearItems.
class OwnTreeView : public QTreeWidget, public ItemMarks {
    Q_OBJECT

public:
    explicit OwnTreeView(QWidget* parent = nullptr);

    void SetItemColor(int item, int colour) override;
    void AddItemMessage(int item, const std::string& text) override;
    std::string GetItemMessages(int item) const override;
    // The colour given to the item, or kNoColour.
    int GetItemColor(int item) const;
    void ClearItemStyles();

    // The handle of a tree item, -1 for an item never registered.
    int HandleOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemOf(int handle) const;

protected:
    // Deletes every item and style; handles start again at 0.
    void ClearItems();
    // Gives the item the next handle.
    int RegisterItem(QTreeWidgetItem* item);

private:
    struct ItemStyle {
        int colour = kNoColour;
        std::vector<std::string> messages;
    };
    ItemStyle& StyleOf(int item);
    void ApplyColour(int item, int colour);

    std::vector<QTreeWidgetItem*> m_items;
    std::map<int, ItemStyle> m_styles;
};
