#include "writer/LayoutKeepingWriter.h"

#include "ldf/HexPrefix.h"
#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "writer/LdfWriter.h"
#include "writer/StatementLayout.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <new>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Token lists longer than this are not lined up token by token (the work is
// quadratic); such a statement is written in the writer's form.
constexpr std::size_t kMaxAlignedTokens = 1000;

struct Edit {
    std::size_t begin;
    std::size_t end;
    std::string text;
};

// A statement's text in one of the three texts.
struct Source {
    const std::string& text;
    const StatementSpan& root;
};

std::string_view Slice(const std::string& text, std::size_t begin, std::size_t end)
{
    return std::string_view(text).substr(begin, end - begin);
}

std::string_view Whole(const std::string& text, const StatementSpan& statement)
{
    return Slice(text, statement.begin, statement.end);
}

// The first word of a statement; the section of representations has two
// spellings, and the writer's may differ from the file's.
std::string_view FirstWord(const std::string& text, const StatementSpan& statement)
{
    if (statement.tokens.empty())
        return "{";
    const std::string_view word = Slice(text, statement.tokens.front().begin, statement.tokens.front().end);
    return word == kw::SignalRepresentations ? std::string_view(kw::SignalRepresentation) : word;
}

// The name a statement is found by among its siblings: its first word and
// how many siblings before it began with the same one.
struct StatementKey {
    std::string_view word;
    int count;

    bool operator==(const StatementKey& other) const { return count == other.count && word == other.word; }
};

struct StatementKeyHash {
    std::size_t operator()(const StatementKey& key) const
    {
        return std::hash<std::string_view>()(key.word) * 31 + static_cast<std::size_t>(key.count);
    }
};

std::vector<StatementKey> Keys(const std::string& text, const std::vector<StatementSpan>& statements)
{
    std::unordered_map<std::string_view, int> seen;
    std::vector<StatementKey> keys;
    keys.reserve(statements.size());
    for (const StatementSpan& statement : statements) {
        const std::string_view first = FirstWord(text, statement);
        keys.push_back({first, seen[first]++});
    }
    return keys;
}

// A number as the file may write it: decimal, with a fraction, or
// hexadecimal with 0x.
bool ParseNumber(std::string_view text, double& value)
{
    if (IsHexNumber(text)) {
        unsigned long long integer = 0;
        const auto result = std::from_chars(text.data() + 2, text.data() + text.size(), integer, 16);
        value = static_cast<double>(integer);
        return result.ec == std::errc() && result.ptr == text.data() + text.size();
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool SameNumber(std::string_view a, std::string_view b)
{
    double x = 0;
    double y = 0;
    return ParseNumber(a, x) && ParseNumber(b, y) && x == y;
}

std::string LineEndOf(const std::string& text)
{
    const std::size_t lf = text.find('\n');
    return lf != std::string::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

std::size_t LineStartOf(const std::string& text, std::size_t pos)
{
    while (pos > 0 && text[pos - 1] != '\n' && text[pos - 1] != '\r')
        --pos;
    return pos;
}

// The spaces and tabs before a statement when it opens its line.
std::string IndentOf(const std::string& text, std::size_t begin)
{
    const std::size_t lineStart = LineStartOf(text, begin);
    const std::string_view before = Slice(text, lineStart, begin);
    if (before.find_first_not_of(" \t") != std::string_view::npos)
        return {};
    return std::string(before);
}

class LayoutMerger {
public:
    LayoutMerger(const std::string& original, const std::string& asRead, const std::string& now)
        : m_original(original), m_asRead(asRead), m_now(now), m_lineEnd(LineEndOf(original))
    {
    }

    std::string Merge()
    {
        if (m_asRead == m_now)
            return m_original;
        if (std::max({m_original.size(), m_asRead.size(), m_now.size()}) > kMaxLayoutText)
            return m_now;
        const StatementSpan original = ReadStatementLayout(m_original);
        const StatementSpan asRead = ReadStatementLayout(m_asRead);
        const StatementSpan now = ReadStatementLayout(m_now);
        MergeChildren(original, asRead, now, true);
        return Applied();
    }

private:
    // Lines up the statements of one block in the three texts and records
    // the edits that turn the original's into the present ones.
    void MergeChildren(const StatementSpan& original, const StatementSpan& asRead, const StatementSpan& now, bool root)
    {
        const std::vector<StatementKey> originalKeys = Keys(m_original, original.children);
        const std::vector<StatementKey> readKeys = Keys(m_asRead, asRead.children);
        const std::vector<StatementKey> nowKeys = Keys(m_now, now.children);
        std::unordered_map<StatementKey, std::size_t, StatementKeyHash> originalByKey;
        for (std::size_t i = 0; i < originalKeys.size(); ++i)
            originalByKey.emplace(originalKeys[i], i);
        std::unordered_map<StatementKey, std::size_t, StatementKeyHash> readByKey;
        for (std::size_t i = 0; i < readKeys.size(); ++i)
            readByKey.emplace(readKeys[i], i);

        // Pairs by name first; what is left pairs in order (a renamed
        // statement), and the rest was added or removed.
        constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        std::vector<std::size_t> readOfNow(now.children.size(), kNone);
        std::vector<bool> readPaired(asRead.children.size(), false);
        for (std::size_t i = 0; i < nowKeys.size(); ++i) {
            const auto found = readByKey.find(nowKeys[i]);
            if (found != readByKey.end() && !readPaired[found->second]) {
                readOfNow[i] = found->second;
                readPaired[found->second] = true;
            }
        }
        // A statement whose own name changed is known by the rest of it.
        std::unordered_map<std::string_view, std::size_t> readByTail;
        for (std::size_t i = 0; i < readKeys.size(); ++i)
            if (!readPaired[i])
                readByTail.emplace(Tail(m_asRead, asRead.children[i]), i);
        for (std::size_t i = 0; i < nowKeys.size() && !readByTail.empty(); ++i) {
            if (readOfNow[i] != kNone)
                continue;
            const auto found = readByTail.find(Tail(m_now, now.children[i]));
            if (found != readByTail.end() && !readPaired[found->second]) {
                readOfNow[i] = found->second;
                readPaired[found->second] = true;
            }
        }
        std::size_t nextRead = 0;
        for (std::size_t i = 0; i < nowKeys.size(); ++i) {
            if (readOfNow[i] != kNone)
                continue;
            while (nextRead < readPaired.size() && readPaired[nextRead])
                ++nextRead;
            if (nextRead < readPaired.size() && asRead.children[nextRead].isBlock == now.children[i].isBlock) {
                readOfNow[i] = nextRead;
                readPaired[nextRead] = true;
            }
        }

        auto originalOf = [&](std::size_t read) -> const StatementSpan* {
            const auto found = originalByKey.find(readKeys[read]);
            return found == originalByKey.end() ? nullptr : &original.children[found->second];
        };

        for (std::size_t read = 0; read < asRead.children.size(); ++read)
            if (!readPaired[read])
                if (const StatementSpan* gone = originalOf(read))
                    Remove(*gone);

        const StatementSpan* previous = nullptr;  // in the original
        for (std::size_t i = 0; i < now.children.size(); ++i) {
            const StatementSpan& present = now.children[i];
            const StatementSpan* kept = readOfNow[i] != kNone ? originalOf(readOfNow[i]) : nullptr;
            if (kept) {
                const StatementSpan& read = asRead.children[readOfNow[i]];
                if (Whole(m_asRead, read) != Whole(m_now, present))
                    Change(*kept, read, present);
                previous = kept;
                continue;
            }
            // The file did not have what the writer has by default, and it
            // still has its default: nothing to add.
            if (readOfNow[i] != kNone && Whole(m_asRead, asRead.children[readOfNow[i]]) == Whole(m_now, present))
                continue;
            const bool paragraph = i > 0 && BlankLineBetween(now.children[i - 1].end, present.begin);
            Insert(original, previous, present, paragraph || (root && present.isBlock), root);
        }
    }

    // A statement without its first token.
    static std::string_view Tail(const std::string& text, const StatementSpan& statement)
    {
        const std::size_t begin = statement.tokens.size() > 1 ? statement.tokens[1].begin : statement.begin;
        return Slice(text, begin, statement.end);
    }

    bool BlankLineBetween(std::size_t end, std::size_t begin) const
    {
        return std::count(m_now.begin() + end, m_now.begin() + begin, '\n') > 1;
    }

    void Change(const StatementSpan& original, const StatementSpan& asRead, const StatementSpan& now)
    {
        if (original.isBlock != now.isBlock || asRead.isBlock != now.isBlock) {
            Replace(original, now);
            return;
        }
        if (!now.isBlock) {
            MergeTokens(original, asRead, now);
            return;
        }
        if (HeadText(m_asRead, asRead) != HeadText(m_now, now))
            MergeTokens(original, asRead, now);
        MergeChildren(original, asRead, now, false);
    }

    static std::string_view HeadText(const std::string& text, const StatementSpan& block)
    {
        return Slice(text, block.begin, block.openBrace);
    }

    // The present tokens in the original text: a token that did not change
    // keeps its original form (a number its base and digits), a token that
    // took another's place takes its place, and the space and comments
    // between two neighbours of the original stay; the rest comes in the
    // writer's form. Comments the original had elsewhere in it go on their
    // own lines before it.
    void MergeTokens(const StatementSpan& original, const StatementSpan& asRead, const StatementSpan& now)
    {
        const auto& o = original.tokens;
        const auto& r = asRead.tokens;
        const auto& n = now.tokens;
        if (o.empty() || n.empty() || o.size() > kMaxAlignedTokens || r.size() > kMaxAlignedTokens ||
            n.size() > kMaxAlignedTokens) {
            const std::size_t end = original.isBlock ? (o.empty() ? original.begin : o.back().end) : original.end;
            const std::size_t nowEnd = now.isBlock ? (n.empty() ? now.begin : n.back().end) : now.end;
            Replace(original.begin, end, Slice(m_now, now.begin, nowEnd), IndentOf(m_now, now.begin));
            return;
        }
        const std::vector<std::size_t> originalOfRead = CommonTokens(m_original, o, m_asRead, r, true);
        std::vector<std::size_t> readOfNow = CommonTokens(m_asRead, r, m_now, n, false);
        std::vector<bool> same(n.size(), false);
        for (std::size_t j = 0; j < n.size(); ++j)
            same[j] = readOfNow[j] != kUnmatched;
        AddSubstitutions(readOfNow, r.size());
        std::vector<std::size_t> originalOfNow(n.size(), kUnmatched);
        for (std::size_t j = 0; j < n.size(); ++j)
            if (readOfNow[j] != kUnmatched)
                originalOfNow[j] = originalOfRead[readOfNow[j]];

        std::string merged;
        std::vector<bool> gapKept(o.size(), false);  // the space before each original token
        for (std::size_t j = 0; j < n.size(); ++j) {
            const std::size_t k = originalOfNow[j];
            if (j > 0) {
                const std::size_t before = originalOfNow[j - 1];
                if (before != kUnmatched && k != kUnmatched && k == before + 1) {
                    merged += Slice(m_original, o[before].end, o[k].begin);
                    gapKept[k] = true;
                } else {
                    merged += Converted(Slice(m_now, n[j - 1].end, n[j].begin));
                }
            }
            merged += same[j] && k != kUnmatched ? Slice(m_original, o[k].begin, o[k].end)
                                                 : Slice(m_now, n[j].begin, n[j].end);
        }
        const std::string indent = IndentOf(m_original, o.front().begin);
        std::string comments;
        for (std::size_t k = 1; k < o.size(); ++k)
            if (!gapKept[k])
                for (const std::string& comment : CommentsInside(o[k - 1].end, o[k].begin))
                    comments += comment + m_lineEnd + indent;
        m_edits.push_back({o.front().begin, o.back().end, comments + merged});
    }

    // Between two lined-up tokens, as many tokens gone as came: each new one
    // took the place of the old one there.
    static void AddSubstitutions(std::vector<std::size_t>& match, std::size_t readCount)
    {
        std::size_t previousRead = 0;  // one past the last lined-up token of asRead
        std::size_t j = 0;
        while (j < match.size()) {
            if (match[j] != kUnmatched) {
                previousRead = match[j] + 1;
                ++j;
                continue;
            }
            std::size_t runEnd = j;
            while (runEnd < match.size() && match[runEnd] == kUnmatched)
                ++runEnd;
            const std::size_t nextRead = runEnd < match.size() ? match[runEnd] : readCount;
            if (nextRead - previousRead == runEnd - j)
                for (std::size_t k = j; k < runEnd; ++k)
                    match[k] = previousRead + (k - j);
            j = runEnd;
        }
    }

    static constexpr std::size_t kUnmatched = static_cast<std::size_t>(-1);

    // For each token of the second list, the token of the first it is taken
    // to be (a longest common subsequence), or kUnmatched. Tokens are the
    // same when their texts are, or, byValue, when they are equal numbers.
    std::vector<std::size_t> CommonTokens(const std::string& firstText, const std::vector<TextSpan>& first,
                                          const std::string& secondText, const std::vector<TextSpan>& second,
                                          bool byValue) const
    {
        auto same = [&](std::size_t i, std::size_t j) {
            const std::string_view a = Slice(firstText, first[i].begin, first[i].end);
            const std::string_view b = Slice(secondText, second[j].begin, second[j].end);
            return a == b || (byValue && SameNumber(a, b));
        };
        const std::size_t rows = first.size();
        const std::size_t columns = second.size();
        std::vector<std::uint32_t> length((rows + 1) * (columns + 1), 0);
        auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return length[i * (columns + 1) + j]; };
        for (std::size_t i = rows; i-- > 0;)
            for (std::size_t j = columns; j-- > 0;)
                at(i, j) = same(i, j) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        std::vector<std::size_t> match(columns, kUnmatched);
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < rows && j < columns) {
            if (same(i, j)) {
                match[j++] = i++;
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
        return match;
    }

    // The statement in the writer's form where the original stood; comments
    // inside the original statement go on their own lines before it.
    void Replace(const StatementSpan& original, const StatementSpan& now)
    {
        Replace(original.begin, original.end, Whole(m_now, now), IndentOf(m_now, now.begin));
    }

    void Replace(std::size_t begin, std::size_t end, std::string_view writerText, const std::string& writerIndent)
    {
        const std::string indent = IndentOf(m_original, begin);
        std::string text;
        for (const std::string& comment : CommentsInside(begin, end))
            text += comment + m_lineEnd + indent;
        text += Reindented(writerText, writerIndent, indent);
        m_edits.push_back({begin, end, text});
    }

    std::vector<std::string> CommentsInside(std::size_t begin, std::size_t end) const
    {
        std::vector<std::string> comments;
        std::size_t pos = begin;
        while (pos < end) {
            const char c = m_original[pos];
            if (c == '"') {
                const std::size_t close = m_original.find('"', pos + 1);
                pos = close == std::string::npos ? end : close + 1;
            } else if (m_original.compare(pos, 2, "//") == 0) {
                const std::size_t lineEnd = m_original.find_first_of("\r\n", pos);
                const std::size_t commentEnd =
                    std::min(lineEnd == std::string::npos ? m_original.size() : lineEnd, end);
                comments.emplace_back(Slice(m_original, pos, commentEnd));
                pos = commentEnd;
            } else if (m_original.compare(pos, 2, "/*") == 0) {
                const std::size_t close = m_original.find("*/", pos + 2);
                const std::size_t commentEnd =
                    std::min(close == std::string::npos ? m_original.size() : close + 2, end);
                comments.emplace_back(Slice(m_original, pos, commentEnd));
                pos = commentEnd;
            } else {
                ++pos;
            }
        }
        return comments;
    }

    // The writer's text of a statement, its lines after the first indented
    // by indent instead of the writer's own indentation, with the
    // original's line ends.
    std::string Reindented(std::string_view writerText, const std::string& writerIndent,
                           const std::string& indent) const
    {
        std::string text;
        std::size_t pos = 0;
        while (true) {
            const std::size_t lineEnd = writerText.find('\n', pos);
            if (lineEnd == std::string_view::npos) {
                text += writerText.substr(pos);
                return text;
            }
            text += writerText.substr(pos, lineEnd - pos);
            text += m_lineEnd;
            pos = lineEnd + 1;
            if (writerText.substr(pos, writerIndent.size()) == writerIndent)
                pos += writerIndent.size();
            text += indent;
        }
    }

    std::string Converted(std::string_view writerText) const
    {
        std::string text;
        for (char c : writerText) {
            if (c == '\n')
                text += m_lineEnd;
            else
                text += c;
        }
        return text;
    }

    // A new statement after previous (its sibling in the original), else
    // first in the block; indented as previous, or one step into the block.
    void Insert(const StatementSpan& block, const StatementSpan* previous, const StatementSpan& now, bool paragraph,
                bool root)
    {
        std::string indent;
        std::size_t at = 0;
        if (previous) {
            indent = IndentOf(m_original, previous->begin);
            at = previous->trailingEnd;
        } else if (!block.children.empty()) {
            indent = IndentOf(m_original, block.children.front().begin);
            at = root ? block.children.front().leadingBegin : block.openBrace + 1;
        } else {
            indent = root ? std::string() : IndentOf(m_original, block.begin) + '\t';
            at = root ? m_original.size() : block.openBrace + 1;
        }
        std::string text = Reindented(Whole(m_now, now), IndentOf(m_now, now.begin), indent);
        if (root && !previous && !block.children.empty()) {
            m_edits.push_back({at, at, text + m_lineEnd + (paragraph ? m_lineEnd : std::string())});
            return;
        }
        m_edits.push_back({at, at, m_lineEnd + (paragraph ? m_lineEnd : std::string()) + indent + text});
    }

    // The statement goes with its attached comments and, when it has its
    // lines to itself, with those lines.
    void Remove(const StatementSpan& statement)
    {
        std::size_t begin = statement.leadingBegin;
        std::size_t end = statement.trailingEnd;
        const std::size_t lineStart = LineStartOf(m_original, begin);
        const bool ownsStart = Slice(m_original, lineStart, begin).find_first_not_of(" \t") == std::string_view::npos;
        std::size_t lineEnd = end;
        while (lineEnd < m_original.size() && (m_original[lineEnd] == ' ' || m_original[lineEnd] == '\t'))
            ++lineEnd;
        const bool ownsEnd = lineEnd == m_original.size() || m_original[lineEnd] == '\r' || m_original[lineEnd] == '\n';
        if (ownsStart && ownsEnd) {
            begin = lineStart;
            end = lineEnd;
            if (m_original.compare(end, 2, "\r\n") == 0)
                end += 2;
            else if (end < m_original.size())
                ++end;
        }
        m_edits.push_back({begin, end, std::string()});
    }

    // The original with the edits made, in text order; an edit that
    // overlaps one before it is dropped rather than garble the text.
    std::string Applied()
    {
        std::stable_sort(m_edits.begin(), m_edits.end(), [](const Edit& a, const Edit& b) {
            // An insertion goes before a removal that starts where it stands.
            return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
        });
        std::string text;
        text.reserve(m_original.size());
        std::size_t pos = 0;
        for (const Edit& edit : m_edits) {
            if (edit.begin < pos)
                continue;
            text += Slice(m_original, pos, edit.begin);
            text += edit.text;
            pos = edit.end;
        }
        text += Slice(m_original, pos, m_original.size());
        return text;
    }

    const std::string& m_original;
    const std::string& m_asRead;
    const std::string& m_now;
    const std::string m_lineEnd;
    std::vector<Edit> m_edits;
};

}  // namespace

std::string WriteKeepingLayout(const std::string& originalText, const std::string& writtenAsRead,
                               const std::string& writtenNow)
{
    // The layouts take some hundred bytes per statement: a file of millions
    // of one-character statements may not fit, and then loses its layout
    // rather than its content.
    try {
        return LayoutMerger(originalText, writtenAsRead, writtenNow).Merge();
    } catch (const std::bad_alloc&) {
        return writtenNow;
    }
}

std::string BuildLayoutKeptText(const LinNetwork& network, const std::string& writtenAsRead)
{
    return WriteKeepingLayout(network.fileText, writtenAsRead, network.BuildCompleteLdfText());
}

std::string SavedLdfText(const LinNetwork& network, const std::string& layoutText, const std::string& writtenAsRead,
                         bool standardLayout)
{
    if (standardLayout || layoutText.empty())
        return ToCrLfLineEnds(network.BuildLdfText());
    return WriteKeepingLayout(layoutText, writtenAsRead, network.BuildCompleteLdfText());
}
