#pragma once

#include <optional>
#include <string>

// What the editor's entry fields accept, without widgets.

// A name field after the user typed or pasted into it, with the caret.
struct NameFieldText {
    std::string text;
    std::size_t caret = 0;
};

// A name field holds an LDF identifier. Of what an edit inserted (the text
// between what before and after share at both ends) only ASCII letters,
// digits and underscores are kept, and a digit typed first becomes "_"
// ("1abc" -> "_abc"); the characters that were there stay as they were
// ("Tür-1" + "x" is "Tür-1x"). An edit that leaves a digit first puts "_"
// before it. Texts are UTF-8.
NameFieldText FilterNameEdit(const std::string& before, const std::string& after);

// The decimal fields accept a text only when the whole of it is one decimal
// number ("2.5", "-1", "1e3", ".5", "3.") no longer than maxLength; a
// trailing comma counts as a point. Returns the text to keep, or nothing
// when the change is refused (blanks, an empty text or a lone sign included).
std::optional<std::string> AcceptDecimalText(std::string text, std::size_t maxLength);

// The values a number field takes, as its page shows them: what is typed
// outside them is never stored as some other number.
struct NumberRange {
    double min = 0;
    double max = 0;
    bool hexAllowed = false;  // "0x.." besides decimal, as the file writes ids
    bool fraction = false;    // decimals and exponents; otherwise whole numbers
};

// How a field's text stands: Refused when it holds a character that no
// number of the field can hold there (the field does not take it as typed),
// Incomplete when it can still become one ("-", "0x", "1e"), OutOfRange
// for a number outside the range. An empty text is Valid: the forms give
// it its meaning.
enum class NumberTextState { Refused, Incomplete, OutOfRange, Valid };
NumberTextState ClassifyNumberText(const std::string& text, const NumberRange& range);

// "0 to 32766", "0 to 255 or 0x0 to 0xFF", "0 or more", "any number".
std::string RangeText(const NumberRange& range);

// Why OK cannot store the text; empty when it can.
std::string NumberTextProblem(const std::string& text, const NumberRange& range);

// A whole-number field of a form: the values it stores, and whether it
// takes hexadecimal "0x.." as the file does.
struct NumberField {
    int max = 0;
    bool hexAllowed = false;
    int min = 0;
};

NumberRange RangeOf(const NumberField& field);

// Whether a number field may hold the text: digits only, or, where hex is
// allowed, "0x" followed by hex digits ("0x" alone, so that it can be typed).
bool AcceptNumberText(const std::string& text, bool hexAllowed);

// The value a number field stores: empty text is 0; a text that is no
// number of the field's range gives nothing rather than another number
// ("12.5" is not 125, 256 is no byte 255).
std::optional<int> NumberFieldValue(const std::string& text, const NumberField& field);

// Writes the field's value into target; a refused text leaves it as it was.
void StoreNumber(int& target, const std::string& text, const NumberField& field);
// The same for a time kept with its fraction: a time the field shows with a
// fraction (12.5) is a text the field refuses, so it stays as it was.
void StoreNumber(double& target, const std::string& text, const NumberField& field);

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
