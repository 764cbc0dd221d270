#include "editing/EntryRules.h"

#include "ldf/HexPrefix.h"
#include "ldf/TextScanner.h"
#include "writer/LdfWriter.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kNotAnInteger = "Geben Sie bitte eine ganze Zahl ein.";
const char* const kIntegerOutOfRange = "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.";
const char* const kNotANumber = "Geben Sie bitte eine Zahl ein.";
const char* const kNumberOutOfRange = "Geben Sie bitte eine Zahl zwischen %1 und %2 ein.";
const char* const kRangeTo = "%1 to %2";
const char* const kRangeOrHex = "%1 or %2";
const char* const kRangeOrMore = "%1 or more";
const char* const kAnyNumber = "any number";

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

// Moves past the digits at the position; true when there was at least one.
bool SkipDigits(const std::string& text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && IsAsciiDigit(text[pos]))
        ++pos;
    return pos > start;
}

// [sign] digits [. [digits]] | [sign] . digits, then [e|E [sign] digits].
bool IsDecimalNumber(const std::string& text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    bool mantissa = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        mantissa = SkipDigits(text, pos) || mantissa;
    }
    if (!mantissa)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (!SkipDigits(text, pos))
            return false;
    }
    return pos == text.size();
}

std::string ReplaceAll(std::string text, const std::string& placeholder, const std::string& value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

std::string Between(const char* pattern, const std::string& low, const std::string& high)
{
    return ReplaceAll(ReplaceAll(pattern, "%1", low), "%2", high);
}

std::string HexText(double value)
{
    static const char* const kDigits = "0123456789ABCDEF";
    auto number = static_cast<unsigned long long>(std::max(value, 0.0));
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[number % 16]);
        number /= 16;
    } while (number > 0);
    return "0x" + digits;
}

// The value of digits in the base; beyond the largest double they count as
// infinite, never wrapped.
double DigitsValue(const std::string& digits, int base)
{
    double value = 0;
    for (char c : digits)
        value = value * base + HexDigit(c);
    return value;
}

// A decimal number's value; beyond what a double holds, infinite.
double DecimalValue(const std::string& text)
{
    const std::size_t start = text[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return text[start] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return value;
}

bool IsWholeNumberText(const std::string& text, bool signAllowed)
{
    const std::size_t start = signAllowed && !text.empty() && text[0] == '-' ? 1 : 0;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), IsAsciiDigit);
}

// What a text that may hold a number's characters gives: Incomplete until
// it is one, then its value against the range.
NumberTextState StateOfValue(double value, const NumberRange& range)
{
    return value >= range.min && value <= range.max ? NumberTextState::Valid : NumberTextState::OutOfRange;
}

}  // namespace

NameFieldText FilterNameEdit(const std::string& before, const std::string& after)
{
    const std::size_t shortest = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shortest && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < shortest - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    // Whole characters only: a shared lead byte is not a shared character.
    while (prefix > 0 && prefix < after.size() && IsContinuationByte(after[prefix]))
        --prefix;
    while (suffix > 0 && IsContinuationByte(after[after.size() - suffix]))
        --suffix;

    std::string inserted;
    for (char c : after.substr(prefix, after.size() - prefix - suffix))
        if (IsAsciiDigit(c) || IsAsciiLetter(c) || c == '_')
            inserted += c;
    if (prefix == 0 && !inserted.empty() && IsAsciiDigit(inserted.front()))
        inserted.front() = '_';
    NameFieldText result{after.substr(0, prefix) + inserted + after.substr(after.size() - suffix),
                         prefix + inserted.size()};
    if (prefix == 0 && !result.text.empty() && IsAsciiDigit(result.text.front())) {
        result.text.insert(0, 1, '_');
        ++result.caret;
    }
    return result;
}

std::optional<std::string> AcceptDecimalText(std::string text, std::size_t maxLength)
{
    for (char c : text)
        if (IsBlankChar(c))
            return std::nullopt;
    if (!text.empty() && text.back() == ',')
        text.back() = '.';
    if (text.size() > maxLength || !IsDecimalNumber(text))
        return std::nullopt;
    return text;
}

NumberTextState ClassifyNumberText(const std::string& text, const NumberRange& range)
{
    if (text.empty())
        return NumberTextState::Valid;
    const bool signAllowed = range.min < 0;
    if (range.hexAllowed && HasHexPrefix(text)) {
        const std::string digits = text.substr(2);
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; }))
            return NumberTextState::Refused;
        return digits.empty() ? NumberTextState::Incomplete : StateOfValue(DigitsValue(digits, 16), range);
    }
    if (!range.fraction) {
        if (!IsWholeNumberText(text, signAllowed))
            return NumberTextState::Refused;
        const bool negative = text[0] == '-';
        if (text.size() == (negative ? 1u : 0u))
            return NumberTextState::Incomplete;
        const double magnitude = DigitsValue(text.substr(negative ? 1 : 0), 10);
        return StateOfValue(negative ? -magnitude : magnitude, range);
    }
    if ((!signAllowed && text[0] == '-') || std::any_of(text.begin(), text.end(), IsBlankChar))
        return NumberTextState::Refused;
    if (IsDecimalNumber(text))
        return StateOfValue(DecimalValue(text), range);
    // A digit more would make a number of it: "-", ".", "1e", "1e-".
    return IsDecimalNumber(text + "0") ? NumberTextState::Incomplete : NumberTextState::Refused;
}

std::string RangeText(const NumberRange& range)
{
    const bool bounded = range.max < std::numeric_limits<double>::max();
    if (range.min <= std::numeric_limits<double>::lowest() && !bounded)
        return kAnyNumber;
    const std::string low = FormatShortestNumber(range.min);
    if (!bounded)
        return ReplaceAll(kRangeOrMore, "%1", low);
    const std::string decimal = Between(kRangeTo, low, FormatShortestNumber(range.max));
    if (!range.hexAllowed)
        return decimal;
    return Between(kRangeOrHex, decimal, Between(kRangeTo, HexText(range.min), HexText(range.max)));
}

std::string NumberTextProblem(const std::string& text, const NumberRange& range)
{
    switch (ClassifyNumberText(text, range)) {
    case NumberTextState::Valid:
        return {};
    case NumberTextState::OutOfRange:
        if (range.max < std::numeric_limits<double>::max())
            return Between(range.fraction ? kNumberOutOfRange : kIntegerOutOfRange, FormatShortestNumber(range.min),
                           FormatShortestNumber(range.max));
        [[fallthrough]];
    default:
        return range.fraction ? kNotANumber : kNotAnInteger;
    }
}

NumberRange RangeOf(const NumberField& field)
{
    return NumberRange{static_cast<double>(field.min), static_cast<double>(field.max), field.hexAllowed, false};
}

bool AcceptNumberText(const std::string& text, bool hexAllowed)
{
    if (hexAllowed && HasHexPrefix(text))
        return std::all_of(text.begin() + 2, text.end(), [](char c) { return HexDigit(c) >= 0; });
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

std::optional<int> NumberFieldValue(const std::string& text, const NumberField& field)
{
    if (text.empty())
        return 0;
    if (!AcceptNumberText(text, field.hexAllowed) || ClassifyNumberText(text, RangeOf(field)) != NumberTextState::Valid)
        return std::nullopt;
    const bool hex = field.hexAllowed && HasHexPrefix(text);
    return static_cast<int>(DigitsValue(hex ? text.substr(2) : text, hex ? 16 : 10));
}

void StoreNumber(int& target, const std::string& text, const NumberField& field)
{
    if (const std::optional<int> value = NumberFieldValue(text, field))
        target = *value;
}

void StoreNumber(double& target, const std::string& text, const NumberField& field)
{
    if (const std::optional<int> value = NumberFieldValue(text, field))
        target = *value;
}

IntegerEntry CheckIntegerEntry(const std::string& text, const std::optional<IntegerRange>& range)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankChar(text[begin]))
        ++begin;
    while (end > begin && IsBlankChar(text[end - 1]))
        --end;
    // from_chars takes no plus sign.
    if (begin < end && text[begin] == '+' && begin + 1 < end && IsAsciiDigit(text[begin + 1]))
        ++begin;
    // A value may be typed in hex as it is shown (View > Hexadecimal).
    const bool hex = HasHexPrefix(text.substr(begin, end - begin));
    if (hex)
        begin += 2;
    int value = 0;
    const auto result = std::from_chars(text.data() + begin, text.data() + end, value, hex ? 16 : 10);
    if (begin == end || result.ec != std::errc() || result.ptr != text.data() + end || (hex && value < 0))
        return {std::nullopt, kNotAnInteger};
    if (range && (value < range->min || value > range->max))
        return {std::nullopt, ReplaceAll(ReplaceAll(kIntegerOutOfRange, "%1", std::to_string(range->min)), "%2",
                                         std::to_string(range->max))};
    return {value, {}};
}
