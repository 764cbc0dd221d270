#include "compare/StoredSections.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace {

// Numbers as little-endian groups of seven bits, the high bit set on every
// group but the last; signed ones zigzagged first, so small magnitudes of
// either sign take one byte.
void PutCount(std::string& bytes, std::uint64_t number)
{
    while (number >= 0x80) {
        bytes += static_cast<char>((number & 0x7F) | 0x80);
        number >>= 7;
    }
    bytes += static_cast<char>(number);
}

std::uint64_t TakeCount(const std::string& bytes, std::size_t& at)
{
    std::uint64_t number = 0;
    for (int shift = 0; at < bytes.size() && shift < 64; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        number |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            break;
    }
    return number;
}

void PutInteger(std::string& bytes, long long number)
{
    const auto bits = static_cast<std::uint64_t>(number);
    PutCount(bytes, (bits << 1) ^ (number < 0 ? ~std::uint64_t{0} : 0));
}

long long TakeInteger(const std::string& bytes, std::size_t& at)
{
    const std::uint64_t zigzag = TakeCount(bytes, at);
    return static_cast<long long>((zigzag >> 1) ^ (~(zigzag & 1) + 1));
}

std::string TakeText(const std::string& bytes, std::size_t& at)
{
    const std::uint64_t length = TakeCount(bytes, at);
    const std::size_t taken = length < bytes.size() - at ? static_cast<std::size_t>(length) : bytes.size() - at;
    std::string text = bytes.substr(at, taken);
    at += taken;
    return text;
}

// Writes values into the store's bytes, numbering field names as they come.
class Encoder {
public:
    Encoder(std::string& bytes, std::vector<std::pair<std::string, std::string>>& fieldNames)
        : m_bytes(bytes), m_fieldNames(fieldNames)
    {
    }

    void Value(const FieldValue& value)
    {
        m_bytes += static_cast<char>(value.type);
        switch (value.type) {
        case FieldValue::Type::None:
            return;
        case FieldValue::Type::Integer:
            return PutInteger(m_bytes, value.integer);
        case FieldValue::Type::Real: {
            char raw[sizeof value.real];
            std::memcpy(raw, &value.real, sizeof raw);
            m_bytes.append(raw, sizeof raw);
            return;
        }
        case FieldValue::Type::Text:
            PutCount(m_bytes, value.text.size());
            m_bytes += value.text;
            return;
        case FieldValue::Type::Flag:
            m_bytes += static_cast<char>(value.flag);
            return;
        case FieldValue::Type::List:
            m_bytes += static_cast<char>(value.keyed);
            PutCount(m_bytes, value.items.size());
            for (const FieldValue& item : value.items)
                Value(item);
            return;
        case FieldValue::Type::Record:
            PutCount(m_bytes, value.fields.size());
            for (const Field& field : value.fields) {
                PutCount(m_bytes, FieldNameNumber(field.name, field.label));
                Value(field.value);
            }
            return;
        }
    }

private:
    std::size_t FieldNameNumber(const std::string& name, const std::string& label)
    {
        const auto found = m_numbers.try_emplace(name + '\n' + label, m_fieldNames.size());
        if (found.second)
            m_fieldNames.emplace_back(name, label);
        return found.first->second;
    }

    std::string& m_bytes;
    std::vector<std::pair<std::string, std::string>>& m_fieldNames;
    std::unordered_map<std::string, std::size_t> m_numbers;
};

}  // namespace

StoredSections::StoredSections(const std::vector<NetworkSection>& sections)
{
    std::string record;
    Encoder encoder(record, m_fieldNames);
    m_sections.reserve(sections.size());
    for (const NetworkSection& section : sections) {
        Section stored{section.key, section.path, section.single, {}};
        stored.starts.reserve(section.size);
        for (std::size_t i = 0; i < section.size; ++i) {
            record.clear();
            encoder.Value(section.record(i));
            stored.starts.push_back(Keep(record));
        }
        m_sections.push_back(std::move(stored));
    }
}

StoredSections::Place StoredSections::Keep(const std::string& record)
{
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < record.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockBytes, record.size()));
    }
    std::string& block = m_blocks.back();
    const Place place{m_blocks.size() - 1, block.size()};
    block += record;
    return place;
}

std::vector<NetworkSection> StoredSections::Sections() const
{
    std::vector<NetworkSection> sections;
    sections.reserve(m_sections.size());
    for (const Section& stored : m_sections) {
        NetworkSection section;
        section.key = stored.key;
        section.path = stored.path;
        section.single = stored.single;
        section.size = stored.starts.size();
        const std::vector<Place>& starts = stored.starts;
        section.record = [this, &starts](std::size_t i) {
            if (i >= starts.size())
                return FieldValue();
            std::size_t at = starts[i].offset;
            return Decode(m_blocks[starts[i].block], at);
        };
        section.name = [record = section.record](std::size_t i) { return record(i).Key(); };
        sections.push_back(std::move(section));
    }
    return sections;
}

FieldValue StoredSections::Decode(const std::string& bytes, std::size_t& at) const
{
    FieldValue value;
    if (at >= bytes.size())
        return value;
    value.type = static_cast<FieldValue::Type>(bytes[at++]);
    switch (value.type) {
    case FieldValue::Type::None:
        break;
    case FieldValue::Type::Integer:
        value.integer = TakeInteger(bytes, at);
        break;
    case FieldValue::Type::Real:
        if (bytes.size() - at >= sizeof value.real)
            std::memcpy(&value.real, bytes.data() + at, sizeof value.real);
        at += sizeof value.real;
        break;
    case FieldValue::Type::Text:
        value.text = TakeText(bytes, at);
        break;
    case FieldValue::Type::Flag:
        value.flag = at < bytes.size() && bytes[at++] != 0;
        break;
    case FieldValue::Type::List: {
        value.keyed = at < bytes.size() && bytes[at++] != 0;
        const std::uint64_t count = TakeCount(bytes, at);
        for (std::uint64_t i = 0; i < count && at < bytes.size(); ++i)
            value.items.push_back(Decode(bytes, at));
        break;
    }
    case FieldValue::Type::Record: {
        const std::uint64_t count = TakeCount(bytes, at);
        for (std::uint64_t i = 0; i < count && at < bytes.size(); ++i) {
            const std::uint64_t number = TakeCount(bytes, at);
            Field field;
            if (number < m_fieldNames.size()) {
                field.name = m_fieldNames[static_cast<std::size_t>(number)].first;
                field.label = m_fieldNames[static_cast<std::size_t>(number)].second;
            }
            field.value = Decode(bytes, at);
            value.fields.push_back(std::move(field));
        }
        break;
    }
    }
    return value;
}
