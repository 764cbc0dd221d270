#include "validation/SignalCoding.h"

#include "ldf/HexPrefix.h"
#include "model/SignalRecords.h"
#include "validation/FrameBits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr int kBitsPerDigit = 4;
constexpr int kDigitMask = 0xF;
constexpr char kFirstPrintable = 0x20;
constexpr char kLastPrintable = 0x7E;
constexpr char kAsciiPadding = ' ';
// Enough decimals to tell apart the steps of any scale a file writes.
constexpr int kMaxDecimals = 17;

std::string NoValueGiven() { return "no value given"; }
std::string DoesNotFit(const std::string& value, int size)
{
    return value + " does not fit in " + std::to_string(size) + (size == 1 ? " bit" : " bits");
}
std::string NotCovered(const std::string& value, const EncodingType& encoding)
{
    return value + " is no value of " + encoding.name;
}
std::string NotReadable(const std::string& value) { return value + " is not a value of this signal"; }
std::string NoSize(int size) { return "a signal of " + std::to_string(size) + " bits has no value"; }

// Every shift below stays inside 64 bits only for these sizes.
bool HasValidSize(const SignalShape& shape) { return shape.size >= 1 && shape.size <= kMaxValueBits; }

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Unquoted(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

bool IsQuoted(const std::string& text) { return Unquoted(text).size() != text.size(); }

int ByteCount(const SignalShape& shape) { return (shape.size + kBitsPerByte - 1) / kBitsPerByte; }
int DigitCount(const SignalShape& shape)
{
    return shape.isByteArray ? 2 * ByteCount(shape) : (shape.size + kBitsPerDigit - 1) / kBitsPerDigit;
}

std::uint8_t ByteOf(std::uint64_t raw, int index) { return static_cast<std::uint8_t>(raw >> (kBitsPerByte * index)); }

// Digits of a scalar go most significant first; those of a byte array byte
// 0 first, each byte's high digit first, as a date or serial number reads.
int DigitShift(const SignalShape& shape, int position)
{
    const int digits = DigitCount(shape);
    if (!shape.isByteArray)
        return kBitsPerDigit * (digits - 1 - position);
    return kBitsPerByte * (position / 2) + (position % 2 == 0 ? kBitsPerDigit : 0);
}

bool BcdDigits(const SignalShape& shape, std::uint64_t raw, std::string& digits)
{
    digits.clear();
    for (int position = 0; position < DigitCount(shape); ++position) {
        const int digit = static_cast<int>((raw >> DigitShift(shape, position)) & kDigitMask);
        if (digit > 9)
            return false;
        digits += static_cast<char>('0' + digit);
    }
    return true;
}

bool AsciiCharacters(const SignalShape& shape, std::uint64_t raw, std::string& characters)
{
    characters.clear();
    for (int index = 0; index < ByteCount(shape); ++index) {
        const char c = static_cast<char>(ByteOf(raw, index));
        if (c < kFirstPrintable || c > kLastPrintable)
            return false;
        characters += c;
    }
    return true;
}

// The shortest text that reads back as the value when decimals is negative.
std::string FixedText(double value, int decimals)
{
    std::array<char, 400> buffer{};
    char* const end = buffer.data() + buffer.size();
    const auto result = decimals < 0 ? std::to_chars(buffer.data(), end, value, std::chars_format::fixed)
                                     : std::to_chars(buffer.data(), end, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(buffer.data(), result.ptr) : std::string();
}

// A decimal number at the start of text; the rest (the unit) trimmed.
bool SplitNumber(const std::string& text, double& value, std::string& unit)
{
    const std::size_t skip = !text.empty() && text[0] == '+' ? 1 : 0;
    const char* first = text.data() + skip;
    const auto result = std::from_chars(first, text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr == first || !std::isfinite(value))
        return false;
    unit = Trimmed(std::string(result.ptr, text.data() + text.size()));
    return true;
}

bool ReadUnsigned(const std::string& text, int base, std::uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// The raw value of the first physical range (with that unit, when one is
// given) that holds the value.
bool PhysicalRaw(const EncodingType& encoding, double value, const std::string& unit, std::uint64_t& raw)
{
    for (const auto& range : encoding.physicalRanges) {
        if (!unit.empty() && Trimmed(range->text) != unit)
            continue;
        double steps = 0.0;
        if (range->scale == 0.0) {
            if (value != range->offset)
                continue;
            steps = range->min;
        } else {
            steps = std::round((value - range->offset) / range->scale);
        }
        if (!std::isfinite(steps) || steps < range->min || steps > range->max || steps < 0)
            continue;
        raw = static_cast<std::uint64_t>(steps);
        return true;
    }
    return false;
}

// The physical value with the fewest decimals that still reads back as raw.
std::string PhysicalNumber(const EncodingType& encoding, double physical, const std::string& unit, std::uint64_t raw)
{
    for (int decimals = 0; decimals <= kMaxDecimals; ++decimals) {
        const std::string text = FixedText(physical, decimals);
        double value = 0.0;
        std::string rest;
        std::uint64_t back = 0;
        if (SplitNumber(text, value, rest) && PhysicalRaw(encoding, value, unit, back) && back == raw)
            return text;
    }
    return FixedText(physical, -1);
}

bool HasValues(const EncodingType& encoding)
{
    return !encoding.logicalValues.empty() || !encoding.physicalRanges.empty() || encoding.bcdCount > 0 ||
           encoding.asciiCount > 0;
}

const EncodingValue* LogicalByText(const EncodingType& encoding, const std::string& text)
{
    // Texts are compared without the blanks around them, which a typed value loses.
    for (const auto& value : encoding.logicalValues) {
        const std::string own = Trimmed(value->text);
        if (!own.empty() && (own == text || own == Trimmed(Unquoted(text))))
            return value.get();
    }
    return nullptr;
}

RawValueResult Refused(std::string reason)
{
    RawValueResult result;
    result.error = std::move(reason);
    return result;
}

RawValueResult Fitting(const SignalShape& shape, const std::string& text, std::uint64_t raw)
{
    if (!FitsInBits(raw, shape.size))
        return Refused(DoesNotFit(text, shape.size));
    RawValueResult result;
    result.raw = raw;
    return result;
}

// The value as the encoding type must cover it.
RawValueResult Covered(const EncodingType* encoding, const SignalShape& shape, const std::string& text,
                       std::uint64_t raw)
{
    RawValueResult result = Fitting(shape, text, raw);
    if (result && encoding && InterpretRaw(encoding, shape, raw).kind == ValueKind::OutOfRange)
        return Refused(NotCovered(text, *encoding));
    return result;
}

RawValueResult ReadBytes(const SignalShape& shape, const std::string& text, bool& isBytes)
{
    FrameData bytes;
    isBytes = ReadHexBytes(text, bytes) && static_cast<int>(bytes.size()) == ByteCount(shape);
    std::uint64_t raw = 0;
    for (std::size_t index = 0; isBytes && index < bytes.size(); ++index)
        raw |= std::uint64_t{bytes[index]} << (kBitsPerByte * index);
    return Fitting(shape, text, raw);
}

bool ReadBcd(const SignalShape& shape, const std::string& text, std::uint64_t& raw)
{
    const int digits = DigitCount(shape);
    if (text.empty() || static_cast<int>(text.size()) > digits ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const std::string padded = std::string(static_cast<std::size_t>(digits) - text.size(), '0') + text;
    raw = 0;
    for (int position = 0; position < digits; ++position)
        raw |= std::uint64_t(padded[static_cast<std::size_t>(position)] - '0') << DigitShift(shape, position);
    return true;
}

bool ReadAscii(const SignalShape& shape, const std::string& text, std::uint64_t& raw)
{
    const std::string characters = Unquoted(text);
    if (static_cast<int>(characters.size()) > ByteCount(shape))
        return false;
    raw = 0;
    for (int index = 0; index < ByteCount(shape); ++index) {
        const char c = static_cast<std::size_t>(index) < characters.size() ? characters[static_cast<std::size_t>(index)]
                                                                           : kAsciiPadding;
        raw |= std::uint64_t{static_cast<std::uint8_t>(c)} << (kBitsPerByte * index);
    }
    return true;
}

}  // namespace

SignalMeaning InterpretRaw(const EncodingType* encoding, const SignalShape& shape, std::uint64_t raw)
{
    SignalMeaning meaning;
    if (!encoding || !HasValues(*encoding) || !HasValidSize(shape))
        return meaning;
    for (const auto& value : encoding->logicalValues) {
        if (value->value >= 0 && static_cast<std::uint64_t>(value->value) == raw) {
            meaning.kind = ValueKind::Logical;
            meaning.text = value->text;
            return meaning;
        }
    }
    for (const auto& range : encoding->physicalRanges) {
        if (range->min >= 0 && raw >= static_cast<std::uint64_t>(range->min) &&
            raw <= static_cast<std::uint64_t>(std::max(range->max, 0))) {
            meaning.kind = ValueKind::Physical;
            meaning.physical = static_cast<double>(raw) * range->scale + range->offset;
            meaning.unit = Trimmed(range->text);
            meaning.number = PhysicalNumber(*encoding, meaning.physical, meaning.unit, raw);
            return meaning;
        }
    }
    if (encoding->bcdCount > 0 && BcdDigits(shape, raw, meaning.text)) {
        meaning.kind = ValueKind::Bcd;
        return meaning;
    }
    if (encoding->asciiCount > 0 && AsciiCharacters(shape, raw, meaning.text)) {
        meaning.kind = ValueKind::Ascii;
        return meaning;
    }
    meaning.text.clear();
    meaning.kind = ValueKind::OutOfRange;
    return meaning;
}

std::string MeaningText(const SignalMeaning& meaning)
{
    switch (meaning.kind) {
    case ValueKind::Physical:
        return meaning.unit.empty() ? meaning.number : meaning.number + " " + meaning.unit;
    case ValueKind::Logical:
    case ValueKind::Bcd:
        return meaning.text;
    case ValueKind::Ascii:
        return "\"" + meaning.text + "\"";
    case ValueKind::OutOfRange:
        return codingtext::OutOfRange;
    case ValueKind::Raw:
        break;
    }
    return {};
}

std::string RawText(const SignalShape& shape, std::uint64_t raw)
{
    if (shape.isByteArray && HasValidSize(shape)) {
        FrameData bytes;
        for (int index = 0; index < ByteCount(shape); ++index)
            bytes.push_back(ByteOf(raw, index));
        return HexBytesText(bytes);
    }
    std::array<char, 20> hex{};
    const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), raw, 16).ptr;
    std::string hexText(hex.data(), end);
    for (char& c : hexText)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return std::to_string(raw) + " (0x" + hexText + ")";
}

RawValueResult ReadSignalValue(const EncodingType* encoding, const SignalShape& shape, const std::string& typed)
{
    const std::string text = Trimmed(typed);
    if (!HasValidSize(shape))
        return Refused(NoSize(shape.size));
    if (text.empty())
        return Refused(NoValueGiven());
    if (encoding) {
        if (const EncodingValue* logical = LogicalByText(*encoding, text))
            return Fitting(shape, text, static_cast<std::uint64_t>(std::max(logical->value, 0)));
    }
    if (shape.isByteArray && !IsQuoted(text)) {
        bool isBytes = false;
        RawValueResult bytes = ReadBytes(shape, text, isBytes);
        if (isBytes)
            return bytes;
    }
    std::uint64_t raw = 0;
    if (!shape.isByteArray && IsHexNumber(text)) {
        if (!ReadUnsigned(text.substr(2), 16, raw))
            return Refused(NotReadable(text));
        return Fitting(shape, text, raw);
    }
    double physical = 0.0;
    std::string unit;
    if (encoding && !encoding->physicalRanges.empty() && SplitNumber(text, physical, unit)) {
        if (PhysicalRaw(*encoding, physical, unit, raw))
            return Fitting(shape, text, raw);
        return Refused(NotCovered(text, *encoding));
    }
    if (encoding && encoding->bcdCount > 0 && ReadBcd(shape, text, raw))
        return Covered(encoding, shape, text, raw);
    if (encoding && encoding->asciiCount > 0 && ReadAscii(shape, text, raw))
        return Covered(encoding, shape, text, raw);
    if (ReadUnsigned(text, 10, raw))
        return Covered(encoding, shape, text, raw);
    return Refused(encoding && HasValues(*encoding) ? NotCovered(text, *encoding) : NotReadable(text));
}
