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
