#pragma once

#include "gui/DialogRunner.h"
#include "validation/ItemMarks.h"
#include "validation/TreeOutline.h"
#include "views/OwnTreeView.h"

#include <QIcon>

#include <string>
#include <vector>

class CDuvazadiDoc;
class QLineEdit;
struct SheetRequest;

// The navigation tree: the fixed categories with the network's entities
// under them, as the document's tree outline lays them out (the document
// prepares the network and runs the consistency checks; this view only
// shows the result). Every rebuild keeps the expanded categories, the row of
// the selection and the scroll position.
//
// Each item keeps the kind and record the outline gave it, and its mark
// (colour and reasons) is the outline's. The right button opens the context
// menu of the item (Add, Delete, Properties, Expand all, Collapse all, and
// for an entity "Where used"), a double-click its sheet. Ctrl+F opens a find
// line over the tree that keeps only the items whose name contains its text
// (with their ancestors); Escape closes it and restores the tree. Every change is one undoable step of the
// document, after which the tree rebuilds.
class NavView : public OwnTreeView {
    Q_OBJECT

public:
    NavView(CDuvazadiDoc& document, const ModalRunners& modals, QWidget* parent = nullptr);

    // Rebuilds every item from the document's outline; the items' handles
    // are the outline's indexes. When the outline has the items the tree
    // has, in the same places, only their texts and marks follow it.
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

    // Selects and shows the item under these captions, or the nearest item
    // above it (TreeOutline::FindPath); false when there is none.
    bool SelectPath(const std::vector<std::string>& captions);

    // Carries out a command of the context menu (TreeCommandId) on the
    // selected item. Add selects the new item and opens its sheet.
    void RunCommand(int command);
    // Runs the sheet; when the user confirms it, its change becomes one
    // undoable step. True when confirmed. Nothing opens for an empty
    // request.
    bool OpenSheet(const SheetRequest& request);

    // Selects the item of the entity, closing the find line first.
    void SelectEntity(const EntityRef& entity);
    // Opens the find line with this text (empty: closes it and restores the
    // tree as it was before).
    void SetFilterText(const QString& text);
    QString FilterText() const;

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

    // The mark the last rebuild gave the item with this handle: its
    // ItemMarks colour, and the reasons of a red item.
    int GetItemColor(int item) const;
    std::string GetItemMessages(int item) const;

Q_SIGNALS:
    // The status-bar text of the selected item: its reasons, or "Ready".
    void statusTextChanged(const QString& text);
    void positionChanged(const QString& path);
    // The data list shows this item now (null: show nothing).
    void itemShown(QTreeWidgetItem* item);

protected:
    // Delete, Enter and F2 run the menu's commands where the menu offers them.
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;

private:
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    void OnContextMenu(const QPoint& pos);
    // Expands the item's ancestors, selects it and scrolls to it.
    void Reveal(QTreeWidgetItem* item);
    void OpenFilter();
    void ApplyFilter();
    void CloseFilter();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void AddForCurrentItem();
    void DeleteCurrentItem();
    void OpenSheetOf(QTreeWidgetItem* item);
    void CollapseEveryItem();
    void AnnounceItem(QTreeWidgetItem* item);
    void SelectQuietly(QTreeWidgetItem* item);
    std::vector<std::vector<int>> ExpandedPaths() const;
    void ExpandPaths(const std::vector<std::vector<int>>& paths);
    const OutlineItem* OutlineEntryOf(int item) const;
    bool HasOutlineItems(const std::vector<OutlineItem>& entries) const;
    void ShowOutlineTexts(const TreeOutline& outline);

    CDuvazadiDoc& m_document;
    const ModalRunners& m_modals;
    QIcon m_categoryIcon;
    QIcon m_schedulesIcon;
    QIcon m_entityIcon;
    bool m_suppressSelection = false;
    bool m_shownBefore = false;
    QLineEdit* m_filterEdit = nullptr;
    std::vector<std::vector<int>> m_expandedBeforeFilter;
};
