#include "compare/NetworkDiff.h"

#include <algorithm>
#include <cstdint>

namespace {

const std::size_t kNoPartner = static_cast<std::size_t>(-1);

std::string KeyOf(const FieldValue& value)
{
    return value.type == FieldValue::Type::Record ? value.Key() : value.Show();
}

std::vector<std::string> KeysOf(const std::vector<FieldValue>& values)
{
    std::vector<std::string> keys;
    keys.reserve(values.size());
    for (const FieldValue& value : values)
        keys.push_back(KeyOf(value));
    return keys;
}

std::vector<std::string> NamesOf(const NetworkSection& section)
{
    std::vector<std::string> names;
    names.reserve(section.size);
    for (std::size_t i = 0; i < section.size; ++i)
        names.push_back(section.name(i));
    return names;
}

// Pairs the items of two lists by key, the n-th item with a key in one list
// with the n-th in the other. The older keys are sorted once; the newer ones
// are asked for one at a time, so a large section is matched in little more
// memory than its older names take.
class KeyPartners {
public:
    explicit KeyPartners(std::vector<std::string> olderKeys)
        : m_keys(std::move(olderKeys)), m_order(m_keys.size()), m_taken(m_keys.size(), 0)
    {
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = static_cast<std::uint32_t>(i);
        std::stable_sort(m_order.begin(), m_order.end(),
                         [this](std::uint32_t a, std::uint32_t b) { return m_keys[a] < m_keys[b]; });
    }

    // The index of the older partner of the next newer item with the key,
    // or kNoPartner.
    std::size_t Next(const std::string& key)
    {
        const auto first = std::lower_bound(m_order.begin(), m_order.end(), key,
                                            [this](std::uint32_t i, const std::string& k) { return m_keys[i] < k; });
        const auto group = static_cast<std::size_t>(first - m_order.begin());
        if (first == m_order.end() || m_keys[*first] != key)
            return kNoPartner;
        const std::size_t at = group + m_taken[group];
        if (at >= m_order.size() || m_keys[m_order[at]] != key)
            return kNoPartner;
        ++m_taken[group];
        return m_order[at];
    }

private:
    std::vector<std::string> m_keys;
    std::vector<std::uint32_t> m_order;  // indexes of the keys, sorted by key, equal keys in list order
    std::vector<std::uint32_t> m_taken;  // at a group's first place: how many of it have a partner
};

// For each newer item the index of its older partner, or kNoPartner.
template <typename NewerKey>
std::vector<std::size_t> MatchByKey(std::vector<std::string> older, std::size_t newerCount, NewerKey newerKey)
{
    KeyPartners partnersOf(std::move(older));
    std::vector<std::size_t> partners(newerCount, kNoPartner);
    for (std::size_t i = 0; i < newerCount; ++i)
        partners[i] = partnersOf.Next(newerKey(i));
    return partners;
}

std::vector<std::size_t> MatchByKey(const std::vector<FieldValue>& older, const std::vector<FieldValue>& newer)
{
    return MatchByKey(KeysOf(older), newer.size(), [&newer](std::size_t i) { return KeyOf(newer[i]); });
}

std::vector<bool> Partnered(std::size_t olderCount, const std::vector<std::size_t>& partners)
{
    std::vector<bool> partnered(olderCount, false);
    for (const std::size_t partner : partners)
        if (partner != kNoPartner)
            partnered[partner] = true;
    return partnered;
}

bool AllTexts(const std::vector<FieldValue>& items)
{
    for (const FieldValue& item : items)
        if (item.type != FieldValue::Type::Text)
            return false;
    return true;
}

bool AllRecords(const std::vector<FieldValue>& items)
{
    for (const FieldValue& item : items)
        if (item.type != FieldValue::Type::Record)
            return false;
    return true;
}

std::string Joined(const std::string& prefix, const std::string& word)
{
    if (prefix.empty() || word.empty())
        return prefix + word;
    return prefix + " " + word;
}

// Hands each difference on as it is found, so two networks are compared one
// entity at a time.
class DiffWriter {
public:
    explicit DiffWriter(const DifferenceSink& out) : m_out(out) {}

    // Entities are described only while their pair is compared.
    void Entities(const NetworkSection& older, const NetworkSection& newer)
    {
        const std::vector<std::size_t> partners = MatchByKey(NamesOf(older), newer.size, newer.name);
        for (std::size_t i = 0; i < newer.size; ++i) {
            const FieldValue record = newer.record(i);
            const std::vector<std::string> entity = EntityPath(newer.path, record);
            if (partners[i] == kNoPartner)
                Add(entity, {}, {}, Difference::Change::Added, {}, record);
            else
                Record(entity, {}, older.record(partners[i]), record);
        }
        const std::vector<bool> partnered = Partnered(older.size, partners);
        for (std::size_t i = 0; i < older.size; ++i) {
            if (partnered[i])
                continue;
            const FieldValue record = older.record(i);
            Add(EntityPath(older.path, record), {}, {}, Difference::Change::Removed, record, {});
        }
    }

    // The fields of two records of the same kind, one by one.
    void Record(const std::vector<std::string>& path, const std::string& prefix, const FieldValue& older,
                const FieldValue& newer)
    {
        for (std::size_t i = 0; i < older.fields.size() && i < newer.fields.size(); ++i)
            Value(path, Joined(prefix, newer.fields[i].label), older.fields[i].value, newer.fields[i].value);
    }

private:
    static std::vector<std::string> EntityPath(std::vector<std::string> path, const FieldValue& entity)
    {
        path.push_back(entity.Key());
        return path;
    }

    void Value(const std::vector<std::string>& path, const std::string& field, const FieldValue& older,
               const FieldValue& newer)
    {
        if (older == newer)
            return;
        if (older.type == FieldValue::Type::List && newer.type == FieldValue::Type::List) {
            if (newer.keyed && older.keyed)
                return KeyedItems(path, field, older.items, newer.items);
            if (AllRecords(older.items) && AllRecords(newer.items))
                return Positions(path, field, older.items, newer.items);
            if (AllTexts(older.items) && AllTexts(newer.items))
                return Texts(path, field, older, newer);
        }
        Add(path, field, {}, Difference::Change::Changed, older, newer);
    }

    void KeyedItems(const std::vector<std::string>& path, const std::string& field,
                    const std::vector<FieldValue>& older, const std::vector<FieldValue>& newer)
    {
        const std::vector<std::size_t> partners = MatchByKey(older, newer);
        for (std::size_t i = 0; i < newer.size(); ++i) {
            if (partners[i] == kNoPartner)
                Add(path, field, newer[i].Key(), Difference::Change::Added, {}, newer[i]);
            else
                Record(path, Joined(field, newer[i].Key()), older[partners[i]], newer[i]);
        }
        const std::vector<bool> partnered = Partnered(older.size(), partners);
        for (std::size_t i = 0; i < older.size(); ++i)
            if (!partnered[i])
                Add(path, field, older[i].Key(), Difference::Change::Removed, older[i], {});
    }

    // Items without a name (schedule entries): the n-th with the n-th, counted from 1.
    void Positions(const std::vector<std::string>& path, const std::string& field, const std::vector<FieldValue>& older,
                   const std::vector<FieldValue>& newer)
    {
        for (std::size_t i = 0; i < older.size() || i < newer.size(); ++i) {
            const std::string position = std::to_string(i + 1);
            if (i >= older.size())
                Add(path, field, position, Difference::Change::Added, {}, newer[i]);
            else if (i >= newer.size())
                Add(path, field, position, Difference::Change::Removed, older[i], {});
            else
                Record(path, Joined(field, position), older[i], newer[i]);
        }
    }

    // Names in a list (subscribers): each one added or removed; when only
    // their order changed, the order.
    void Texts(const std::vector<std::string>& path, const std::string& field, const FieldValue& older,
               const FieldValue& newer)
    {
        bool itemsDiffer = false;
        const std::vector<std::size_t> partners = MatchByKey(older.items, newer.items);
        for (std::size_t i = 0; i < newer.items.size(); ++i)
            if (partners[i] == kNoPartner) {
                Add(path, field, newer.items[i].text, Difference::Change::Added, {}, newer.items[i]);
                itemsDiffer = true;
            }
        const std::vector<bool> partnered = Partnered(older.items.size(), partners);
        for (std::size_t i = 0; i < older.items.size(); ++i)
            if (!partnered[i]) {
                Add(path, field, older.items[i].text, Difference::Change::Removed, older.items[i], {});
                itemsDiffer = true;
            }
        if (!itemsDiffer)
            Add(path, Joined(field, "order"), {}, Difference::Change::Changed, older, newer);
    }

    void Add(const std::vector<std::string>& path, const std::string& field, const std::string& item,
             Difference::Change change, const FieldValue& older, const FieldValue& newer)
    {
        m_out({path, field, item, change, older, newer});
    }

    const DifferenceSink& m_out;
};

}  // namespace

const char* ChangeName(Difference::Change change)
{
    switch (change) {
    case Difference::Change::Added:
        return "added";
    case Difference::Change::Removed:
        return "removed";
    case Difference::Change::Changed:
        break;
    }
    return "changed";
}

std::string Difference::Text() const
{
    std::string text;
    for (const std::string& caption : path)
        text += (text.empty() ? "" : " / ") + caption;
    const std::string what = Joined(field, item);
    text += what.empty() ? ":" : ": " + what;
    if (change == Change::Changed)
        return text + " " + oldValue.Show() + " -> " + newValue.Show();
    return text + " " + ChangeName(change);
}

void CompareNetworks(const NetworkContent& older, const NetworkContent& newer, const DifferenceSink& out)
{
    CompareSections(DescribeNetwork(older), DescribeNetwork(newer), out);
}

void CompareSections(const std::vector<NetworkSection>& olderSections, const std::vector<NetworkSection>& newerSections,
                     const DifferenceSink& out)
{
    DiffWriter writer(out);
    for (std::size_t i = 0; i < olderSections.size() && i < newerSections.size(); ++i) {
        const NetworkSection& section = newerSections[i];
        if (section.single)
            writer.Record(section.path, {}, olderSections[i].record(0), section.record(0));
        else
            writer.Entities(olderSections[i], section);
    }
}

std::vector<Difference> CompareNetworks(const NetworkContent& older, const NetworkContent& newer)
{
    std::vector<Difference> differences;
    CompareNetworks(older, newer, [&differences](const Difference& difference) { differences.push_back(difference); });
    return differences;
}
