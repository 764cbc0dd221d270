#include "editing/EntryRules.h"

#include <charconv>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kNotAnInteger = "Geben Sie bitte eine ganze Zahl ein.";
const char* const kIntegerOutOfRange = "Geben Sie bitte eine ganze Zahl zwischen %1 und %2 ein.";

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
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

}  // namespace

std::string FilterNameText(const std::string& text)
{
    std::string name;
    for (char c : text)
        if (IsAsciiDigit(c) || IsAsciiLetter(c) || c == '_')
            name += c;
    if (!name.empty() && IsAsciiDigit(name.front()))
        name.front() = '_';
    return name;
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
