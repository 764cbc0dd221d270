#include "validation/FrameBits.h"

#include "ldf/HexPrefix.h"
#include "ldf/TextScanner.h"

#include <algorithm>
#include <charconv>

namespace {

// One byte's share of a signal's bits.
struct Chunk {
    std::size_t byte;
    int lowBit;
    int bits;
};

template <typename Visit> void ForEachChunk(std::int64_t firstBit, int size, Visit visit)
{
    const std::int64_t end = firstBit + size;
    for (std::int64_t bit = firstBit; bit < end;) {
        const int low = static_cast<int>(bit % kBitsPerByte);
        const int bits = static_cast<int>(std::min<std::int64_t>(kBitsPerByte - low, end - bit));
        visit(Chunk{static_cast<std::size_t>(bit / kBitsPerByte), low, bits});
        bit += bits;
    }
}

std::uint64_t LowMask(int bits) { return bits >= kMaxValueBits ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1; }

int Bit(int value, int n) { return (value >> n) & 1; }

}  // namespace

bool BitsInside(std::size_t byteCount, std::int64_t firstBit, int size)
{
    return size >= 1 && size <= kMaxValueBits && firstBit >= 0 &&
           firstBit + size <= static_cast<std::int64_t>(byteCount) * kBitsPerByte;
}

std::uint64_t ReadBits(const FrameData& bytes, std::int64_t firstBit, int size, bool bigEndian)
{
    if (!BitsInside(bytes.size(), firstBit, size))
        return 0;
    std::uint64_t value = 0;
    int shift = 0;
    ForEachChunk(firstBit, size, [&](const Chunk& chunk) {
        const std::uint64_t part = (bytes[chunk.byte] >> chunk.lowBit) & LowMask(chunk.bits);
        if (bigEndian) {
            value = (value << chunk.bits) | part;
        } else {
            value |= part << shift;
            shift += chunk.bits;
        }
    });
    return value;
}

void WriteBits(FrameData& bytes, std::int64_t firstBit, int size, std::uint64_t value, bool bigEndian)
{
    if (!BitsInside(bytes.size(), firstBit, size))
        return;
    std::vector<Chunk> chunks;
    ForEachChunk(firstBit, size, [&](const Chunk& chunk) { chunks.push_back(chunk); });
    // Big endian: the last byte holds the least significant part.
    if (bigEndian)
        std::reverse(chunks.begin(), chunks.end());
    for (const Chunk& chunk : chunks) {
        const auto mask = static_cast<std::uint8_t>(LowMask(chunk.bits) << chunk.lowBit);
        const auto part = static_cast<std::uint8_t>((value & LowMask(chunk.bits)) << chunk.lowBit);
        bytes[chunk.byte] = static_cast<std::uint8_t>((bytes[chunk.byte] & ~mask) | part);
        value = chunk.bits >= kMaxValueBits ? 0 : value >> chunk.bits;
    }
}

bool FitsInBits(std::uint64_t value, int size)
{
    return size >= kMaxValueBits || (size >= 0 && value <= LowMask(size));
}

std::uint8_t ProtectedId(int frameId)
{
    const int id = frameId & 0x3F;
    const int p0 = Bit(id, 0) ^ Bit(id, 1) ^ Bit(id, 2) ^ Bit(id, 4);
    const int p1 = 1 ^ (Bit(id, 1) ^ Bit(id, 3) ^ Bit(id, 4) ^ Bit(id, 5));
    return static_cast<std::uint8_t>(id | (p0 << 6) | (p1 << 7));
}

namespace {

bool IsByteGap(char c) { return c == ' ' || c == '\t' || c == ','; }

bool ReadHexGroup(std::string group, FrameData& bytes)
{
    if (IsHexNumber(group))
        group.erase(0, 2);
    if (group.size() == 1)
        group.insert(group.begin(), '0');
    if (group.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < group.size(); i += 2) {
        const int high = HexDigit(group[i]);
        const int low = HexDigit(group[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return true;
}

}  // namespace

bool ReadHexBytes(const std::string& text, FrameData& bytes)
{
    bytes.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsByteGap(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsByteGap(text[end]))
            ++end;
        if (!ReadHexGroup(text.substr(i, end - i), bytes))
            return false;
        i = end;
    }
    return true;
}

std::string HexBytesText(const FrameData& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

int ReadFrameId(const std::string& text)
{
    const bool hex = IsHexNumber(text);
    const char* first = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    int id = -1;
    const auto result = std::from_chars(first, end, id, hex ? 16 : 10);
    return result.ec == std::errc() && result.ptr == end && first != end && id >= 0 ? id : -1;
}
