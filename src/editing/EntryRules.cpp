#include "editing/EntryRules.h"

#include "ldf/TextScanner.h"

#include <algorithm>
#include <charconv>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kNotAnInteger = "Geben Sie bitte eine ganze Zahl ein.";
const char* const kIntegerOutOfRange = "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.";

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

bool HasHexPrefix(const std::string& text)
{
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

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

bool AcceptNumberText(const std::string& text, bool hexAllowed)
{
    if (hexAllowed && HasHexPrefix(text))
        return std::all_of(text.begin() + 2, text.end(), [](char c) { return HexDigit(c) >= 0; });
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

std::optional<int> NumberFieldValue(const std::string& text, const NumberField& field)
{
    if (!AcceptNumberText(text, field.hexAllowed))
        return std::nullopt;
    const bool hex = field.hexAllowed && HasHexPrefix(text);
    const long long base = hex ? 16 : 10;
    const long long max = std::max(field.max, 0);
    long long value = 0;
    for (std::size_t i = hex ? 2 : 0; i < text.size(); ++i)
        value = std::min(value * base + HexDigit(text[i]), max);
    return static_cast<int>(value);
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
    int value = 0;
    const auto result = std::from_chars(text.data() + begin, text.data() + end, value);
    if (begin == end || result.ec != std::errc() || result.ptr != text.data() + end)
        return {std::nullopt, kNotAnInteger};
    if (range && (value < range->min || value > range->max))
        return {std::nullopt, ReplaceAll(ReplaceAll(kIntegerOutOfRange, "%1", std::to_string(range->min)), "%2",
                                         std::to_string(range->max))};
    return {value, {}};
}
