#pragma once

#include "editing/DataRows.h"
#include "editing/TreeItem.h"
#include "gui/DialogRunner.h"

#include <QTreeView>

#include <vector>

class CDuvazadiDoc;
class DataTableModel;
class NavView;
class QTreeWidgetItem;

// The list right of the tree: the data of the item selected there, in
// columns. The navigation tree's selection clears it and then fills it for
// the new item. A click on a column header sorts the rows (and with them
// the network's list they show), a double-click opens the row's sheet, the
// right button the list's context menu (Add, Delete, Properties). The
// entries of a schedule table move with Ctrl+Up and Ctrl+Down and are
// duplicated with Ctrl+D. Rows are never edited in place: the network
// would not follow. The view shows a DataTableModel over the list's
// DataTable.
class DataView : public QTreeView {
    Q_OBJECT

public:
    DataView(CDuvazadiDoc& document, NavView& navigation, const ModalRunners& modals, QWidget* parent = nullptr);

    // Removes every row and every column.
    void Clear();
    // Shows the data of the navigation tree's item: chooses the columns and
    // adds the rows. Null shows nothing.
    virtual void Fill(QTreeWidgetItem* navItem);

    // Carries out a command of the context menu (TreeCommandId) for the
    // selected row.
    void RunCommand(int command);
    // What a click on the column's header does: the first click sorts
    // descending, the next ascending, and so on.
    void SortByColumn(int column);
    // The selected row as the list's commands take it (the row's place when
    // it was filled); -1 when no row is selected.
    int SelectedRow() const;
    // Every selected row, in the list's order; Delete and Copy take them all.
    std::vector<int> SelectedRows() const;

protected:
    // Delete, Enter and F2 run the menu's commands where the menu offers them.
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+D on a schedule table's entries duplicates the entry here, ahead
    // of the window's Edit > Duplicate, so that the copy stays selected.
    bool event(QEvent* event) override;

    CDuvazadiDoc& m_document;
    NavView& m_navigation;

private:
    bool IsEntryKey(const QKeyEvent& event) const;
    bool RunEntryKey(const QKeyEvent& event);
    // Selects the row filled at that place, where there is one.
    void SelectRow(int row);
    void ShowTable();
    void OnContextMenu(const QPoint& pos);
    void OpenSheetOf(const QModelIndex& row);
    static int RowOf(const QModelIndex& index);
    void OpenSheetOfRow(int row);
    bool ConfirmRowDeletion(const std::vector<int>& rows);

    const ModalRunners& m_modals;
    TreeItemRef m_shown;  // the tree item whose data the list shows
    DataTable m_table;
    DataTableModel* m_model;
    ColumnSortFlags m_sortFlags;
};
