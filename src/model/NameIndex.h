#pragma once

#include "model/LinNetwork.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The slots of a table of names (open addressing) that holds this many
// names: a power of two, at most half of them taken, so a probe ends soon.
std::size_t SlotsFor(std::size_t names);

// The names of one list, for lookups inside loops over a network: whether a
// name is there, the position of the first record with it and how many
// records have it. Built once per pass; it does not follow later changes of
// the list.
//
// Every name added takes the next position: the constructor adds the names
// of the list in order, so positions are list indexes, and a successful
// Insert takes the position of a record appended to the list next.
//
// The characters of all names lie in one buffer, their entries in one array,
// and a table of slots points into that (open addressing): building an index
// makes no allocation and no string per name, a lookup takes the name as a
// view and touches few places in memory; on networks of millions of names
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

    // Room for this many names in all: adding them moves no entry.
    void Reserve(std::size_t names);

    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    bool Empty() const { return m_entries.empty(); }
    // False, and nothing added, when the name was in the index already.
    bool Insert(std::string_view name) { return Add(name, false); }
    // -1 when no record has the name.
    int FirstPosition(std::string_view name) const;
    int Count(std::string_view name) const;

private:
    struct Entry {
        std::size_t hash;
        std::uint32_t offset;  // of the name's first character in m_characters
        std::uint32_t length;
        int first;
        int count;
    };

    // True when the name is new; a repeated one is counted when countRepeats.
    bool Add(std::string_view name, bool countRepeats);
    std::string_view NameOf(const Entry& entry) const { return {m_characters.data() + entry.offset, entry.length}; }
    // The slot that holds the name, or the empty slot where it would go.
    std::size_t SlotOf(std::string_view name, std::size_t hash) const;
    const Entry* Find(std::string_view name) const;
    void Append(std::string_view name, std::size_t hash, std::size_t slot);
    void Rehash(std::size_t slotCount);

    std::string m_characters;  // every name, one after the other
    std::vector<Entry> m_entries;
    // The entry after the one found last: loops often look names up in the
    // order they were added, and this one is tested before any slot.
    mutable std::size_t m_next = 0;
    // A slot holds the entry's index + 1 (0: empty) and the high half of
    // its hash, so a probe passes other names without reading their entries.
    struct Slot {
        std::uint32_t entry;
        std::uint32_t hashHigh;
    };
    std::vector<Slot> m_slots;  // size a power of two
    int m_added = 0;
};
