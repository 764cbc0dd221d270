#pragma once

#include "model/NameIndex.h"

#include <cstddef>
#include <unordered_map>

// The name indexes of the lists the reader fills, kept for one whole read.
// A section may come in many blocks, and building the index of its list
// anew for every block would make reading such a file quadratic. Of brings
// the index of a list up to date with the records appended since it was
// last asked for, which is enough because reading only ever appends.
class ListIndexes {
public:
    template <typename Record> NameIndex& Of(const OwnedList<Record>& list)
    {
        Followed& followed = m_lists[&list];
        for (; followed.records < list.size(); ++followed.records)
            followed.names.Insert(RecordName(*list[followed.records]));
        return followed.names;
    }

private:
    struct Followed {
        NameIndex names;
        std::size_t records = 0;  // the records of the list already in names
    };
    std::unordered_map<const void*, Followed> m_lists;
};
