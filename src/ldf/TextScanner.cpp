#include "ldf/TextScanner.h"

#include "ldf/HexPrefix.h"
#include "ldf/LineEnds.h"
#include "ldf/ShortText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kCommentFalse = "Comment false";
const char* const kInvalidSigns = "Invalid signs in expression";
const char* const kWrongFloatFormat = "Wrong format: xxx.xxxx;";
const char* const kExpectFloat = "Expect: xxx.xxx -> Float";
const char* const kNoTicks = "No ticks";
const char* const kCommentNotClosed = "comment not closed";
const char* const kNotFinite = "Number not finite";
const char* const kNumberOutOfRange = "Number out of range";
const char* const kNotANumber = "Not a number";

// An x anywhere makes a number text hexadecimal. Number texts are short and
// many: a plain loop beats a search for either of two characters.
bool HasHexMark(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c == 'x' || c == 'X'; });
}

// The value of a whole number text by the rule of ParseInt, but strict:
// nothing may follow the digits, and a value beyond the 64-bit range comes
// back as that range's bound. None when the text is no number.
std::optional<std::int64_t> WholeNumber(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    std::size_t i = 0;
    while (i < end && IsBlank(text[i]))
        ++i;
    if (i == end)
        return std::nullopt;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const bool hex = HasHexMark(text);
    if (hex && !HasHexPrefix(std::string_view(text).substr(i)))
        return std::nullopt;
    if (hex)
        i += 2;
    if (i >= end)
        return std::nullopt;
    constexpr std::int64_t kBeyond = std::int64_t{1} << 40;  // far past every field
    std::int64_t value = 0;
    for (; i < end; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || digit >= (hex ? 16 : 10))
            return std::nullopt;
        value = std::min(value * (hex ? 16 : 10) + digit, kBeyond);
    }
    return negative ? -value : value;
}

constexpr bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '"' || c == '-' ||
           c == '.' || c == '_';
}

constexpr bool IsTokenChar(char c) { return IsNameChar(c) || c == '+' || c == '{' || c == '}'; }

// What the tokens of a plain statement are made of: the name characters
// that no token reader treats apart (a quote begins a quoted text).
constexpr bool IsPlainChar(char c) { return IsNameChar(c) && c != '"'; }

// A character that neither ends a token's run of characters (a separator)
// nor may begin a comment.
constexpr bool ContinuesTokenRun(char c) { return !IsSeparator(c) && c != '/'; }

// A character that can change where a statement ends: a quote, a slash, a
// brace or a ';'.
constexpr bool IsStatementMark(char c) { return c == '"' || c == '/' || c == '{' || c == '}' || c == ';'; }

// Every character of every token read is tested: one look in a table
// instead of a chain of comparisons.
using CharSet = std::array<bool, 256>;

template <bool (*Member)(char)>
constexpr CharSet kTableOf = [] {
    CharSet members{};
    for (int c = 0; c < 256; ++c)
        members[static_cast<std::size_t>(c)] = Member(static_cast<char>(c));
    return members;
}();

bool IsIn(const CharSet& members, char c) { return members[static_cast<unsigned char>(c)]; }

bool AllIn(const CharSet& members, const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [&](char c) { return IsIn(members, c); });
}

}  // namespace

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool StartsWith(const std::string& text, std::string_view head)
{
    return text.size() >= head.size() && SameText(std::string_view(text.data(), head.size()), head);
}

bool EndsWith(const std::string& text, std::string_view tail)
{
    return text.size() >= tail.size() && SameText(std::string_view(text).substr(text.size() - tail.size()), tail);
}

bool IsValidNameChars(const std::string& text) { return AllIn(kTableOf<IsNameChar>, text); }

int ParseInt(const std::string& text)
{
    // Most number texts are a few decimal digits, which need none of the
    // rules below and cannot wrap.
    constexpr std::size_t kDigitsThatFit = 9;
    if (!text.empty() && text.size() <= kDigitsThatFit) {
        int value = 0;
        std::size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            value = value * 10 + (text[i] - '0');
        if (i == text.size())
            return value;
    }
    const bool hex = HasHexMark(text);
    std::size_t i = 0;
    while (i < text.size() && (IsSeparator(text[i]) || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const unsigned base = hex ? 16 : 10;
    if (hex && i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        i + 2 < text.size() && HexDigit(text[i + 2]) >= 0)
        i += 2;
    // Values wrap to 32 bits like the formatted input of the C library.
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base)
            break;
        value = value * base + static_cast<std::uint32_t>(digit);
    }
    if (negative)
        value = 0u - value;
    return static_cast<int>(value);
}

double ParseDouble(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (IsSeparator(text[i]) || text[i] == '\v' || text[i] == '\f'))
        ++i;
    if (i < text.size() && text[i] == '+' && !(i + 1 < text.size() && text[i + 1] == '-'))
        ++i;
    // Most values are whole numbers of a few digits, which a double holds
    // exactly: those need no general conversion.
    constexpr std::size_t kExactDigits = 15;
    if (i < text.size() && text.size() - i <= kExactDigits &&
        std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                    [](char c) { return c >= '0' && c <= '9'; })) {
        std::int64_t whole = 0;
        for (; i < text.size(); ++i)
            whole = whole * 10 + (text[i] - '0');
        return static_cast<double>(whole);
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const auto result = std::from_chars(first, text.data() + text.size(), value);
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

double ParseTime(const std::string& text) { return HasHexMark(text) ? ParseInt(text) : ParseDouble(text); }

std::string TextScanner::FileName() const
{
    const std::size_t cut = filePath.find_last_of("\\/");
    return cut == std::string::npos ? filePath : filePath.substr(cut + 1);
}

void TextScanner::SetText(std::string text)
{
    // Swapped, not moved: a move from a short text keeps the old buffer.
    fileText.swap(text);
    m_unclosedComment = -1;
    m_lastLineFeed = kNotSearched;
    // A new text, or none, lets go of the old text's indexes, not only their entries.
    m_lineStarts.clear();
    m_lineStarts.shrink_to_fit();
    m_commaScans.clear();
    m_commaScans.shrink_to_fit();
    m_balancedRuns.clear();
    m_balancedRuns.shrink_to_fit();
}

int TextScanner::LineNumber(int position) const
{
    if (position <= 0)
        return 1;
    if (m_lineStarts.empty()) {
        m_lineStarts.push_back(-1);  // a sentinel, so an empty index means "not built"
        for (int i = 0; i < TextLength(); ++i)
            if (fileText[static_cast<std::size_t>(i)] == '\n')
                m_lineStarts.push_back(i);
    }
    // Entries after the sentinel are LF positions; count those before position.
    const auto lfBefore = std::lower_bound(m_lineStarts.begin() + 1, m_lineStarts.end(), position);
    return 1 + static_cast<int>(lfBefore - (m_lineStarts.begin() + 1));
}

void TextScanner::AddMessage(const char* what, int position) { messages.Add(LineNumber(position), what); }

void TextScanner::AddMessage(const char* what, std::string quoted, int position)
{
    messages.Add(LineNumber(position), what, std::move(quoted));
}

void TextScanner::AddPlainMessage(const char* what) { messages.Add(0, what); }

void TextScanner::AddPlainMessage(const char* what, std::string quoted) { messages.Add(0, what, std::move(quoted)); }

bool TextScanner::SkipCommentFrom(int& pos)
{
    const char next = At(pos + 1);
    if (next == '/') {
        pos = LineCommentEnd(pos);
        return InText(pos);
    }
    if (next == '*') {
        // The search starts at the star, so "/*/" is a complete comment.
        const std::size_t close = fileText.find("*/", static_cast<std::size_t>(pos + 1));
        if (close == std::string::npos) {
            NoteUnclosedComment(pos);
            pos = TextLength();
            return false;
        }
        // Resting on the closing slash; the comment counts as a separator.
        pos = static_cast<int>(close) + 1;
        return true;
    }
    AddMessage(kCommentFalse, pos);
    return false;
}

bool TextScanner::SkipToBlockStart(int& pos) { return SkipToBracket(pos, '{'); }

bool TextScanner::SkipToBlockEnd(int& pos) { return SkipToBracket(pos, '}'); }

bool TextScanner::SkipToBracket(int& pos, char bracket)
{
    for (++pos; InText(pos); ++pos) {
        if (IsSeparator(At(pos)))
            continue;
        if (At(pos) == '/') {
            if (SkipCommentAt(pos) || (InText(pos) && IsLineEnd(At(pos))))
                continue;
            return false;
        }
        if (At(pos) != bracket)
            return false;
        ++pos;
        return true;
    }
    pos = TextLength();
    return false;
}

namespace {

// Shared by ExpectEquals and ExpectColon.
bool ExpectChar(const TextScanner& scanner, const std::string& text, int& pos, char wanted)
{
    const int length = static_cast<int>(text.size());
    for (++pos; pos < length; ++pos) {
        const char c = text[static_cast<std::size_t>(pos)];
        if (IsBlank(c) || (IsLineEnd(c) && !scanner.strictLineEnds))
            continue;
        return c == wanted;
    }
    pos = length;
    return false;
}

}  // namespace

bool TextScanner::ExpectEquals(int& pos) { return ExpectChar(*this, fileText, pos, '='); }

bool TextScanner::ExpectColon(int& pos) { return ExpectChar(*this, fileText, pos, ':'); }

std::string TextScanner::ReadUntilOpenBrace(int& pos)
{
    std::string collected;
    for (++pos; InText(pos); ++pos) {
        const char c = At(pos);
        if (c == '{')
            return collected;
        if (IsSeparator(c))
            continue;
        if (c == '/' && (SkipCommentAt(pos) || (InText(pos) && IsLineEnd(At(pos)))))
            continue;
        if (!InText(pos))
            break;
        collected += At(pos);
    }
    pos = TextLength();
    return {};
}

static std::string ReadTokenUntil(TextScanner& scanner, int& pos, char terminator, bool namesOnly)
{
    const char* const text = scanner.fileText.data();
    const int length = static_cast<int>(scanner.fileText.size());
    const CharSet& plain = kTableOf<ContinuesTokenRun>;
    const CharSet& allowed = namesOnly ? kTableOf<IsNameChar> : kTableOf<IsTokenChar>;
    std::string collected;
    bool allAllowed = true;
    for (++pos; pos < length; ++pos) {
        char c = text[pos];
        // Characters are taken a run at a time, so a token without blanks or
        // comments inside is built in one piece, not grown by each character.
        if (c != terminator && IsIn(plain, c)) {
            const int run = pos;
            do
                allAllowed &= IsIn(allowed, c);
            while (++pos < length && (c = text[pos]) != terminator && IsIn(plain, c));
            collected.append(text + run, static_cast<std::size_t>(pos - run));
            if (pos == length)
                break;
        }
        if (c == terminator) {
            if (allAllowed)
                return collected;
            scanner.AddMessage(kInvalidSigns, pos);
            return {};
        }
        if (IsBlank(c))
            continue;
        if (IsLineEnd(c)) {
            if (scanner.strictLineEnds)
                return {};
            continue;
        }
        // A comment inside a statement separates like a blank; the LF that
        // ends a line comment is left for the line end test.
        if (const int commentEnd = scanner.CommentEnd(pos); commentEnd >= 0) {
            pos = commentEnd < length && IsLineEnd(text[commentEnd]) ? commentEnd - 1 : commentEnd;
            continue;
        }
        collected += c;  // a slash that begins no comment
        allAllowed = allAllowed && IsIn(allowed, c);
    }
    pos = length;
    return {};
}

std::string TextScanner::ReadTokenUntilComma(int& pos, bool namesOnly)
{
    return ReadTokenUntil(*this, pos, ',', namesOnly);
}

std::string TextScanner::ReadTokenUntilSemicolon(int& pos, bool namesOnly)
{
    return ReadTokenUntil(*this, pos, ';', namesOnly);
}

std::string TextScanner::ReadTokenUntilCloseBrace(int& pos) { return ReadTokenUntil(*this, pos, '}', true); }

std::string TextScanner::ReadValueWithUnit(int& pos, std::string_view unit)
{
    std::string value;
    std::string collectedUnit;
    bool inUnit = false;
    for (++pos; InText(pos); ++pos) {
        const char c = At(pos);
        if (IsBlank(c))
            continue;
        if (!inUnit) {
            if (IsLineEnd(c)) {
                if (strictLineEnds)
                    return {};
                continue;
            }
            // A value never holds a semicolon: the statement ended without its unit.
            if (c == ';')
                return {};
            if (!unit.empty() && c == unit[0]) {
                inUnit = true;
                collectedUnit += c;
            } else {
                value += c;
            }
            continue;
        }
        if (c == '\n')
            return {};
        if (c == ';')
            return collectedUnit == unit ? value : std::string();
        collectedUnit += c;
    }
    pos = TextLength();
    return {};
}

std::string TextScanner::ReadCompactUntilSemicolon(int& pos)
{
    std::string collected;
    for (++pos; InText(pos); ++pos) {
        const char c = At(pos);
        if (c == ';')
            return collected;
        if (IsLineEnd(c))
            return {};
        if (!IsBlank(c))
            collected += c;
    }
    pos = TextLength();
    return {};
}

std::string TextScanner::ReadRawUntilSemicolon(int& pos)
{
    std::string collected;
    bool quoted = false;
    for (++pos; InText(pos); ++pos) {
        const char c = At(pos);
        if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted)
            return collected;
        if (IsLineEnd(c))
            return {};
        collected += c;
    }
    pos = TextLength();
    return {};
}

TextScanner::CommaScan& TextScanner::ScanFor(char terminator) const
{
    for (CommaScan& scan : m_commaScans)
        if (scan.terminator == terminator && scan.strict == strictLineEnds)
            return scan;
    CommaScan scan;
    scan.terminator = terminator;
    scan.strict = strictLineEnds;
    scan.stop = -1;  // covers no position yet
    m_commaScans.push_back(scan);
    return m_commaScans.back();
}

int TextScanner::CountCommasUntil(int pos, char terminator) const
{
    const char* const text = fileText.data();
    const int length = TextLength();
    pos = std::clamp(pos, 0, length);
    CommaScan& scan = ScanFor(terminator);
    if (pos >= scan.from && pos <= scan.stop) {
        scan.commas -= static_cast<int>(std::count(text + scan.from, text + pos, ','));
    } else {
        int commas = 0;
        int i = pos;
        for (; i < length; ++i) {
            const char c = text[i];
            if (c == terminator)
                break;
            if (c == ',')
                ++commas;
            else if (strictLineEnds && IsLineEnd(c))
                break;
        }
        scan.commas = commas;
        scan.terminated = i < length && text[i] == terminator;
        scan.stop = i;
    }
    scan.from = pos;
    return scan.terminated ? scan.commas : -1;
}

int TextScanner::SkipSeparatorsAndComments(int pos) const
{
    for (pos = std::max(pos, 0); InText(pos); ++pos) {
        if (IsSeparator(At(pos)))
            continue;
        const int commentEnd = CommentEnd(pos);
        if (commentEnd < 0)
            return pos;
        pos = commentEnd;
    }
    return TextLength();
}

int TextScanner::CommentEndAtSlash(int pos) const
{
    if (At(pos + 1) != '/' && At(pos + 1) != '*')
        return -1;
    if (At(pos + 1) == '/')
        return LineCommentEnd(pos);
    const std::size_t close = fileText.find("*/", static_cast<std::size_t>(pos) + 2);
    if (close == std::string::npos) {
        NoteUnclosedComment(pos);
        return TextLength();
    }
    return static_cast<int>(close) + 1;
}

int TextScanner::LineCommentEnd(int pos) const
{
    // A CR inside a comment of a file with LF line ends stays in the comment;
    // where no LF follows, as in files with CR line ends only, CR ends it.
    const auto from = static_cast<std::size_t>(pos) + 2;
    const std::size_t close = CrEndsLine(pos) ? fileText.find('\r', from) : fileText.find('\n', from);
    return close == std::string::npos ? TextLength() : static_cast<int>(close);
}

std::string TextScanner::TextWithLfLineEnds(int first, int last) const
{
    if (first < 0 || last < first)
        return {};
    std::string text = fileText.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first) + 1);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' && CrEndsLine(first + static_cast<int>(i)))
            text[i] = '\n';
    return ToLfLineEnds(text);
}

int TextScanner::LastLineFeed() const
{
    if (m_lastLineFeed == kNotSearched) {
        const std::size_t last = fileText.rfind('\n');
        m_lastLineFeed = last == std::string::npos ? -1 : static_cast<int>(last);
    }
    return m_lastLineFeed;
}

void TextScanner::NoteUnclosedComment(int pos) const
{
    if (m_unclosedComment < 0 || pos < m_unclosedComment)
        m_unclosedComment = pos;
}

void TextScanner::ReportUnclosedComment()
{
    if (m_unclosedComment >= 0)
        AddMessage(kCommentNotClosed, m_unclosedComment);
    m_unclosedComment = -1;
}

int TextScanner::NextStatementMark(int pos) const
{
    const int length = TextLength();
    const char* const text = fileText.data();
    const auto isMark = [&text](int at) { return IsIn(kTableOf<IsStatementMark>, text[at]); };
    // Four characters a round: the statement marks are few and far between,
    // and the scan passes over most of the text more than once.
    for (pos = std::max(pos, 0); length - pos >= 4; pos += 4) {
        if (isMark(pos))
            return pos;
        if (isMark(pos + 1))
            return pos + 1;
        if (isMark(pos + 2))
            return pos + 2;
        if (isMark(pos + 3))
            return pos + 3;
    }
    for (; pos < length; ++pos)
        if (isMark(pos))
            return pos;
    return length;
}

void TextScanner::NoteBalancedStatement(int from, int to) const
{
    std::vector<BalancedRun>& runs = m_balancedRuns;
    // Statements are mostly noted in text order, each after the last run.
    if (runs.empty() || runs.back().to < from) {
        if (!runs.empty() && !AnyStatementMark(runs.back().to + 1, from))
            runs.back().to = to;
        else
            runs.push_back({from, to});
        return;
    }
    // The runs that reach into from..to: those inside it give way to it; one
    // that reaches out of it already holds it.
    auto first =
        std::lower_bound(runs.begin(), runs.end(), from, [](const BalancedRun& run, int at) { return run.to < at; });
    auto last = first;
    for (; last != runs.end() && last->from <= to; ++last)
        if (last->from < from || last->to > to)
            return;
    const auto noted = runs.insert(runs.erase(first, last), BalancedRun{from, to});
    const auto next = std::next(noted);
    if (next != runs.end() && !AnyStatementMark(to + 1, next->from)) {
        noted->to = next->to;
        runs.erase(next);
    }
    if (noted != runs.begin()) {
        const auto previous = std::prev(noted);
        if (!AnyStatementMark(previous->to + 1, from)) {
            previous->to = noted->to;
            runs.erase(noted);
        }
    }
}

bool TextScanner::AnyStatementMark(int from, int end) const
{
    return std::any_of(fileText.begin() + from, fileText.begin() + end,
                       [](char c) { return IsIn(kTableOf<IsStatementMark>, c); });
}

int TextScanner::NextMarkInsideBraces(int pos) const
{
    for (;;) {
        const int mark = NextStatementMark(pos);
        if (m_balancedRuns.empty() || m_balancedRuns.back().from < pos)
            return mark;
        const auto run = std::lower_bound(m_balancedRuns.begin(), m_balancedRuns.end(), pos,
                                          [](const BalancedRun& r, int at) { return r.from < at; });
        // No mark lies between pos and a run that begins by the mark, so the
        // mark is the run's first.
        if (run == m_balancedRuns.end() || run->from > mark)
            return mark;
        pos = run->to + 1;
    }
}

int TextScanner::FindStatementEnd(int pos) const
{
    if (!InText(pos))
        return -1;
    const bool block = At(pos) == '{';
    int depth = 0;
    for (; (pos = depth > 0 ? NextMarkInsideBraces(pos) : NextStatementMark(pos)) < TextLength(); ++pos) {
        const char c = At(pos);
        // A quoted text ends on its own line; a quote without a partner there
        // is a character of a name, as the section readers take it.
        const std::size_t close =
            c == '"' ? fileText.find_first_of("\"\r\n", static_cast<std::size_t>(pos) + 1) : std::string::npos;
        if (close != std::string::npos && fileText[close] == '"') {
            pos = static_cast<int>(close);
        } else if (const int commentEnd = CommentEnd(pos); commentEnd >= 0) {
            pos = commentEnd;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return -1;
            if (block && depth == 0)
                return pos;
        } else if (c == ';' && !block && depth == 0) {
            return pos;
        }
    }
    return -1;
}

// The runs below stop at the NUL that ends the text's buffer, as neither a
// blank nor a token character.
namespace {

// The end of the run of plain token characters from the position on.
int PlainRunEnd(const char* text, int pos)
{
    while (IsIn(kTableOf<IsPlainChar>, text[pos]))
        ++pos;
    return pos;
}

// A last token in quotes, quotes included, that begins at open: the
// terminator's position after it, or -1 when no such token and terminator
// are there.
int ReadQuotedLastToken(const char* text, int open, char terminator, PlainTokens& tokens)
{
    if (text[open] != '"')
        return -1;
    int at = PlainRunEnd(text, open + 1);
    if (at == open + 1 || text[at] != '"' ||
        !tokens.push_back(std::string_view(text + open, static_cast<std::size_t>(at + 1 - open))))
        return -1;
    for (++at; IsBlank(text[at]);)
        ++at;
    return text[at] == terminator ? at : -1;
}

}  // namespace

std::string_view TextScanner::PlainTokenAt(int pos) const
{
    if (!InText(pos))
        return {};
    return {fileText.data() + pos, static_cast<std::size_t>(PlainRunEnd(fileText.data(), pos) - pos)};
}

int TextScanner::ReadPlainTokens(int pos, char separator, char terminator, PlainTokens& tokens, bool quotedLast) const
{
    const char* const text = fileText.data();
    const int length = TextLength();
    tokens.clear();
    int at = std::max(pos, -1) + 1;
    if (at >= length)
        return -1;
    for (;;) {
        while (IsBlank(text[at]))
            ++at;
        const int start = at;
        at = PlainRunEnd(text, at);
        if (at == start)
            return quotedLast ? ReadQuotedLastToken(text, start, terminator, tokens) : -1;
        if (!tokens.push_back(std::string_view(text + start, static_cast<std::size_t>(at - start))))
            return -1;
        while (IsBlank(text[at]))
            ++at;
        if (at == length)
            return -1;
        if (text[at] == terminator)
            return at;
        // Blanks alone separate: the next token begins here, or nothing
        // plain does.
        if (IsBlank(separator))
            continue;
        if (text[at] != separator)
            return -1;
        ++at;
    }
}

int TextScanner::CountCommasOutsideQuotes(int pos, int& stop) const
{
    int commas = 0;
    bool quoted = false;
    for (stop = std::max(pos, 0); InText(stop); ++stop) {
        const char c = At(stop);
        if (c == '"')
            quoted = !quoted;
        else if (quoted ? IsLineEnd(c) : c == '}')
            return -1;
        else if (!quoted && c == ';')
            return commas;
        else if (!quoted && c == ',')
            ++commas;
    }
    return -1;
}

bool TextScanner::CheckContiguous(int position, std::string_view word)
{
    const char* const text = fileText.data();
    int end = std::min(position, TextLength() - 1);
    while (end >= 0 && (IsBlank(text[end]) || (!strictLineEnds && IsLineEnd(text[end]))))
        --end;
    const int start = end - static_cast<int>(word.size()) + 1;
    if (start >= 0 && SameText(std::string_view(text + start, word.size()), word))
        return true;
    AddMessage(msg::NotContiguous, end);
    return false;
}

std::string TextScanner::ReadNamedVersion(int& pos, bool (*isNamedVersion)(const std::string&))
{
    int ahead = pos;
    if (!ExpectEquals(ahead))
        return {};
    std::string value = ReadRawUntilSemicolon(ahead);
    const std::size_t first = value.find_first_not_of(" \t");
    const std::size_t last = value.find_last_not_of(" \t");
    if (first == std::string::npos)
        return {};
    value = value.substr(first, last - first + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (!isNamedVersion(value))
        return {};
    pos = ahead;
    return value;
}

float TextScanner::ParseQuotedFloat(const std::string& value, int position)
{
    if (value.size() < 3 || value.front() != '"' || value.back() != '"') {
        AddMessage(kWrongFloatFormat, position);
        return 0.0f;
    }
    const std::string inner = value.substr(1, value.size() - 2);
    for (char c : inner) {
        if (!(c >= '0' && c <= '9') && c != '.') {
            AddMessage(kExpectFloat, position);
            return 0.0f;
        }
    }
    return static_cast<float>(ParseDouble(inner));
}

bool TextScanner::StripQuotes(std::string& value, int position)
{
    if (value.size() < 2) {
        AddMessage(kNoTicks, position);
        return false;
    }
    const std::size_t first = value.find_first_not_of(" \t");
    const std::size_t last = value.find_last_not_of(" \t");
    value = first == std::string::npos ? std::string() : value.substr(first, last - first + 1);
    if (value.size() < 2)
        return false;
    if (value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
        return true;
    }
    AddMessage(kNoTicks, position);
    return false;
}

std::optional<double> TextScanner::Finite(double value, int position)
{
    if (std::isfinite(value))
        return value;
    AddMessage(kNotFinite, position);
    return std::nullopt;
}

std::optional<float> TextScanner::FiniteFloat(double value, int position)
{
    if (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max())
        return static_cast<float>(value);
    AddMessage(kNotFinite, position);
    return std::nullopt;
}

bool TextScanner::NumberFits(const std::string& text, std::int64_t min, std::int64_t max, int position)
{
    const std::optional<std::int64_t> value = WholeNumber(text);
    if (value && *value >= min && *value <= max)
        return true;
    AddMessage(value ? kNumberOutOfRange : kNotANumber, position);
    return false;
}

bool TextScanner::IntFits(const std::string& text, int position)
{
    return NumberFits(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), position);
}
