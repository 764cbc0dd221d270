#pragma once

#include "model/OwnedList.h"

#include <cstddef>

// Positions taken from tree items and list rows are checked before use: the
// network may have changed since the row was shown.

template <typename List> bool Exists(const List& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The record at the index of an owning list, or null.
template <typename Record> Record* RecordAt(OwnedList<Record>& list, int index)
{
    return Exists(list, index) ? list[static_cast<std::size_t>(index)].get() : nullptr;
}

template <typename Record> const Record* RecordAt(const OwnedList<Record>& list, int index)
{
    return Exists(list, index) ? list[static_cast<std::size_t>(index)].get() : nullptr;
}
