#include "reader/UnreadKeeper.h"

#include "model/UnreadPlaces.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

bool EndsOpen(const std::string& statement)
{
    return statement.empty() || (statement.back() != ';' && statement.back() != '}');
}

}  // namespace

UnreadKeeper::UnreadKeeper(TextScanner& scanner, UnreadStatements& kept, Ends ends,
                           std::function<std::size_t()> position, std::function<void(std::size_t)> giveBack)
    : m_scanner(scanner), m_kept(kept), m_ends(ends), m_position(std::move(position)), m_giveBack(std::move(giveBack))
{
}

bool UnreadKeeper::KeepIfUnread(int& pos, std::string& pending) { return KeepIfUnread(pos, pending, RecordsRead()); }

bool UnreadKeeper::KeepIfUnread(int& pos, std::string& pending, std::size_t recordsBefore)
{
    if (m_start < 0 || m_start > pos)
        return false;
    const int end = StatementEnd();
    if (end == kUnclosed || end <= pos)
        return false;
    if (m_giveBack && RecordsRead() > recordsBefore)
        m_giveBack(recordsBefore);
    Keep(pos, pending);
    return true;
}

bool UnreadKeeper::EndsElsewhere(int pos) const
{
    if (m_start < 0 || m_start > pos)
        return false;
    const int end = StatementEnd();
    return end != kUnclosed && end != pos;
}

void UnreadKeeper::Keep(int& pos, std::string& pending)
{
    if (m_start < 0 || m_start > pos)
        return;
    // A statement the text ends inside is not kept: written back into its
    // block, its open brace would take the block's end.
    const int end = StatementEnd();
    if (end == kUnclosed)
        return;
    pending.clear();
    // A reading that failed past the statement's end gives that text back:
    // the statement costs only itself.
    pos = end;
    KeepText(pos);
}

void UnreadKeeper::KeepInBlock(int blockEnd, std::string& pending)
{
    if (m_start < 0 || StatementEnd() >= blockEnd)
        return;
    int last = blockEnd - 1;
    Keep(last, pending);
}

bool UnreadKeeper::EndsWithoutSemicolon() const
{
    if (m_start < 0)
        return false;
    const int end = StatementEnd();
    return end != kUnclosed && m_scanner.fileText[static_cast<std::size_t>(end)] != ';';
}

void UnreadKeeper::NoteStatementEnd(int end)
{
    if (m_start >= 0)
        m_endFound = {m_start, Balanced(end)};
}

int UnreadKeeper::StatementEnd() const
{
    // The parsers ask this of one statement several times; its end is found once.
    if (m_endFound.start != m_start)
        m_endFound = {m_start, ScanStatementEnd()};
    return m_endFound.end;
}

int UnreadKeeper::ScanStatementEnd() const
{
    const std::string& text = m_scanner.fileText;
    const int length = static_cast<int>(text.size());
    int depth = 0;
    for (int pos = m_start;
         (pos = depth > 0 ? m_scanner.NextMarkInsideBraces(pos) : m_scanner.NextStatementMark(pos)) < length; ++pos) {
        const char c = text[static_cast<std::size_t>(pos)];
        const int commentEnd = m_scanner.CommentEnd(pos);
        if (commentEnd >= 0) {
            pos = commentEnd;
        } else if (c == '"') {
            // A quoted text ends on its own line; an unpaired quote is a character.
            const std::size_t close = text.find_first_of("\"\r\n", static_cast<std::size_t>(pos) + 1);
            if (close != std::string::npos && text[close] == '"')
                pos = static_cast<int>(close);
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0)
                return pos - 1;
            if (--depth == 0 && m_ends == Ends::AtSemicolonOrBlock)
                return Balanced(pos);
        } else if (c == ';' && depth == 0) {
            return Balanced(pos);
        }
    }
    return kUnclosed;
}

int UnreadKeeper::Balanced(int end) const
{
    m_scanner.NoteBalancedStatement(m_start, end);
    return end;
}

void UnreadKeeper::KeepText(int last)
{
    const auto start = static_cast<std::size_t>(m_start);
    std::string text = m_scanner.TextWithLfLineEnds(m_start, last);
    while (!text.empty() && IsSeparator(text.back()))
        text.pop_back();
    m_start = -1;
    if (text.empty())
        return;
    m_scanner.AddMessage(msg::StatementNotRead, StatementOnOneLine(text), static_cast<int>(start));
    UnreadStatement kept{text, m_scanner.LineNumber(static_cast<int>(start)), m_position()};
    // A statement that ends in neither ';' nor '}' ended where its block did.
    // One kept after it at the same place (from a later block of the same
    // section) would run into it when written back, and both would read back
    // as something else: it goes before such statements.
    auto place = m_kept.end();
    if (!EndsOpen(kept.text))
        while (place != m_kept.begin() && std::prev(place)->position == kept.position &&
               EndsOpen(std::prev(place)->text))
            --place;
    m_kept.insert(place, std::move(kept));
}
