#include "reader/RecordNameIndex.h"

#include <algorithm>
#include <functional>

namespace {

constexpr std::size_t kMinSlots = 16;

std::size_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

std::uint32_t HighHalf(std::size_t hash) { return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32); }

}  // namespace

bool RecordNameIndex::Contains(std::string_view name) const
{
    if (!m_slots.empty() && m_slots[SlotOf(name, HashOf(name))].position != 0)
        return true;
    return m_givenBack.Contains(name);
}

bool RecordNameIndex::Insert(std::string_view name)
{
    if (Contains(name))
        return false;
    Place(name, ListSize());
    return true;
}

void RecordNameIndex::Follow()
{
    for (const std::size_t size = ListSize(); m_followed < size; ++m_followed) {
        const std::string_view name = m_nameAt(m_list, m_followed);
        if (!Contains(name))
            Place(name, m_followed);
    }
}

void RecordNameIndex::KeepNamesFrom(std::size_t first)
{
    if (m_slots.empty())
        return;
    for (std::size_t position = first; position < ListSize(); ++position) {
        const std::string_view name = m_nameAt(m_list, position);
        if (m_slots[SlotOf(name, HashOf(name))].position == position + 1)
            m_givenBack.Insert(name);
    }
    m_followed = std::min(m_followed, first);
}

std::size_t RecordNameIndex::SlotOf(std::string_view name, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t high = HighHalf(hash);
    const std::size_t size = ListSize();
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& taken = m_slots[slot];
        if (taken.position == 0)
            return slot;
        // A slot may point past the end while its record is being appended,
        // or at a later record after records were dropped: neither matches.
        if (taken.hashHigh == high && taken.position <= size && m_nameAt(m_list, taken.position - 1) == name)
            return slot;
    }
}

void RecordNameIndex::Place(std::string_view name, std::size_t position)
{
    // At most three quarters of the slots are taken: a probe still ends
    // soon, and the slots take half the room they take at half.
    if (4 * (m_names + 1) > 3 * m_slots.size())
        Rehash(std::max(kMinSlots, 2 * m_slots.size()));
    const std::size_t hash = HashOf(name);
    m_slots[SlotOf(name, hash)] = {static_cast<std::uint32_t>(position + 1), HighHalf(hash)};
    ++m_names;
}

void RecordNameIndex::Rehash(std::size_t slotCount)
{
    // Only a record in the list has a name to hash again; a slot pointing
    // past the end is dropped, as its name would no longer match.
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(slotCount, Slot{0, 0});
    m_names = 0;
    const std::size_t mask = slotCount - 1;
    const std::size_t size = ListSize();
    for (const Slot& taken : old) {
        if (taken.position == 0 || taken.position > size)
            continue;
        const std::size_t hash = HashOf(m_nameAt(m_list, taken.position - 1));
        std::size_t slot = hash & mask;
        while (m_slots[slot].position != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = {taken.position, HighHalf(hash)};
        ++m_names;
    }
}
