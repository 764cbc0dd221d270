#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Where the statements of an LDF text stand: each statement ("word ... ;")
// and each block ("head { ... }") with its tokens and, for a block, the
// statements inside it. Only positions into the text are kept, never
// copies. The same layout is made of a file's own text and of the writer's
// text, so that the two can be matched statement by statement.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;  // one past the last character
};

struct StatementSpan {
    // The comment lines just before the statement, attached to it: equal to
    // begin when nothing but blank lines stands between it and the statement
    // before it, or when it shares its line with that statement.
    std::size_t leadingBegin = 0;
    std::size_t begin = 0;        // the first character of its first token
    std::size_t end = 0;          // one past its ';', its '}', or its last token
    std::size_t trailingEnd = 0;  // one past a comment after it on its last line, else end
    bool isBlock = false;
    std::size_t openBrace = 0;     // a block's '{'
    std::vector<TextSpan> tokens;  // a statement's tokens up to its ';'; a block's head before '{'
    std::vector<StatementSpan> children;
};

// The top level of a text: the header statements and the sections.
// Unbalanced text never fails: a '}' without its block is a statement of its
// own, and blocks still open at the end close there.
StatementSpan ReadStatementLayout(const std::string& text);

// The text of a token.
inline std::string TokenText(const std::string& text, const TextSpan& token)
{
    return text.substr(token.begin, token.end - token.begin);
}
