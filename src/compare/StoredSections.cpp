#include "compare/StoredSections.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
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

StoredSections::StoredSections(const std::vector<NetworkSection>& sections, RecordBytes::Where where) : m_bytes(where)
{
    std::string record;
    Encoder encoder(record, m_fieldNames);
    m_sections.reserve(sections.size());
    std::size_t records = 0;
    for (const NetworkSection& section : sections)
        records += section.size;
    m_bounds.reserve(records + 1);
    for (const NetworkSection& section : sections) {
        m_sections.push_back({section.key, section.path, section.single, m_bounds.size() - 1, section.size});
        for (std::size_t i = 0; i < section.size; ++i) {
            record.clear();
            encoder.Value(section.record(i));
            m_bytes.Append(record);
            m_tooLarge = m_tooLarge || m_bytes.Size() > std::numeric_limits<std::uint32_t>::max();
            m_bounds.push_back(static_cast<std::uint32_t>(m_bytes.Size()));
        }
    }
    MoveBoundsToFile();
}

void StoredSections::MoveBoundsToFile()
{
    m_boundCount = m_bounds.size();
    if (!m_bytes.InFile() || m_tooLarge)
        return;
    std::string raw(m_bounds.size() * sizeof(std::uint32_t), '\0');
    std::memcpy(raw.data(), m_bounds.data(), raw.size());
    m_boundsStart = m_bytes.Size();
    m_bytes.Append(raw);
    m_boundsInFile = true;
    std::vector<std::uint32_t>().swap(m_bounds);
}

void StoredSections::BringBoundsBack() const
{
    if (!m_boundsInFile)
        return;
    const std::string raw = m_bytes.Read(m_boundsStart, m_boundsStart + m_boundCount * sizeof(std::uint32_t));
    m_bounds.assign(m_boundCount, 0);
    if (raw.size() == m_boundCount * sizeof(std::uint32_t))
        std::memcpy(m_bounds.data(), raw.data(), raw.size());
    m_boundsInFile = false;
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
        section.size = stored.count;
        section.record = [this, &stored](std::size_t i) {
            return i < stored.count ? Record(stored.first + i) : FieldValue();
        };
        section.name = [record = section.record](std::size_t i) { return record(i).Key(); };
        sections.push_back(std::move(section));
    }
    return sections;
}

FieldValue StoredSections::Record(std::size_t number) const
{
    BringBoundsBack();
    const std::string bytes = m_bytes.Read(m_bounds[number], m_bounds[number + 1]);
    std::size_t at = 0;
    return Decode(bytes, at);
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
