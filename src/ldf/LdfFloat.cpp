#include "ldf/LdfFloat.h"

#include "ldf/TextScanner.h"

#include <charconv>
#include <cmath>

namespace {

// Enough decimals to tell any two floats apart, also the smallest ones.
constexpr int kMaxDecimals = 60;

// The reader converts a decimal text to double and keeps it as the field's type.
template <typename Number> bool ReadsBackAs(const std::string& text, Number value)
{
    return static_cast<Number>(ParseDouble(text)) == value;
}

// Fixed notation with the given decimals; the shortest exact one when negative.
template <typename Number> std::string FixedText(Number value, int decimals)
{
    char buffer[512];  // the longest shortest-exact double text has some 330 characters
    char* const end = buffer + sizeof buffer;
    const auto result = decimals < 0 ? std::to_chars(buffer, end, value, std::chars_format::fixed)
                                     : std::to_chars(buffer, end, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

template <typename Number> std::string FormatLdfNumber(Number value)
{
    const std::string twoDecimals = FixedText(value, 2);
    if (!std::isfinite(value) || ReadsBackAs(twoDecimals, value))
        return twoDecimals;
    // The shortest text reads back through its own type directly; a float
    // read through double may round the other way in rare cases, which more
    // decimals settle.
    std::string text = FixedText(value, -1);
    for (int decimals = 3; !ReadsBackAs(text, value) && decimals <= kMaxDecimals; ++decimals)
        text = FixedText(value, decimals);
    return text;
}

}  // namespace

std::string FormatLdfFloat(float value) { return FormatLdfNumber(value); }

std::string FormatLdfFloat(double value) { return FormatLdfNumber(value); }

std::string FormatShortestNumber(double value)
{
    // Most numbers are whole (times in ms); below 1e9 the shortest text of
    // one is its integer's digits, which print several times faster. -0
    // keeps its sign.
    constexpr double kWholeBelow = 1e9;
    if (std::fabs(value) < kWholeBelow && value == std::trunc(value) && !(value == 0 && std::signbit(value)))
        return std::to_string(static_cast<long>(value));
    return FixedText(value, -1);
}
