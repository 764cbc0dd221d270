#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

// For each value: whether an equal value follows it later in the list.
// Most lists the checks ask about are a record's few offsets or ids: those
// are compared pair by pair, which allocates nothing; a long list goes
// through a set, so the work stays linear.
template <typename T> std::vector<bool> HasLaterEqual(const std::vector<T>& values)
{
    constexpr std::size_t kPairwiseUpTo = 16;
    std::vector<bool> result(values.size(), false);
    if (values.size() <= kPairwiseUpTo) {
        for (std::size_t i = 0; i < values.size(); ++i)
            for (std::size_t j = i + 1; j < values.size() && !result[i]; ++j)
                result[i] = values[i] == values[j];
        return result;
    }
    std::unordered_set<T> later;
    for (std::size_t i = values.size(); i-- > 0;) {
        result[i] = later.count(values[i]) != 0;
        later.insert(values[i]);
    }
    return result;
}

// Whether any value appears twice.
template <typename T> bool HasRepeat(const std::vector<T>& values)
{
    for (const bool repeated : HasLaterEqual(values))
        if (repeated)
            return true;
    return false;
}
