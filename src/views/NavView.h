#pragma once

#include "views/OwnTreeView.h"

#include <QIcon>

#include <vector>

class CDuvazadiDoc;

// The navigation tree: the fixed categories with the network's entities
// under them, as the core's tree outline lays them out (the outline also
// cleans up the network and runs the consistency checks; this view only
// shows the result). Every rebuild keeps the expanded categories, the row of
// the selection and the scroll position.
//
// Commands find the record behind an item by its place: Depth, TopText,
// SiblingIndex (slaves = index - 1, frames and signals = index - 2, other
// lists = index).
class NavView : public OwnTreeView {
    Q_OBJECT

public:
    explicit NavView(CDuvazadiDoc& document, QWidget* parent = nullptr);

    // Rebuilds every item from the document's network.
    void Build();
    // What a view does after New and Open: rebuild, then, the first time,
    // leave nothing selected; every later time show the selected item again.
    void InitialUpdate();
    // After an edit: rebuild and show the selected item's new values.
    void RefreshAfterChange();
    // Announces the selected item again (status bar, position line, list).
    void ShowCurrentItem();
    // Collapses every category and selects "Network" without announcing it;
    // New and Open start from there.
    void ResetExpansion();

    // Of the selected item: its number of ancestors (-1 when none is
    // selected) and the text of its top-level ancestor.
    int Depth() const;
    QString TopText() const;
    // Of any item (empty text or -1 for none).
    int SiblingIndex(const QTreeWidgetItem* item) const;
    static QString ParentText(const QTreeWidgetItem* item);
    static QString ItemText(const QTreeWidgetItem* item);
    // The position line text: "Signals / S1 / ".
    static QString PathText(const QTreeWidgetItem* item);

    // The items in the order the user sees them (those under collapsed items
    // left out).
    std::vector<QTreeWidgetItem*> VisibleItems() const;

Q_SIGNALS:
    // The status-bar text of the selected item: its reasons, or "Ready".
    void statusTextChanged(const QString& text);
    void positionChanged(const QString& path);
    // The data list shows this item now (null: show nothing).
    void itemShown(QTreeWidgetItem* item);
    // Right button or menu key; the item under the pointer is already
    // selected. Item is null over empty space.
    void contextMenuRequested(QTreeWidgetItem* item, const QPoint& globalPos);

private:
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    void OnContextMenu(const QPoint& pos);
    void AnnounceItem(QTreeWidgetItem* item);
    void SelectQuietly(QTreeWidgetItem* item);
    std::vector<std::vector<int>> ExpandedPaths() const;
    void ExpandPaths(const std::vector<std::vector<int>>& paths);

    CDuvazadiDoc& m_document;
    QIcon m_categoryIcon;
    QIcon m_schedulesIcon;
    QIcon m_entityIcon;
    bool m_suppressSelection = false;
    bool m_shownBefore = false;
};
