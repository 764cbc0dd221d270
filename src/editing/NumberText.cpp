#include "editing/NumberText.h"

#include <array>
#include <charconv>

std::string FormatFixed(double value, int decimals)
{
    // Room for the largest double written out in full.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};
    return std::string(buffer.data(), result.ptr);
}

std::vector<std::string> NumberChoices(int first, int last, int step)
{
    std::vector<std::string> choices;
    for (int value = first; step > 0 && value <= last; value += step)
        choices.push_back(std::to_string(value));
    return choices;
}
