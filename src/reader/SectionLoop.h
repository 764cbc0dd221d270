#pragma once

#include "reader/TextScanner.h"

#include <algorithm>
#include <string>

// Shown to users verbatim and matched by tests; keep the spelling.
namespace msg {
inline constexpr const char* GarbageInBlock = "Garbage at the end of the block";
inline constexpr const char* FalseParameters = "False paramters";
inline constexpr const char* NoArgument = "No argument recognized";
inline constexpr const char* NoLineEnd = "No line end recognized";
inline constexpr const char* AssignmentFalse = "Assignment false";
inline constexpr const char* NoDoublePoint = "No double point";
inline constexpr const char* OpenBracketMissing = "Bracket '{' not here";
inline constexpr const char* CloseBracketMissing = "Bracket '}' not here";
inline constexpr const char* WrongKeyword = "Wrong keyword";
inline constexpr const char* SignalAlreadyHere = "Signal already here";
inline constexpr const char* NodeDoubled = "Node obviously doubled";
inline constexpr const char* NotContiguous = "Key-Word / Parameter wrong (spaces)";
}  // namespace msg

// The loop that every section parser runs over its block: comments and
// separators are passed over, every other character goes to onChar, which
// may move the position on (for instance to the end of a statement). Stops
// on the '}' that closes the block or at the end of the text. A pending text
// left when the block ends is reported as garbage.
template <typename OnChar>
void RunSectionLoop(TextScanner& scanner, int& pos, std::string& pending, OnChar onChar)
{
    const int length = static_cast<int>(scanner.fileText.size());
    while (pos >= 0 && pos < length && scanner.fileText[static_cast<std::size_t>(pos)] != '}') {
        if (!scanner.SkipCommentAt(pos) && pos < length)
            onChar(scanner.fileText[static_cast<std::size_t>(pos)]);
        ++pos;
    }
    pos = std::min(pos, length);
    if (!pending.empty()) {
        scanner.AddMessage(msg::GarbageInBlock, pos);
        pending.clear();
    }
}

// The common loop for sections whose statements end their first part with a
// delimiter (':', '{', ','): every other character is collected into pending,
// and onDelimiter runs with the position on the delimiter.
template <typename OnDelimiter>
void RunDelimitedLoop(TextScanner& scanner, int& pos, std::string& pending, char delimiter, OnDelimiter onDelimiter)
{
    RunSectionLoop(scanner, pos, pending, [&](char c) {
        if (c == delimiter)
            onDelimiter();
        else
            pending += c;
    });
}

// True when a value that a reader collected up to its terminator (the
// position rests on it) is not empty and stands in the text without blanks
// inside; the contiguity check reports the blanks.
inline bool IsWholeValue(TextScanner& scanner, const std::string& value, int terminatorPos)
{
    return !value.empty() && scanner.CheckContiguous(terminatorPos - 1, value);
}

// From the '{' at the position, moves to the '}' that balances it, counting
// nested braces; false, with the position at the end, when the text ends
// first. The block's content is not read.
inline bool PassOverBlock(const std::string& text, int& pos)
{
    const int length = static_cast<int>(text.size());
    int depth = 0;
    for (pos = std::max(pos, 0); pos < length; ++pos) {
        const char c = text[static_cast<std::size_t>(pos)];
        if (c == '{')
            ++depth;
        else if (c == '}' && --depth <= 0)
            return true;
    }
    return false;
}
