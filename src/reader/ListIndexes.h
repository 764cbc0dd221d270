#pragma once

#include "model/RecordNameIndex.h"

#include <cstddef>
#include <unordered_map>

// The name indexes of the lists the reader fills, kept for one whole read.
// A section may come in many blocks, and building the index of its list
// anew for every block would make reading such a file quadratic. Of brings
// the index of a list up to date with the records appended since it was
// last asked for, which is enough because reading only ever appends.
class ListIndexes {
public:
    template <typename Record> RecordNameIndex& Of(const OwnedList<Record>& list)
    {
        RecordNameIndex& names = m_lists.try_emplace(&list, list).first->second;
        names.Follow();
        return names;
    }

    // Drops the records of the list from position first on; the names they
    // took stay taken for the rest of the read.
    template <typename Record> void GiveBack(OwnedList<Record>& list, std::size_t first)
    {
        const auto found = m_lists.find(&list);
        if (found != m_lists.end())
            found->second.KeepNamesFrom(first);
        list.resize(first);
    }

private:
    std::unordered_map<const void*, RecordNameIndex> m_lists;
};
