#pragma once

#include <algorithm>

// Removes every element of the list that the predicate picks, keeping the
// order of the rest.
template <typename List, typename Drop> void EraseIf(List& list, Drop drop)
{
    list.erase(std::remove_if(list.begin(), list.end(), drop), list.end());
}
