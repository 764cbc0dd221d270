#pragma once

#include "views/DataView.h"

#include <QRect>
#include <QString>

// The data list's rows as the tests read and point at them, through the
// list's model.

// The row's first cell; invalid beyond the rows.
inline QModelIndex ListRow(const DataView& list, int row) { return list.model()->index(row, 0); }

inline int ListRowCount(const DataView& list) { return list.model()->rowCount(); }

// A cell's shown text, or its text for another role; empty beyond the rows.
inline QString ListCell(const DataView& list, int row, int column, int role = Qt::DisplayRole)
{
    return list.model()->index(row, column).data(role).toString();
}

// The row across every column, as a click on the row finds it.
inline QRect ListRowRect(const DataView& list, int row)
{
    const QAbstractItemModel& model = *list.model();
    return list.visualRect(model.index(row, 0)).united(list.visualRect(model.index(row, model.columnCount() - 1)));
}
