#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How a frame's bytes carry a signal's bits. Bit n of a frame is bit n % 8
// of byte n / 8: byte 0 is sent first, each byte least significant bit
// first. A signal's value takes its bits in that order (little endian); in
// a file that states big-endian byte order, the part of the value in a
// lower byte is the more significant one instead, so a byte-aligned 16-bit
// signal has its high byte in the lower byte.

using FrameData = std::vector<std::uint8_t>;

constexpr int kBitsPerByte = 8;
constexpr int kMaxValueBits = 64;

// True when bits firstBit .. firstBit + size - 1 lie inside byteCount bytes
// and size is 1 to kMaxValueBits.
bool BitsInside(std::size_t byteCount, std::int64_t firstBit, int size);
// The value of the bits; 0 unless BitsInside.
std::uint64_t ReadBits(const FrameData& bytes, std::int64_t firstBit, int size, bool bigEndian);
// Puts the low size bits of value there; nothing unless BitsInside.
void WriteBits(FrameData& bytes, std::int64_t firstBit, int size, std::uint64_t value, bool bigEndian);

// True when value fits in size bits.
bool FitsInBits(std::uint64_t value, int size);

// The protected id of a frame id (0 to 63): the id with its two parity bits.
std::uint8_t ProtectedId(int frameId);

// Bytes as logs and command lines write them: hex, with blanks or commas
// between bytes or none ("01 2A ff", "01,2a,FF", "012Aff"), each group
// with or without 0x; a group of one digit is one byte. False when the
// text is anything else; an empty text is no bytes at all.
bool ReadHexBytes(const std::string& text, FrameData& bytes);
// "01 2A FF".
std::string HexBytesText(const FrameData& bytes);

// A frame id in decimal or in hex with 0x ("60", "0x3C"); -1 for any other text.
int ReadFrameId(const std::string& text);
