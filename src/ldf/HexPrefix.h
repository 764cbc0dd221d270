#pragma once

#include <string_view>

// Number texts written in hexadecimal begin with "0x" or "0X".
inline bool HasHexPrefix(std::string_view text)
{
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// A hexadecimal number text: the prefix and something after it.
inline bool IsHexNumber(std::string_view text) { return text.size() > 2 && HasHexPrefix(text); }
