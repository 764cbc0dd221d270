#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Hashing and comparing names and keywords, which are short: they are read
// eight bytes at a time, the last bytes read overlapping the ones before, so
// a text of up to sixteen characters takes two reads and no loop over its
// characters, nor a call.
namespace short_text {

inline std::uint64_t Load64(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

inline std::uint64_t Load32(const char* at)
{
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

}  // namespace short_text

// All 64 bits are mixed: tables choose a slot by the low bits and tell
// names apart by the high ones.
inline std::uint64_t HashText(std::string_view text)
{
    using short_text::Load32;
    using short_text::Load64;
    std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ text.size();
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * 0xBF58476D1CE4E5B9ull;
        hash ^= hash >> 31;
    };
    const char* at = text.data();
    std::size_t left = text.size();
    if (left >= 8) {
        for (; left > 8; at += 8, left -= 8)
            mix(Load64(at));
        mix(Load64(at + left - 8));
    } else if (left >= 4) {
        mix((Load32(at) << 32) | Load32(at + left - 4));
    } else if (left > 0) {
        const auto byte = [at](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(at[i])}; };
        mix((byte(0) << 16) | (byte(left / 2) << 8) | byte(left - 1));
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return hash;
}

inline bool SameText(std::string_view one, std::string_view other)
{
    using short_text::Load32;
    using short_text::Load64;
    const std::size_t size = one.size();
    if (size != other.size())
        return false;
    const char* a = one.data();
    const char* b = other.data();
    if (size > 16)
        return std::memcmp(a, b, size) == 0;
    if (size >= 8)
        return ((Load64(a) ^ Load64(b)) | (Load64(a + size - 8) ^ Load64(b + size - 8))) == 0;
    if (size >= 4)
        return ((Load32(a) ^ Load32(b)) | (Load32(a + size - 4) ^ Load32(b + size - 4))) == 0;
    for (std::size_t i = 0; i < size; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}
