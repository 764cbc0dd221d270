#pragma once

#include <cstdint>
#include <string>

struct EncodingType;

// What one signal's raw value means by its encoding type, and the raw value
// a typed text stands for. The editor's converter line and the frame codec
// share it.

// The size in bits and whether the value is a byte array (whose raw value
// holds byte 0 in its lowest 8 bits, byte 1 in the next, ...).
struct SignalShape {
    int size = 0;
    bool isByteArray = false;
};

enum class ValueKind {
    Raw,  // no encoding value says anything: the signal has no encoding type, or an empty one
    Logical,
    Physical,
    Bcd,
    Ascii,
    OutOfRange,
};

struct SignalMeaning {
    ValueKind kind = ValueKind::Raw;
    std::string text;  // the logical text, the bcd digits or the ascii characters
    double physical = 0.0;
    std::string unit;
    std::string number;  // the physical value as shown: just the decimals that tell the raw value
};

// Shown to users verbatim and matched by tests; keep the spelling.
namespace codingtext {
inline constexpr const char* OutOfRange = "out of range";
}  // namespace codingtext

// The raw value's meaning: the first logical value that equals it, else
// the first physical range that holds it, else bcd digits when every digit
// is 0 to 9, else ascii characters when every byte is printable; out of
// range when the encoding type has values but none covers the raw value.
SignalMeaning InterpretRaw(const EncodingType* encoding, const SignalShape& shape, std::uint64_t raw);
// "308.5 rpm", "on", "0042", "\"AB\"", "out of range"; empty for Raw.
std::string MeaningText(const SignalMeaning& meaning);
// "1234 (0x4D2)"; a byte array's bytes in hex, byte 0 first: "01 2A FF".
std::string RawText(const SignalShape& shape, std::uint64_t raw);

// The raw value a typed text stands for, or why there is none.
struct RawValueResult {
    std::uint64_t raw = 0;
    std::string error;  // empty when raw holds the value

    explicit operator bool() const { return error.empty(); }
};

// Reads, in this order: a logical text of the encoding type; a raw value
// (a scalar in hex, 0x1F; a byte array as its bytes in hex); a physical
// value with or without its unit; bcd digits; ascii characters (quoted or
// not); a decimal raw value. Refuses what no encoding value covers (a raw
// value in hex is taken as it is) and what does not fit the size.
RawValueResult ReadSignalValue(const EncodingType* encoding, const SignalShape& shape, const std::string& text);
