#pragma once

#include "ldf/MessageLog.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Reads a number the way the LDF reader and the sheets do: hexadecimal when
// the text contains x or X anywhere, else signed decimal; leading blanks are
// skipped and digits are read up to the first other character. 0 when
// nothing is readable.
int ParseInt(const std::string& text);

// Reads a decimal number like the C library's text-to-double conversion, up
// to the first character that cannot continue it, whatever the locale. 0.0
// when nothing is readable.
double ParseDouble(const std::string& text);

bool StartsWith(const std::string& text, std::string_view head);
bool EndsWith(const std::string& text, std::string_view tail);

// A time or delay: hexadecimal by the rule of ParseInt, else decimal with
// its fraction (ParseDouble).
double ParseTime(const std::string& text);

// The value of a hexadecimal digit; -1 for any other character.
int HexDigit(char c);

// Character classes of the reader.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
constexpr bool IsSeparator(char c) { return IsBlank(c) || IsLineEnd(c); }
bool IsValidNameChars(const std::string& text);
// A letter, a digit or an underscore: what keywords are made of, and most
// of every name. Looked up in a table, as the readers test it for nearly
// every character of a file.
inline constexpr std::array<bool, 256> kWordChars = [] {
    std::array<bool, 256> members{};
    for (int c = 0; c < 256; ++c)
        members[static_cast<std::size_t>(c)] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return members;
}();
inline bool IsWordChar(char c) { return kWordChars[static_cast<unsigned char>(c)]; }

// The tokens of a plain statement (TextScanner::ReadPlainTokens): views into
// the file text, at most kCapacity of them.
class PlainTokens {
public:
    static constexpr std::size_t kCapacity = 16;

    std::size_t size() const { return m_count; }
    std::string_view operator[](std::size_t i) const { return m_tokens[i]; }
    void clear() { m_count = 0; }
    // False, and nothing added, when the capacity is taken.
    bool push_back(std::string_view token)
    {
        if (m_count == kCapacity)
            return false;
        m_tokens[m_count++] = token;
        return true;
    }

private:
    std::array<std::string_view, kCapacity> m_tokens{};
    std::size_t m_count = 0;
};

// The whole file text, the message log and the scanning operations that walk
// the text with one position. Every operation stops at the end of the text
// and adds its messages with the line of the position where it found them.
// A position is passed by reference and only ever moves forward.
class TextScanner {
public:
    explicit TextScanner(bool strict) : strictLineEnds(strict) {}
    virtual ~TextScanner() = default;
    TextScanner(const TextScanner&) = default;
    TextScanner& operator=(const TextScanner&) = default;

    // The part of filePath after its last backslash.
    std::string FileName() const;
    std::string Text() const { return fileText; }
    // Replaces the text and forgets the line index and comma counts built
    // for the old one.
    void SetText(std::string text);
    // 1 + the number of LF characters before the position.
    int LineNumber(int position) const;

    // A message is one of the system's fixed texts, some with words of the
    // file quoted after it.
    void AddMessage(const char* what, int position);
    void AddMessage(const char* what, std::string quoted, int position);
    void AddPlainMessage(const char* what);
    void AddPlainMessage(const char* what, std::string quoted);

    // Scanning operations. "pos+1" operations first step past the character
    // at the position (the last one already consumed).
    // True on a separator, and on a comment, with the position moved onto
    // its last character. The readers ask it of every character, so the
    // common case stays inline.
    bool SkipCommentAt(int& pos)
    {
        const char c = At(pos);
        return c == '/' ? SkipCommentFrom(pos) : IsSeparator(c);
    }
    bool SkipToBlockStart(int& pos);
    bool SkipToBlockEnd(int& pos);
    bool ExpectEquals(int& pos);
    bool ExpectColon(int& pos);
    std::string ReadUntilOpenBrace(int& pos);
    std::string ReadTokenUntilComma(int& pos, bool namesOnly);
    std::string ReadTokenUntilSemicolon(int& pos, bool namesOnly = true);
    std::string ReadTokenUntilCloseBrace(int& pos);
    std::string ReadValueWithUnit(int& pos, std::string_view unit);
    std::string ReadCompactUntilSemicolon(int& pos);
    // The text up to the first ';' outside quoted texts, blanks kept; empty
    // when a line end comes first.
    std::string ReadRawUntilSemicolon(int& pos);
    int CountCommasUntil(int pos, char terminator) const;
    // A plain statement after the position: up to the terminator on the same
    // line, only tokens of letters, digits, '_', '-' and '.' separated by the
    // separator (with blanks around it), or by blanks alone when the
    // separator is a blank. The token readers take each of its tokens whole
    // and without a message, so a section reader may read it in one pass
    // instead. Returns the terminator's position with the tokens, or -1 when
    // the statement is not plain (a comment, quote, brace or line end, an
    // empty token) or has more tokens than PlainTokens holds. With
    // quotedLast, the last token may also be such a run in quotes ("off"),
    // given with its quotes.
    int ReadPlainTokens(int pos, char separator, char terminator, PlainTokens& tokens, bool quotedLast = false) const;
    // The run of such token characters that begins at the position; empty
    // when none does.
    std::string_view PlainTokenAt(int pos) const;
    // Commas outside quoted texts from pos up to the first ';' outside them.
    // -1 when a '}' outside quotes, a line end inside quotes or the end of
    // the text comes first; stop is then on that character (so a caller that
    // moves there never scans the same text twice).
    int CountCommasOutsideQuotes(int pos, int& stop) const;
    // On a comment's opening slash: the position of its last character (the
    // line end of a line comment, the closing slash of a block comment), the
    // text length when it is not closed. -1 when no comment starts there.
    // Scans ask this of every character, so the common answer is inline.
    int CommentEnd(int pos) const { return At(pos) == '/' ? CommentEndAtSlash(pos) : -1; }
    // The text from first to last, both included, with LF line ends, as
    // kept statements hold it. A CR that ended a comment here (where no LF
    // follows) becomes an LF, so that it still ends it when written among
    // LF line ends and read back.
    std::string TextWithLfLineEnds(int first, int last) const;
    // A block comment that is not closed swallows the rest of the text; the
    // first such opening any scan met is reported once, when reading ends.
    void ReportUnclosedComment();
    // The first position at or after pos that is neither a separator nor
    // inside a complete comment; the text length when there is none.
    int SkipSeparatorsAndComments(int pos) const;
    // The first position at or after pos whose character can change where a
    // statement ends (a quote, a slash, a brace or a ';'); the text length
    // when there is none. The statement-end searches jump over the rest.
    int NextStatementMark(int pos) const;
    // From the '=' or '{' at the position that follows a statement's word:
    // the position of the ';' (after '=') or of the balancing '}' (after '{')
    // that ends the statement. -1 when the text ends first or a '}' closes
    // more than was opened. Quoted texts and comments are passed over whole.
    int FindStatementEnd(int pos) const;
    // Notes that the statement from..to, begun outside quotes and comments,
    // ends at to with every brace inside it balanced. A later search for an
    // end that meets it inside braces passes over it in one step, as its
    // marks change neither the depth nor where that search ends.
    void NoteBalancedStatement(int from, int to) const;
    // NextStatementMark for a search inside braces: noted statements that
    // begin before the next mark are passed over.
    int NextMarkInsideBraces(int pos) const;
    // Once a section is read, what was noted of it helps no other search.
    void ForgetNotedStatements() { m_balancedRuns.clear(); }
    bool CheckContiguous(int position, std::string_view word);
    float ParseQuotedFloat(const std::string& value, int position);
    // "= <version>;" where the version is named by its standard (ISO 17987,
    // J2602; isNamedVersion tells), quoted or not: the version, with the
    // position on the ';'. Otherwise empty, and the position stays.
    std::string ReadNamedVersion(int& pos, bool (*isNamedVersion)(const std::string&));
    bool StripQuotes(std::string& value, int position);
    // The value when it is finite; none, and reported, for nan and inf,
    // which stand for no time, speed or scale.
    std::optional<double> Finite(double value, int position);
    // The same for a field kept as float: a value beyond its range would
    // become inf there.
    std::optional<float> FiniteFloat(double value, int position);
    // True when the text is one whole number (by the rule of ParseInt) from
    // min to max; else reported: a number must never change on reading.
    bool NumberFits(const std::string& text, std::int64_t min, std::int64_t max, int position);
    // The same for a field of type int.
    bool IntFits(const std::string& text, int position);

    std::string filePath;
    std::string fileText;
    bool strictLineEnds;
    MessageLog messages;

protected:
    int TextLength() const { return static_cast<int>(fileText.size()); }
    bool InText(int pos) const { return pos >= 0 && pos < TextLength(); }
    char At(int pos) const { return InText(pos) ? fileText[static_cast<std::size_t>(pos)] : '\0'; }

private:
    // SkipCommentAt on a '/'.
    bool SkipCommentFrom(int& pos);
    // Skips separators and comments after pos; true, and the position past
    // it, when the next character is the bracket.
    bool SkipToBracket(int& pos, char bracket);

    // The last scan of CountCommasUntil for one terminator: from position
    // from, the first character that ends the count is at stop, with commas
    // commas before it. A later count that starts inside [from, stop] reuses
    // it, so counts over a text without terminator stay linear.
    struct CommaScan {
        char terminator = '\0';
        bool strict = false;
        int from = 0;
        int stop = 0;
        int commas = 0;
        bool terminated = false;  // stop is the terminator, not a line end or the end
    };
    CommaScan& ScanFor(char terminator) const;
    int CommentEndAtSlash(int pos) const;
    void NoteUnclosedComment(int pos) const;
    // On the opening slash of a line comment: the position of the line end
    // that closes it, the text length when none does.
    int LineCommentEnd(int pos) const;
    int LastLineFeed() const;
    bool CrEndsLine(int pos) const { return pos > LastLineFeed(); }

    mutable std::vector<int> m_lineStarts;  // built on the first LineNumber call
    mutable std::vector<CommaScan> m_commaScans;
    // Stretches of noted statements, one after the other with no statement
    // mark between two of them; in text order and apart.
    struct BalancedRun {
        int from;
        int to;
    };
    mutable std::vector<BalancedRun> m_balancedRuns;
    bool AnyStatementMark(int from, int end) const;  // in from..end-1
    static constexpr int kNotSearched = -2;
    mutable int m_lastLineFeed = kNotSearched;  // -1 when the text has no LF
    mutable int m_unclosedComment = -1;         // the opening of the first block comment found unclosed
};
