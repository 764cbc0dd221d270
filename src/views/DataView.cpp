#include "views/DataView.h"

#include "controls/TitledPopupMenu.h"
#include "editing/HoverTexts.h"
#include "editing/ListCommands.h"
#include "gui/CDuvazadiDoc.h"
#include "model/LinNetwork.h"
#include "views/ContextMenus.h"
#include "views/DeleteQuestion.h"
#include "views/NavView.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace {

// A row keeps the place it had when filled in its first cell.
constexpr int kRowRole = Qt::UserRole;

}  // namespace

DataView::DataView(CDuvazadiDoc& document, NavView& navigation, const ModalRunners& modals, QWidget* parent)
    : QTreeWidget(parent), m_document(document), m_navigation(navigation), m_modals(modals)
{
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
    connect(this, &QTreeWidget::itemDoubleClicked, this, &DataView::OpenSheetOf);
    connect(this, &QWidget::customContextMenuRequested, this, &DataView::OnContextMenu);
}

void DataView::Clear()
{
    clear();
    setColumnCount(0);
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
    QTreeWidget::keyPressEvent(event);
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
    return QTreeWidget::event(event);
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
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->data(0, kRowRole).toInt() == row) {
            clearSelection();
            setCurrentItem(topLevelItem(i));
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
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(0, kRowRole).toInt();
}

std::vector<int> DataView::SelectedRows() const
{
    std::vector<int> rows;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (const QTreeWidgetItem* item = topLevelItem(i); item->isSelected())
            rows.push_back(item->data(0, kRowRole).toInt());
    return rows;
}

void DataView::ShowTable()
{
    Clear();
    const TextCodec& codec = m_document.Codec();
    QStringList captions;
    for (const DataColumn& column : m_table.columns)
        captions << QString::fromStdString(column.caption);
    setHeaderLabels(captions);
    // The layouts' widths are too narrow for some captions in today's
    // fonts ("Delay in ms"); a caption is never cut.
    for (int i = 0; i < columnCount(); ++i) {
        const int width = m_table.columns[static_cast<std::size_t>(i)].width;
        if (width != kFillWidth)
            setColumnWidth(i, std::max(width, header()->sectionSizeHint(i)));
    }
    const TreeOutline& outline = m_document.Outline();
    const OutlineRecordIndex outlineItems(outline);
    QList<QTreeWidgetItem*> items;
    for (const DataRow& row : m_table.rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            item->setText(static_cast<int>(i), codec.ToQt(row.cells[i]));
        item->setData(0, kRowRole, row.source);
        const QString reasons = codec.ToQt(RowReasonsTip(outline, outlineItems, m_shown, row.source));
        if (!reasons.isEmpty())
            for (int column = 0; column < static_cast<int>(row.cells.size()); ++column)
                item->setToolTip(column, reasons);
        items << item;
    }
    addTopLevelItems(items);
}

void DataView::OnContextMenu(const QPoint& pos)
{
    if (QTreeWidgetItem* item = itemAt(pos))
        setCurrentItem(item);
    const auto menu = MakeListContextMenu(ListMenuFor(m_shown, SelectedRow()), this);
    RunCommand(CommandOf(m_modals.menu(*menu, viewport()->mapToGlobal(pos))));
}

void DataView::OpenSheetOf(QTreeWidgetItem* row)
{
    if (row)
        OpenSheetOfRow(row->data(0, kRowRole).toInt());
}

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
