#include "ldf/LineEnds.h"

std::string ToCrLfLineEnds(const std::string& text)
{
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            converted += '\r';
        converted += text[i];
    }
    return converted;
}

std::string ToLfLineEnds(const std::string& text)
{
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '\r') {
            converted += text[i++];
            continue;
        }
        const std::size_t runEnd = text.find_first_not_of('\r', i);
        const bool endsLine = runEnd != std::string::npos && text[runEnd] == '\n';
        if (!endsLine)
            converted.append(text, i, (runEnd == std::string::npos ? text.size() : runEnd) - i);
        i = runEnd == std::string::npos ? text.size() : runEnd;
    }
    return converted;
}
