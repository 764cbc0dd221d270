#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where the statements of an LDF text stand: each statement ("word ... ;")
// and each block ("head { ... }") with its tokens and, for a block, the
// statements inside it. Only positions into the text are kept, never
// copies. The same layout is made of a file's own text and of the writer's
// text, so that the two can be matched statement by statement.
// Positions in a text; texts beyond kMaxLayoutText characters are not laid out.
using TextPosition = std::uint32_t;
constexpr std::size_t kMaxLayoutText = UINT32_MAX;

struct TextSpan {
    TextPosition begin = 0;
    TextPosition end = 0;  // one past the last character
};

struct StatementSpan {
    // The comment lines just before the statement, attached to it: equal to
    // begin when nothing but blank lines stands between it and the statement
    // before it, or when it shares its line with that statement.
    TextPosition leadingBegin = 0;
    TextPosition begin = 0;        // the first character of its first token
    TextPosition end = 0;          // one past its ';', its '}', or its last token
    TextPosition trailingEnd = 0;  // one past a comment after it on its last line, else end
    bool isBlock = false;
    TextPosition openBrace = 0;    // a block's '{'
    std::vector<TextSpan> tokens;  // a statement's tokens up to its ';'; a block's head before '{'
    std::vector<StatementSpan> children;
};

// The top level of a text (at most kMaxLayoutText characters): the header statements and the sections.
// Unbalanced text never fails: a '}' without its block is a statement of its
// own, and blocks still open at the end close there.
StatementSpan ReadStatementLayout(const std::string& text);

// The text of a token.
inline std::string TokenText(const std::string& text, const TextSpan& token)
{
    return text.substr(token.begin, token.end - token.begin);
}
