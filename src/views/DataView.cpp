#include "views/DataView.h"

#include "controls/TitledPopupMenu.h"
#include "editing/ListCommands.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/ContextMenus.h"
#include "views/DataTableModel.h"
#include "views/DeleteQuestion.h"
#include "views/NavView.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

DataView::DataView(CDuvazadiDoc& document, NavView& navigation, const ModalRunners& modals, QWidget* parent)
    : QTreeView(parent), m_document(document), m_navigation(navigation), m_modals(modals),
      m_model(new DataTableModel(m_table, document, this))
{
    setModel(m_model);
    setObjectName(QStringLiteral("dataView"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Every layout's fill column is its last.
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    Clear();

    connect(header(), &QHeaderView::sectionClicked, this, &DataView::SortByColumn);
    connect(this, &QAbstractItemView::doubleClicked, this, &DataView::OpenSheetOf);
    connect(this, &QWidget::customContextMenuRequested, this, &DataView::OnContextMenu);
}

void DataView::Clear()
{
    m_table = DataTable{};
    m_model->Refill(m_shown);
}

void DataView::Fill(QTreeWidgetItem* navItem)
{
    m_shown = TreeItemRefOf(navItem);
    const LinNetwork* network = m_document.Network();
    m_table = network && m_shown.IsValid() ? FillDataTable(*network, m_shown) : DataTable{};
    ShowTable();
}

void DataView::keyPressEvent(QKeyEvent* event)
{
    if (RunEntryKey(*event))
        return;
    if (const int command = CommandOfKey(*event, ListMenuFor(m_shown, SelectedRow()))) {
        RunCommand(command);
        return;
    }
    QTreeView::keyPressEvent(event);
}

void DataView::RunCommand(int command)
{
    const int row = SelectedRow();
    switch (command) {
    case kCommandAdd:
        // The tree's Add for the tree's selected item, whose data this is.
        m_navigation.RunCommand(kCommandAdd);
        break;
    case kCommandDelete:
        if (ConfirmRowDeletion(SelectedRows()))
            m_document.DeleteRows(m_shown, SelectedRows());
        break;
    case kCommandProperties:
        OpenSheetOfRow(row);
        break;
    default:
        break;
    }
}

// Ctrl+Up, Ctrl+Down and Ctrl+D on the entries of a schedule table; the
// entry stays selected at its new place, the copy is selected.
bool DataView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && IsEntryKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

bool DataView::IsEntryKey(const QKeyEvent& event) const
{
    const int key = event.key();
    return event.modifiers() == Qt::ControlModifier && m_shown.kind == TreeItemKind::ScheduleTable &&
           (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_D);
}

bool DataView::RunEntryKey(const QKeyEvent& event)
{
    if (!IsEntryKey(event))
        return false;
    const int row = SelectedRow();
    int selected = -1;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = event.key() == Qt::Key_Up ? -1 : 1;
        if (m_document.MoveRow(m_shown, row, step))
            selected = row + step;
        break;
    }
    case Qt::Key_D:
        selected = m_document.DuplicateRow(m_shown, row);
        break;
    default:
        return false;
    }
    SelectRow(selected);
    return true;
}

void DataView::SelectRow(int row)
{
    for (int i = 0; i < m_model->rowCount(); ++i)
        if (const QModelIndex index = m_model->index(i, 0); RowOf(index) == row) {
            clearSelection();
            setCurrentIndex(index);
            return;
        }
}

void DataView::SortByColumn(int column)
{
    const SortOutcome outcome = m_document.SortList(m_table, column, m_sortFlags);
    // A reordered network has refilled the list; rows that follow no list of
    // the network are only shown in their new order.
    if (outcome.sorted && !outcome.networkReordered)
        ShowTable();
}

int DataView::SelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : RowOf(selected.front());
}

std::vector<int> DataView::SelectedRows() const
{
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex& index : selected)
        rows.push_back(RowOf(index));
    return rows;
}

void DataView::ShowTable()
{
    m_model->Refill(m_shown);
    // The layouts' widths are too narrow for some captions in today's
    // fonts ("Delay in ms"); a caption is never cut.
    for (int i = 0; i < m_model->columnCount(); ++i) {
        const int width = m_table.columns[static_cast<std::size_t>(i)].width;
        if (width != kFillWidth)
            setColumnWidth(i, std::max(width, header()->sectionSizeHint(i)));
    }
}

void DataView::OnContextMenu(const QPoint& pos)
{
    if (const QModelIndex index = indexAt(pos); index.isValid())
        setCurrentIndex(index);
    const auto menu = MakeListContextMenu(ListMenuFor(m_shown, SelectedRow()), this);
    RunCommand(CommandOf(m_modals.menu(*menu, viewport()->mapToGlobal(pos))));
}

void DataView::OpenSheetOf(const QModelIndex& row)
{
    if (row.isValid())
        OpenSheetOfRow(RowOf(row));
}

int DataView::RowOf(const QModelIndex& index) { return index.data(DataTableModel::kRowRole).toInt(); }

// The row is checked against the network, which may have changed since the
// list was filled: a row that no longer names a record opens nothing.
// Each selected entity that takes others with it asks first; one refusal
// keeps every row.
bool DataView::ConfirmRowDeletion(const std::vector<int>& rows)
{
    const LinNetwork* network = m_document.Network();
    if (!network)
        return false;
    for (const int row : rows)
        if (const std::optional<EntityRef> entity = EntityOfRow(m_shown, row);
            entity && !ConfirmDeletion(*network, *entity, m_document.Codec(), m_modals.dialog, this))
            return false;
    return true;
}

void DataView::OpenSheetOfRow(int row)
{
    if (const LinNetwork* network = m_document.Network())
        m_navigation.OpenSheet(ListPropertiesFor(*network, m_shown, row));
}
