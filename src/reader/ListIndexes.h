#pragma once

#include "model/RecordNameIndex.h"

#include <cstddef>
#include <unordered_map>

// The name indexes of the lists the reader fills, kept for one whole read.
// A section may come in many blocks, and building the index of its list
// anew for every block would make reading such a file quadratic. Of brings
// the index of a list up to date with the records appended since it was
// last asked for, which is enough because reading only ever appends.
//
// An index the reader has left far behind lets its slots go, and its list
// the room it grew into, so the sections read later reuse that memory.
// Far means more text than a few bytes per record: taking the names in
// again, should a later block of the section come, then costs less than
// the text read meanwhile, and reading stays linear.
class ListIndexes {
public:
    // The reader is about to read a block starting at the position.
    void BlockStartsAt(std::size_t position);

    template <typename Record> RecordNameIndex& Of(OwnedList<Record>& list)
    {
        List& entry = m_lists.try_emplace(&list, list).first->second;
        entry.askedAt = m_position;
        entry.released = false;
        entry.names.Follow();
        return entry.names;
    }

    // Drops the records of the list from position first on; the names they
    // took stay taken for the rest of the read.
    template <typename Record> void GiveBack(OwnedList<Record>& list, std::size_t first)
    {
        const auto found = m_lists.find(&list);
        if (found != m_lists.end())
            found->second.names.KeepNamesFrom(first);
        list.resize(first);
    }

private:
    struct List {
        template <typename Record>
        explicit List(OwnedList<Record>& list)
            : names(list), trim([](void* owned) { static_cast<OwnedList<Record>*>(owned)->shrink_to_fit(); }),
              records(&list)
        {
        }

        RecordNameIndex names;
        void (*trim)(void*);
        void* records;
        std::size_t askedAt = 0;
        bool released = false;
    };

    std::unordered_map<const void*, List> m_lists;
    std::size_t m_position = 0;
};
