#pragma once

#include "model/NameIndex.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

// The names of one list, looked up in the list's own records: a slot holds
// the position of the first record with a name, so the index copies no name
// and takes a few bytes per record. It knows the records of the list when
// made and those Follow takes in later; a name inserted is that of the
// record appended next. The reader fills lists this way; the checks and the
// repair look names up in lists that stay as they are meanwhile.
class RecordNameIndex {
public:
    template <typename Record>
    explicit RecordNameIndex(const OwnedList<Record>& list)
        : m_list(&list), m_sizeOf(&SizeOf<Record>), m_nameAt(&NameAt<Record>)
    {
        Follow();
    }

    bool Contains(std::string_view name) const;
    // -1 when no record has the name.
    int FirstPosition(std::string_view name) const;
    // How many of the records taken in have the name.
    int Count(std::string_view name) const;
    // False, and nothing added, when the name is taken; otherwise the name
    // is the one of the record appended to the list next.
    bool Insert(std::string_view name);
    // Takes in the names of the records appended since the last call.
    void Follow();
    // The records from position first on are about to be dropped; the names
    // they took stay taken.
    void KeepNamesFrom(std::size_t first);
    // Lets the slots go; the next Follow takes in the whole list again. The
    // names given back stay taken, and which names are taken stays as it
    // was; where among them a given-back name lies is no longer known.
    void Release();
    // The records of the list taken in so far.
    std::size_t Followed() const { return m_followed; }

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
    // The position of the first record with the name, or -1.
    int Find(std::string_view name) const;
    // Takes the empty slot found for the tag.
    void Place(std::size_t slot, std::uint32_t tag, std::size_t position);
    void Rehash(std::size_t slotCount);

    const void* m_list;
    std::size_t (*m_sizeOf)(const void*);
    std::string_view (*m_nameAt)(const void*, std::size_t);
    // Size a power of two, with room for a quarter more than the names.
    std::vector<Slot> m_slots;
    std::size_t m_names = 0;
    std::size_t m_followed = 0;  // the records of the list already looked at
    NameIndex m_givenBack;       // names of records dropped again
    // The records beyond the first of a name, by the first one's position;
    // lists rarely repeat a name.
    std::unordered_map<std::uint32_t, int> m_repeats;
    // The position after the one found last: loops often look names up in
    // the order of the list, and while no name repeats, that record is
    // tested before any slot.
    mutable std::size_t m_next = 0;
};

// The first record of the list with the name, or null; the index is that of
// the list.
template <typename Record>
const Record* FirstNamed(const OwnedList<Record>& list, const RecordNameIndex& index, std::string_view name)
{
    const int position = index.FirstPosition(name);
    return position >= 0 && static_cast<std::size_t>(position) < list.size()
               ? list[static_cast<std::size_t>(position)].get()
               : nullptr;
}
