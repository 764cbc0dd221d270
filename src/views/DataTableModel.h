#pragma once

#include "editing/DataRows.h"
#include "editing/TreeItem.h"

#include <QAbstractTableModel>

#include <optional>

class CDuvazadiDoc;

// The data list's rows for its view: a model over a DataTable that the list
// owns. A cell's text is converted only when the view asks for it, and a
// row's hover text only when the pointer rests on it, so that a list of
// many thousand rows costs no more than the rows in sight.
class DataTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // A row keeps the place it had when filled (DataRow::source).
    static constexpr int kRowRole = Qt::UserRole;

    DataTableModel(const DataTable& table, const CDuvazadiDoc& document, QObject* parent = nullptr);

    // The table or the tree item whose data it is has changed: the views
    // read every row anew.
    void Refill(const TreeItemRef& shown);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const DataRow* RowAt(const QModelIndex& index) const;
    QString ReasonsOf(const DataRow& row) const;

    const DataTable& m_table;
    const CDuvazadiDoc& m_document;
    TreeItemRef m_shown;
    // Built at the first hover after a refill, for the outline of then.
    mutable std::optional<OutlineRecordIndex> m_outlineItems;
};
