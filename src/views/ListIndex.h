#pragma once

#include <cstddef>

// Positions taken from tree items and list rows are checked before use: the
// network may have changed since the row was shown.

template <typename List>
bool Exists(const List& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

// The record at the index of an owning list, or null.
template <typename List>
auto RecordAt(const List& list, int index) -> decltype(list[0].get())
{
    return Exists(list, index) ? list[static_cast<std::size_t>(index)].get() : nullptr;
}
