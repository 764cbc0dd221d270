#include "writer/LdfWriter.h"

#include "reader/TextScanner.h"

#include <charconv>
#include <cmath>

namespace {

// Enough decimals to tell any two floats apart, also the smallest ones.
constexpr int kMaxDecimals = 60;

// The reader converts a decimal text to double and keeps it as a float.
bool ReadsBackAs(const std::string& text, float value) { return static_cast<float>(ParseDouble(text)) == value; }

// Fixed notation with the given decimals; the shortest exact one when negative.
std::string FixedText(float value, int decimals)
{
    char buffer[128];
    char* const end = buffer + sizeof buffer;
    const auto result = decimals < 0 ? std::to_chars(buffer, end, value, std::chars_format::fixed)
                                     : std::to_chars(buffer, end, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

}  // namespace

std::string FormatLdfFloat(float value)
{
    const std::string twoDecimals = FixedText(value, 2);
    if (!std::isfinite(value) || ReadsBackAs(twoDecimals, value))
        return twoDecimals;
    // The shortest text reads back through float directly; through double it
    // may round the other way in rare cases, which more decimals settle.
    std::string text = FixedText(value, -1);
    for (int decimals = 3; !ReadsBackAs(text, value) && decimals <= kMaxDecimals; ++decimals)
        text = FixedText(value, decimals);
    return text;
}

std::string FormatLdfNumber(double value)
{
    char buffer[400];  // room for the longest double in fixed notation
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}
