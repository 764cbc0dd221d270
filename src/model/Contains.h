#pragma once

#include <algorithm>

// Whether the list holds the value: for the short lists of names that
// records and forms keep, where a search is cheaper than an index.
template <typename List, typename Value> bool Contains(const List& list, const Value& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}
