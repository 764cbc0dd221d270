#pragma once

#include "model/NameIndex.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The names of one list the reader fills, looked up in the list's own
// records: a slot holds the position of the first record with a name, so
// the index copies no name and takes a few bytes per record. Reading only
// appends to the list, and a name inserted is that of the record appended
// next.
class RecordNameIndex {
public:
    template <typename Record>
    explicit RecordNameIndex(const OwnedList<Record>& list)
        : m_list(&list), m_sizeOf(&SizeOf<Record>), m_nameAt(&NameAt<Record>)
    {
    }

    bool Contains(std::string_view name) const;
    // False, and nothing added, when the name is taken; otherwise the name
    // is the one of the record appended to the list next.
    bool Insert(std::string_view name);
    // Takes in the names of the records appended since the last call.
    void Follow();
    // The records from position first on are about to be dropped; the names
    // they took stay taken.
    void KeepNamesFrom(std::size_t first);

private:
    template <typename Record> static std::size_t SizeOf(const void* list)
    {
        return static_cast<const OwnedList<Record>*>(list)->size();
    }
    template <typename Record> static std::string_view NameAt(const void* list, std::size_t position)
    {
        return RecordName(*(*static_cast<const OwnedList<Record>*>(list))[position]);
    }

    // A slot holds a record's position + 1 (0: empty) in its low half and
    // the name's tag in its high half: a probe reads a record only where the
    // tags match, and growing the table reads no record at all.
    using Slot = std::uint64_t;

    std::size_t ListSize() const { return m_sizeOf(m_list); }
    // The slot that holds the name, or the empty slot where it would go.
    std::size_t SlotOf(std::string_view name, std::uint32_t tag) const;
    // Takes the empty slot found for the tag.
    void Place(std::size_t slot, std::uint32_t tag, std::size_t position);
    void Rehash(std::size_t slotCount);

    const void* m_list;
    std::size_t (*m_sizeOf)(const void*);
    std::string_view (*m_nameAt)(const void*, std::size_t);
    // At most half of the slots are taken, so a probe ends soon. Size a
    // power of two.
    std::vector<Slot> m_slots;
    std::size_t m_names = 0;
    std::size_t m_followed = 0;  // the records of the list already looked at
    NameIndex m_givenBack;       // names of records dropped again
};
