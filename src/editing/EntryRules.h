#pragma once

#include <optional>
#include <string>

// What the editor's entry fields accept, without widgets.

// A name field holds an LDF identifier: only ASCII letters, digits and
// underscores are kept, and a leading digit becomes "_" ("1abc" -> "_abc").
std::string FilterNameText(const std::string& text);

// The decimal fields accept a text only when the whole of it is one decimal
// number ("2.5", "-1", "1e3", ".5", "3.") no longer than maxLength; a
// trailing comma counts as a point. Returns the text to keep, or nothing
// when the change is refused (blanks, an empty text or a lone sign included).
std::optional<std::string> AcceptDecimalText(std::string text, std::size_t maxLength);

struct IntegerRange {
    int min = 0;
    int max = 0;
};

// A checked integer entry: a value, or the message that tells the user what
// is wrong with the text.
struct IntegerEntry {
    std::optional<int> value;
    std::string message;  // empty when value is set
};

// Blanks around the number are allowed; anything else that is not one
// decimal integer fitting 32 bits is refused, as is a value outside range.
IntegerEntry CheckIntegerEntry(const std::string& text, const std::optional<IntegerRange>& range);
