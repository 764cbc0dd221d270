#include "reader/RecordNameIndex.h"

#include <algorithm>
#include <functional>

namespace {

constexpr std::size_t kMinSlots = 16;

std::size_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

}  // namespace

bool RecordNameIndex::Contains(std::string_view name) const
{
    if (!m_slots.empty() && m_slots[SlotOf(name, HashOf(name))] != 0)
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
        if (m_slots[SlotOf(name, HashOf(name))] == position + 1)
            m_givenBack.Insert(name);
    }
    m_followed = std::min(m_followed, first);
}

std::size_t RecordNameIndex::SlotOf(std::string_view name, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::size_t size = ListSize();
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t taken = m_slots[slot];
        if (taken == 0)
            return slot;
        // A slot may point past the end while its record is being appended,
        // or at a later record after records were dropped: neither matches.
        if (taken <= size && m_nameAt(m_list, taken - 1) == name)
            return slot;
    }
}

void RecordNameIndex::Place(std::string_view name, std::size_t position)
{
    if (2 * (m_names + 1) > m_slots.size())
        Rehash(std::max(kMinSlots, 2 * m_slots.size()));
    const std::size_t hash = HashOf(name);
    m_slots[SlotOf(name, hash)] = static_cast<std::uint32_t>(position + 1);
    ++m_names;
}

void RecordNameIndex::Rehash(std::size_t slotCount)
{
    // Only a record in the list has a name to hash again; a slot pointing
    // past the end is dropped, as its name would no longer match.
    std::vector<std::uint32_t> old = std::move(m_slots);
    m_slots.assign(slotCount, 0);
    m_names = 0;
    const std::size_t mask = slotCount - 1;
    const std::size_t size = ListSize();
    for (const std::uint32_t taken : old) {
        if (taken == 0 || taken > size)
            continue;
        std::size_t slot = HashOf(m_nameAt(m_list, taken - 1)) & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = taken;
        ++m_names;
    }
}
