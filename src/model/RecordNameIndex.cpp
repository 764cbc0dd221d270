#include "model/RecordNameIndex.h"

#include "ldf/ShortText.h"

#include <algorithm>
#include <iterator>

namespace {

// The 32 bits of a name's hash that choose its first slot and tell names
// apart before their records are read.
std::uint32_t TagOf(std::string_view name)
{
    const std::uint64_t hash = HashText(name);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::uint32_t PositionIn(std::uint64_t slot) { return static_cast<std::uint32_t>(slot); }
std::uint32_t TagIn(std::uint64_t slot) { return static_cast<std::uint32_t>(slot >> 32); }

// At most three quarters of the slots are taken. A tag tells names apart
// without reading records, so a probe of a few slots more costs little,
// while a table half the size stays in the cache longer.
bool Fits(std::size_t names, std::size_t slotCount) { return 4 * names <= 3 * slotCount; }

std::size_t SlotCountFor(std::size_t names)
{
    std::size_t slots = 16;
    while (!Fits(names, slots))
        slots *= 2;
    return slots;
}

// How many names Follow and Rehash look ahead: enough to keep the memory
// busy, few enough that the slots asked for are still cached when used.
constexpr std::size_t kBatch = 16;

// A hint to bring a slot into the cache; it changes no result.
void PrefetchSlot(const std::uint64_t* slot)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(slot, 1);
#else
    (void)slot;
#endif
}

}  // namespace

bool RecordNameIndex::Contains(std::string_view name) const
{
    if (!m_slots.empty() && m_slots[SlotOf(name, TagOf(name))] != 0)
        return true;
    return m_givenBack.Contains(name);
}

int RecordNameIndex::FirstPosition(std::string_view name) const { return Find(name); }

int RecordNameIndex::Count(std::string_view name) const
{
    const int first = Find(name);
    if (first < 0)
        return 0;
    const auto repeats = m_repeats.find(static_cast<std::uint32_t>(first));
    return repeats == m_repeats.end() ? 1 : 1 + repeats->second;
}

int RecordNameIndex::Find(std::string_view name) const
{
    std::size_t found = m_next;
    const bool eachNameOnce = m_repeats.empty() && m_givenBack.Empty();
    if (!eachNameOnce || found >= std::min(m_followed, ListSize()) || !SameText(m_nameAt(m_list, found), name)) {
        if (m_slots.empty())
            return -1;
        const Slot taken = m_slots[SlotOf(name, TagOf(name))];
        if (taken == 0)
            return -1;
        found = PositionIn(taken) - 1;
    }
    m_next = found + 1;
    return static_cast<int>(found);
}

bool RecordNameIndex::Insert(std::string_view name)
{
    if (!Fits(m_names + 1, m_slots.size()))
        Rehash(SlotCountFor(m_names + 1));
    const std::uint32_t tag = TagOf(name);
    const std::size_t slot = SlotOf(name, tag);
    if (m_slots[slot] != 0 || m_givenBack.Contains(name))
        return false;
    Place(slot, tag, ListSize());
    return true;
}

void RecordNameIndex::Follow()
{
    const std::size_t size = ListSize();
    if (m_followed < size && !Fits(m_names + size - m_followed, m_slots.size()))
        Rehash(SlotCountFor(m_names + size - m_followed));
    // The records come in batches: the first slot of every name of a batch
    // is asked for before any is read, so a table larger than the cache
    // waits for memory once per batch rather than once per name.
    std::string_view names[kBatch];
    std::uint32_t tags[kBatch];
    const std::size_t mask = m_slots.size() - 1;
    while (m_followed < size) {
        const std::size_t batch = std::min(kBatch, size - m_followed);
        for (std::size_t i = 0; i < batch; ++i) {
            names[i] = m_nameAt(m_list, m_followed + i);
            tags[i] = TagOf(names[i]);
            PrefetchSlot(&m_slots[tags[i] & mask]);
        }
        for (std::size_t i = 0; i < batch; ++i, ++m_followed) {
            const std::size_t slot = SlotOf(names[i], tags[i]);
            const std::uint32_t taken = PositionIn(m_slots[slot]);
            if (taken == 0 && !m_givenBack.Contains(names[i]))
                Place(slot, tags[i], m_followed);
            else if (taken != 0 && taken != m_followed + 1)  // not the record inserted for it
                ++m_repeats[taken - 1];
        }
    }
}

void RecordNameIndex::KeepNamesFrom(std::size_t first)
{
    if (m_slots.empty())
        return;
    for (std::size_t position = first; position < ListSize(); ++position) {
        const std::string_view name = m_nameAt(m_list, position);
        const std::uint32_t taken = PositionIn(m_slots[SlotOf(name, TagOf(name))]);
        if (taken == position + 1)
            m_givenBack.Insert(name);
        else if (position < m_followed && taken != 0 && taken <= first)
            --m_repeats[taken - 1];
    }
    for (auto repeats = m_repeats.begin(); repeats != m_repeats.end();)
        repeats = repeats->first >= first || repeats->second == 0 ? m_repeats.erase(repeats) : std::next(repeats);
    m_followed = std::min(m_followed, first);
}

void RecordNameIndex::Release()
{
    std::vector<Slot>().swap(m_slots);
    std::unordered_map<std::uint32_t, int>().swap(m_repeats);
    m_names = 0;
    m_followed = 0;
    m_next = 0;
}

std::size_t RecordNameIndex::SlotOf(std::string_view name, std::uint32_t tag) const
{
    const std::size_t mask = m_slots.size() - 1;
    const std::size_t size = ListSize();
    for (std::size_t slot = tag & mask;; slot = (slot + 1) & mask) {
        const Slot taken = m_slots[slot];
        if (taken == 0)
            return slot;
        // A slot may point past the end while its record is being appended,
        // or at a later record after records were dropped: neither matches.
        const std::uint32_t position = PositionIn(taken);
        if (TagIn(taken) == tag && position <= size && SameText(m_nameAt(m_list, position - 1), name))
            return slot;
    }
}

void RecordNameIndex::Place(std::size_t slot, std::uint32_t tag, std::size_t position)
{
    m_slots[slot] = (Slot{tag} << 32) | static_cast<std::uint32_t>(position + 1);
    ++m_names;
}

void RecordNameIndex::Rehash(std::size_t slotCount)
{
    // A slot pointing past the end is dropped, as its name would no longer
    // match.
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(slotCount, 0);
    m_names = 0;
    const std::size_t mask = slotCount - 1;
    const std::size_t size = ListSize();
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (i + kBatch < old.size())
            PrefetchSlot(&m_slots[TagIn(old[i + kBatch]) & mask]);
        const Slot taken = old[i];
        if (taken == 0 || PositionIn(taken) > size)
            continue;
        std::size_t slot = TagIn(taken) & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = taken;
        ++m_names;
    }
}
