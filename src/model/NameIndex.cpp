#include "model/NameIndex.h"

#include "ldf/ShortText.h"

namespace {

constexpr std::size_t kMinSlots = 16;

std::size_t HashOf(std::string_view name) { return static_cast<std::size_t>(HashText(name)); }

std::uint32_t HighHalf(std::size_t hash) { return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32); }

}  // namespace

std::size_t SlotsFor(std::size_t names)
{
    std::size_t slots = kMinSlots;
    while (slots < 2 * names)
        slots *= 2;
    return slots;
}

int NameIndex::FirstPosition(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry ? entry->first : -1;
}

int NameIndex::Count(std::string_view name) const
{
    const Entry* entry = Find(name);
    return entry ? entry->count : 0;
}

void NameIndex::Reserve(std::size_t names)
{
    m_entries.reserve(names);
    if (SlotsFor(names) > m_slots.size())
        Rehash(SlotsFor(names));
}

bool NameIndex::Add(std::string_view name, bool countRepeats)
{
    if (m_slots.empty())
        Rehash(kMinSlots);
    const std::size_t hash = HashOf(name);
    const std::size_t slot = SlotOf(name, hash);
    if (m_slots[slot].entry == 0) {
        Append(name, hash, slot);
        return true;
    }
    if (countRepeats) {
        ++m_entries[m_slots[slot].entry - 1].count;
        ++m_added;
    }
    return false;
}

std::size_t NameIndex::SlotOf(std::string_view name, std::size_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::uint32_t high = HighHalf(hash);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& taken = m_slots[slot];
        if (taken.entry == 0)
            return slot;
        if (taken.hashHigh != high)
            continue;
        const Entry& entry = m_entries[taken.entry - 1];
        if (entry.hash == hash && SameText(NameOf(entry), name))
            return slot;
    }
}

const NameIndex::Entry* NameIndex::Find(std::string_view name) const
{
    if (m_slots.empty())
        return nullptr;
    std::size_t found = m_next;
    if (found >= m_entries.size() || NameOf(m_entries[found]) != name) {
        const std::uint32_t taken = m_slots[SlotOf(name, HashOf(name))].entry;
        if (taken == 0)
            return nullptr;
        found = taken - 1;
    }
    m_next = found + 1;
    return &m_entries[found];
}

void NameIndex::Append(std::string_view name, std::size_t hash, std::size_t slot)
{
    m_entries.push_back(
        {hash, static_cast<std::uint32_t>(m_characters.size()), static_cast<std::uint32_t>(name.size()), m_added++, 1});
    m_characters.append(name);
    m_slots[slot] = {static_cast<std::uint32_t>(m_entries.size()), HighHalf(hash)};
    if (2 * m_entries.size() > m_slots.size())
        Rehash(2 * m_slots.size());
}

void NameIndex::Rehash(std::size_t slotCount)
{
    m_slots.assign(slotCount, Slot{0, 0});
    const std::size_t mask = slotCount - 1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        std::size_t slot = m_entries[i].hash & mask;
        while (m_slots[slot].entry != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = {static_cast<std::uint32_t>(i + 1), HighHalf(m_entries[i].hash)};
    }
}
