// A scan of LDF text down to the statements, with no knowledge of what they
// mean: words, punctuation, strings and comments are told apart and braces
// nest. It is used to find the statements again when a file is saved in its
// own layout, so it never refuses text: what the reader would reject is
// still a statement here.

#include "writer/StatementLayout.h"

#include "ldf/Keywords.h"

#include <cstring>
#include <string_view>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsLineEndChar(char c) { return c == '\r' || c == '\n'; }
bool IsPunctuation(char c) { return std::strchr(",;:{}=", c) != nullptr && c != '\0'; }

class LayoutScanner {
public:
    explicit LayoutScanner(const std::string& text) : m_text(text) {}

    StatementSpan Read()
    {
        StatementSpan root;
        root.isBlock = true;
        root.end = static_cast<TextPosition>(m_text.size());
        root.trailingEnd = root.end;
        // An explicit stack: hostile text may nest braces very deep.
        std::vector<StatementSpan> open;
        open.push_back(root);
        StatementSpan pending;
        std::size_t previousEnd = 0;
        TextSpan token;
        while (NextToken(token)) {
            const char c = m_text[token.begin];
            const bool single = token.end - token.begin == 1;
            if (pending.tokens.empty())
                Start(pending, token, previousEnd);
            if (single && c == '{') {
                pending.isBlock = true;
                pending.openBrace = token.begin;
                open.push_back(std::move(pending));
                pending = StatementSpan();
                previousEnd = token.end;
                continue;
            }
            if (single && c == '}' && open.size() > 1) {
                // A last statement without ';' ends at the brace.
                if (!pending.tokens.empty() && pending.begin != token.begin)
                    Close(open.back(), pending, pending.tokens.back().end, previousEnd);
                pending = std::move(open.back());
                open.pop_back();
                if (open.size() <= kMaxInlineDepth && ContinuesStatement(token.end)) {
                    MakeInline(pending, token.end);
                    continue;
                }
                Close(open.back(), pending, token.end, previousEnd);
                continue;
            }
            pending.tokens.push_back(token);
            if (single && (c == ';' || c == '}'))
                Close(open.back(), pending, token.end, previousEnd);
        }
        if (!pending.tokens.empty())
            Close(open.back(), pending, pending.tokens.back().end, previousEnd);
        while (open.size() > 1) {
            StatementSpan block = std::move(open.back());
            open.pop_back();
            Close(open.back(), block, m_text.size(), previousEnd);
        }
        return std::move(open.front());
    }

private:
    // Braces nested deeper are blocks whatever follows them, so that
    // hostile nesting is not scanned again at every level.
    static constexpr std::size_t kMaxInlineDepth = 16;

    // Braces inside a statement hold values: a byte array's initial value
    // ("{ 1, 2 }, ECU;") and a schedule command's ("AssignNAD { LSM } delay").
    // They are known by what follows them.
    bool ContinuesStatement(std::size_t closeEnd)
    {
        const std::size_t saved = m_pos;
        m_pos = closeEnd;
        TextSpan next;
        const bool found = NextToken(next);
        m_pos = saved;
        if (!found)
            return false;
        const std::string_view word = std::string_view(m_text).substr(next.begin, next.end - next.begin);
        return word == "," || word == ";" || word == kw::Delay;
    }

    // The braces become tokens of the statement they stand in.
    void MakeInline(StatementSpan& statement, std::size_t closeEnd)
    {
        const std::size_t saved = m_pos;
        m_pos = statement.openBrace;
        TextSpan inner;
        while (m_pos < closeEnd && NextToken(inner))
            statement.tokens.push_back(inner);
        m_pos = saved;
        statement.isBlock = false;
        statement.children.clear();
    }

    void Start(StatementSpan& statement, const TextSpan& token, std::size_t previousEnd) const
    {
        statement.begin = token.begin;
        statement.leadingBegin = static_cast<TextPosition>(LeadingBegin(previousEnd, token.begin));
    }

    // Appends the statement to its block, with the comment that follows it
    // on its line; the next statement's comments start after that.
    void Close(StatementSpan& parent, StatementSpan& statement, std::size_t end, std::size_t& previousEnd) const
    {
        statement.end = static_cast<TextPosition>(end);
        statement.trailingEnd = static_cast<TextPosition>(TrailingEnd(end));
        previousEnd = statement.trailingEnd;
        parent.children.push_back(std::move(statement));
        statement = StatementSpan();
    }

    // The start of the comment lines just above the statement's line, up to
    // a blank line or the previous statement's line.
    std::size_t LeadingBegin(std::size_t previousEnd, std::size_t begin) const
    {
        std::size_t lineStart = begin;
        while (lineStart > previousEnd && !IsLineEndChar(m_text[lineStart - 1])) {
            if (!IsSpace(m_text[lineStart - 1]))
                return begin;
            --lineStart;
        }
        if (lineStart == previousEnd && previousEnd != 0)
            return begin;  // shares its line with the statement before it
        std::size_t limit = previousEnd;
        if (previousEnd != 0) {
            while (limit < lineStart && !IsLineEndChar(m_text[limit]))
                ++limit;
            limit += m_text.compare(limit, 2, "\r\n") == 0 ? 2 : 1;
        }
        std::size_t first = lineStart;
        while (first > limit) {
            std::size_t lineEnd = first - 1;
            if (m_text[lineEnd] == '\n' && lineEnd > limit && m_text[lineEnd - 1] == '\r')
                --lineEnd;
            std::size_t lineBegin = lineEnd;
            bool blank = true;
            while (lineBegin > limit && !IsLineEndChar(m_text[lineBegin - 1])) {
                blank = blank && IsSpace(m_text[lineBegin - 1]);
                --lineBegin;
            }
            if (blank)
                break;
            first = lineBegin;
        }
        return first;
    }

    // One past a comment that starts on the statement's last line.
    std::size_t TrailingEnd(std::size_t end) const
    {
        std::size_t pos = end;
        while (pos < m_text.size() && (m_text[pos] == ' ' || m_text[pos] == '\t'))
            ++pos;
        if (m_text.compare(pos, 2, "//") == 0) {
            while (pos < m_text.size() && !IsLineEndChar(m_text[pos]))
                ++pos;
            return pos;
        }
        if (m_text.compare(pos, 2, "/*") == 0) {
            const std::size_t close = m_text.find("*/", pos + 2);
            return close == std::string::npos ? m_text.size() : close + 2;
        }
        return end;
    }

    // The next word, string or punctuation character, past spaces and comments.
    bool NextToken(TextSpan& token)
    {
        std::size_t& pos = m_pos;
        while (pos < m_text.size()) {
            const char c = m_text[pos];
            if (IsSpace(c)) {
                ++pos;
            } else if (m_text.compare(pos, 2, "//") == 0) {
                while (pos < m_text.size() && !IsLineEndChar(m_text[pos]))
                    ++pos;
            } else if (m_text.compare(pos, 2, "/*") == 0) {
                const std::size_t close = m_text.find("*/", pos + 2);
                pos = close == std::string::npos ? m_text.size() : close + 2;
            } else {
                break;
            }
        }
        if (pos >= m_text.size())
            return false;
        token.begin = static_cast<TextPosition>(pos);
        const char c = m_text[pos];
        if (IsPunctuation(c)) {
            ++pos;
        } else if (c == '"') {
            const std::size_t close = m_text.find('"', pos + 1);
            pos = close == std::string::npos ? m_text.size() : close + 1;
        } else {
            while (pos < m_text.size() && !IsSpace(m_text[pos]) && !IsPunctuation(m_text[pos]) && m_text[pos] != '"' &&
                   m_text.compare(pos, 2, "//") != 0 && m_text.compare(pos, 2, "/*") != 0)
                ++pos;
        }
        token.end = static_cast<TextPosition>(pos);
        return true;
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
};

}  // namespace

StatementSpan ReadStatementLayout(const std::string& text) { return LayoutScanner(text).Read(); }
