#include "editing/NumberDisplay.h"

#include "ldf/HexPrefix.h"

#include <cctype>
#include <charconv>

namespace {

NumberBase g_idBase = NumberBase::Decimal;

constexpr int kHexBase = 16;
constexpr int kDecimalBase = 10;

std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

}  // namespace

NumberBase IdDisplayBase() { return g_idBase; }

void SetIdDisplayBase(NumberBase base) { g_idBase = base; }

std::string IdText(long long value, NumberBase base)
{
    if (base == NumberBase::Decimal || value < 0)
        return std::to_string(value);
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, kHexBase);
    std::string text(digits, written.ptr);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "0x" + text;
}

std::string IdText(long long value) { return IdText(value, g_idBase); }

std::optional<long long> ReadIdText(const std::string& text)
{
    const std::string number = Trimmed(text);
    const bool hex = IsHexNumber(number);
    const char* first = number.data() + (hex ? 2 : 0);
    const char* last = number.data() + number.size();
    if (first == last || !std::isxdigit(static_cast<unsigned char>(*first)))
        return std::nullopt;
    long long value = 0;
    const auto read = std::from_chars(first, last, value, hex ? kHexBase : kDecimalBase);
    if (read.ec != std::errc() || read.ptr != last)
        return std::nullopt;
    return value;
}

std::vector<std::string> IdChoices(int first, int last)
{
    std::vector<std::string> choices;
    for (int value = first; value <= last; ++value)
        choices.push_back(IdText(value));
    return choices;
}
