#pragma once

#include "model/LinNetwork.h"

#include <cstdint>
#include <string>
#include <vector>

// The names of one list, for lookups inside loops over a network: whether a
// name is there, the position of the first record with it and how many
// records have it. Built once per pass; it does not follow later changes of
// the list.
//
// Every name added takes the next position: the constructor adds the names
// of the list in order, so positions are list indexes, and a successful
// Insert takes the position of a record appended to the list next.
//
// The names lie in one array and a table of slots points into it (open
// addressing), so building an index makes no allocation per name and a
// lookup touches two places in memory; on networks of millions of names
// this is several times faster than a node-based set.
class NameIndex {
public:
    NameIndex() = default;

    template <typename Record> explicit NameIndex(const OwnedList<Record>& list)
    {
        Reserve(list.size());
        for (const auto& record : list)
            Add(RecordName(*record), true);
    }

    bool Contains(const std::string& name) const { return Find(name) != nullptr; }
    // False, and nothing added, when the name was in the index already.
    bool Insert(const std::string& name) { return Add(name, false); }
    // -1 when no record has the name.
    int FirstPosition(const std::string& name) const;
    int Count(const std::string& name) const;

private:
    struct Entry {
        std::string name;
        std::size_t hash;
        int first;
        int count;
    };

    void Reserve(std::size_t names);
    // True when the name is new; a repeated one is counted when countRepeats.
    bool Add(const std::string& name, bool countRepeats);
    // The slot that holds the name, or the empty slot where it would go.
    std::size_t SlotOf(const std::string& name, std::size_t hash) const;
    const Entry* Find(const std::string& name) const;
    void Append(const std::string& name, std::size_t hash, std::size_t slot);
    void Rehash(std::size_t slotCount);

    std::vector<Entry> m_entries;
    // The entry after the one found last: loops often look names up in the
    // order they were added, and this one is tested before any slot.
    mutable std::size_t m_next = 0;
    std::vector<std::uint32_t> m_slots;  // 0: empty, else index into m_entries + 1; size a power of two
    int m_added = 0;
};
