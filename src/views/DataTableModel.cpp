#include "views/DataTableModel.h"

#include "editing/HoverTexts.h"
#include "gui/CDuvazadiDoc.h"

DataTableModel::DataTableModel(const DataTable& table, const CDuvazadiDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_document(document)
{
}

void DataTableModel::Refill(const TreeItemRef& shown)
{
    beginResetModel();
    m_shown = shown;
    m_outlineItems.reset();
    endResetModel();
}

int DataTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int DataTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const
{
    const DataRow* row = RowAt(index);
    if (!row)
        return {};
    if (role == kRowRole)
        return row->source;
    const auto column = static_cast<std::size_t>(index.column());
    if (column >= row->cells.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_document.Codec().ToQt(row->cells[column]);
    if (role == Qt::ToolTipRole)
        if (const QString reasons = ReasonsOf(*row); !reasons.isEmpty())
            return reasons;
    return {};
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<std::size_t>(section) >= m_table.columns.size())
        return {};
    return QString::fromStdString(m_table.columns[static_cast<std::size_t>(section)].caption);
}

const DataRow* DataTableModel::RowAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= m_table.rows.size() ||
        index.column() < 0 || static_cast<std::size_t>(index.column()) >= m_table.columns.size())
        return nullptr;
    return &m_table.rows[static_cast<std::size_t>(index.row())];
}

QString DataTableModel::ReasonsOf(const DataRow& row) const
{
    const TreeOutline& outline = m_document.Outline();
    if (!m_outlineItems)
        m_outlineItems.emplace(outline);
    return m_document.Codec().ToQt(RowReasonsTip(outline, *m_outlineItems, m_shown, row.source));
}
