#pragma once

#include <optional>
#include <string>
#include <vector>

// The base the editor shows ids in (View > Hexadecimal): frame ids, NADs,
// supplier, function and variant ids, message ids and initial values, in
// the lists, the sheets and the pictures. It is one setting for the whole
// editor; the window stores it across starts. Every field reads both forms
// whatever is shown.

enum class NumberBase {
    Decimal,
    Hexadecimal,
};

NumberBase IdDisplayBase();
void SetIdDisplayBase(NumberBase base);

// The value as shown in the given base: "33" or "0x21". Negative values,
// which stand for "not given", stay decimal.
std::string IdText(long long value, NumberBase base);
// The same in the editor's current base.
std::string IdText(long long value);

// A whole number typed as "33" or "0x21" (blanks around it allowed); nothing
// for any other text.
std::optional<long long> ReadIdText(const std::string& text);

// The entries of a list of ids from first to last, in the current base.
std::vector<std::string> IdChoices(int first, int last);
