#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

// A text written part by part, for writers of whole files. Each part is
// copied into room made ahead, inline: std::string::append is a call into
// the library per part, and a writer that makes a temporary string per
// statement spends most of its time allocating. Parts are texts, ints
// (in decimal), Joined lists, and any type with an AppendPart overload.
class TextOut {
public:
    explicit TextOut(std::size_t expectedSize) { m_text.reserve(expectedSize); }

    template <typename... Parts> void Put(const Parts&... parts) { (AppendPart(*this, parts), ...); }

    void Append(const char* characters, std::size_t count)
    {
        if (count > m_text.size() - m_size)
            MakeRoom(count);
        std::memcpy(&m_text[m_size], characters, count);
        m_size += count;
    }

    std::size_t Size() const { return m_size; }
    // Drops what was put after the first size characters.
    void TakeBack(std::size_t size) { m_size = std::min(size, m_size); }

    std::string Take()
    {
        m_text.resize(m_size);
        m_size = 0;
        return std::move(m_text);
    }

private:
    // A step more, within the capacity while the part fits there: the
    // string would copy itself to grow.
    void MakeRoom(std::size_t count)
    {
        std::size_t size = m_size + std::max(count, kRoomStep);
        if (m_size + count <= m_text.capacity())
            size = std::min(size, m_text.capacity());
        m_text.resize(size);
    }

    // Room is made a step at a time, so that the characters are cleared
    // just before they are written, while they are in the cache; the
    // string's capacity still grows by doubling.
    static constexpr std::size_t kRoomStep = 64 * 1024;

    std::string m_text;  // the text, then room
    std::size_t m_size = 0;
};

inline void AppendPart(TextOut& out, std::string_view part) { out.Append(part.data(), part.size()); }

// A literal's length is known without counting.
template <std::size_t N> void AppendPart(TextOut& out, const char (&literal)[N]) { out.Append(literal, N - 1); }

inline void AppendPart(TextOut& out, int value)
{
    char digits[std::numeric_limits<int>::digits10 + 3];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.Append(digits, static_cast<std::size_t>(end - digits));
}

struct EveryItem {
    template <typename Item> bool operator()(const Item&) const { return true; }
};

// The items that keep holds for, with the separator between them.
template <typename Items, typename Keep> struct JoinedItems {
    const Items& items;
    const char* separator;
    Keep keep;
};

template <typename Items, typename Keep = EveryItem>
JoinedItems<Items, Keep> Joined(const Items& items, const char* separator, Keep keep = {})
{
    return {items, separator, keep};
}

template <typename Items, typename Keep> void AppendPart(TextOut& out, const JoinedItems<Items, Keep>& joined)
{
    const char* before = "";
    for (const auto& item : joined.items) {
        if (!joined.keep(item))
            continue;
        out.Put(before, item);
        before = joined.separator;
    }
}
