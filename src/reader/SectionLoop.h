#pragma once

#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "reader/ListIndexes.h"
#include "reader/UnreadKeeper.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// The loop that every section parser runs over its block: comments and
// separators are passed over, every other character goes to onChar, which
// may move the position on (for instance to the end of a statement). Stops
// on the '}' that closes the block or at the end of the text. A pending text
// left when the block ends is reported as garbage, and kept by the keeper
// when there is one.
template <typename OnChar>
void RunSectionLoop(TextScanner& scanner, int& pos, std::string& pending, OnChar onChar, UnreadKeeper* keeper = nullptr)
{
    const int length = static_cast<int>(scanner.fileText.size());
    const char* const text = scanner.fileText.data();
    while (pos >= 0 && pos < length) {
        // The separators between statements are passed over a run at a time
        // (the text's buffer ends in a NUL, which is none).
        while (IsSeparator(text[pos]))
            ++pos;
        if (pos == length || text[pos] == '}')
            break;
        if (!scanner.SkipCommentAt(pos) && pos < length) {
            if (keeper)
                keeper->Notice(pos, pending);
            onChar(scanner.fileText[static_cast<std::size_t>(pos)]);
        }
        ++pos;
    }
    pos = std::min(pos, length);
    if (!pending.empty()) {
        scanner.AddMessage(msg::GarbageInBlock, pos);
        if (keeper)
            keeper->KeepInBlock(pos, pending);
        pending.clear();
    }
}

// Whether the section loop hands the character on, rather than passing it
// over or ending the block with it.
inline bool LoopHandsOn(char c) { return !IsSeparator(c) && c != '/' && c != '}'; }

// For a loop whose every character up to a stop goes to the pending text:
// adds the character at the position and the ones after it that the loop
// would hand on alike (none a separator, a slash, a '}' or a stop) in one
// piece, and leaves the position on the last one added. The loop sees the
// first character of a pending text, as its keeper needs, and the rest of a
// name costs no round of the loop each.
template <typename IsStop> void CollectRun(const std::string& text, int& pos, std::string& pending, IsStop isStop)
{
    const int length = static_cast<int>(text.size());
    int end = pos + 1;
    for (; end < length; ++end) {
        const char c = text[static_cast<std::size_t>(end)];
        // No stop is a letter, a digit or '_', which most of a name is.
        if (!IsWordChar(c) && (!LoopHandsOn(c) || isStop(c)))
            break;
    }
    pending.append(text, static_cast<std::size_t>(pos), static_cast<std::size_t>(end - pos));
    pos = end - 1;
}

// The common loop of a block whose statements begin with a name that ends
// at one delimiter: every other character is collected into the pending
// text, and the delimiter calls onDelimiter with the position on it. With
// a keeper, a statement that onDelimiter leaves unread, or that ends (at a
// ';' or a '{') before its delimiter came, is kept.
template <typename OnDelimiter>
void RunDelimitedLoop(TextScanner& scanner, int& pos, std::string& pending, char delimiter, OnDelimiter onDelimiter,
                      UnreadKeeper* keeper = nullptr)
{
    RunSectionLoop(
        scanner, pos, pending,
        [&](char c) {
            if (c == delimiter) {
                const std::size_t recordsBefore = keeper ? keeper->RecordsRead() : 0;
                onDelimiter();
                if (keeper)
                    keeper->KeepIfUnread(pos, pending, recordsBefore);
            } else if (keeper && (c == ';' || c == '{')) {
                keeper->Keep(pos, pending);
            } else {
                CollectRun(scanner.fileText, pos, pending,
                           [delimiter](char next) { return next == delimiter || next == ';' || next == '{'; });
            }
        },
        keeper);
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

// What every section parser works with: the network it fills, the position
// it shares with the driver, and the text pending since the last statement.
class SectionParser {
protected:
    SectionParser(LinNetwork& network, int& pos) : m_net(network), m_pos(pos) {}

    void Report(const char* text) { m_net.AddMessage(text, m_pos); }

    LinNetwork& m_net;
    int& m_pos;
    std::string m_pending;
};

// One list of the network as a section fills it: a record is taken only
// under a name the list does not hold yet. The index is the reader's index
// of the list (an earlier block of the same section counts) and keeps each
// test quick.
template <typename Record> class UniqueNameList {
public:
    UniqueNameList(LinNetwork& network, OwnedList<Record>& list)
        : m_list(list), m_names(network.ReaderListIndexes().Of(list))
    {
    }

    bool Contains(const std::string& name) const { return m_names.Contains(name); }

    // False, and the record dropped, when its name is taken.
    bool Append(std::unique_ptr<Record> record)
    {
        if (!m_names.Insert(RecordName(*record)))
            return false;
        m_list.Append(std::move(record));
        return true;
    }

private:
    OwnedList<Record>& m_list;
    RecordNameIndex& m_names;
};

// The character at the position, or NUL outside the text.
inline char CharAt(const TextScanner& scanner, int pos)
{
    return pos >= 0 && pos < static_cast<int>(scanner.fileText.size()) ? scanner.fileText[static_cast<std::size_t>(pos)]
                                                                       : '\0';
}

// Hands over the collected text and leaves the pending text empty.
inline std::string TakePending(std::string& pending) { return std::exchange(pending, std::string()); }

// What the keywords a parser compares its pending text with after every
// character look like: their lengths and their first and last characters.
// Pending text of another length, or that begins or ends with a character
// no keyword does, is none of them and is compared with none.
class KeywordShapes {
public:
    template <typename Entries, typename KeywordOf> KeywordShapes(const Entries& entries, KeywordOf keywordOf)
    {
        for (const auto& entry : entries) {
            const std::string_view keyword(keywordOf(entry));
            if (keyword.size() < kLengthBits)
                m_lengths |= std::uint64_t{1} << keyword.size();
            else
                m_anyLonger = true;
            if (!keyword.empty()) {
                m_first.set(static_cast<unsigned char>(keyword.front()));
                m_last.set(static_cast<unsigned char>(keyword.back()));
            }
        }
    }

    bool MayMatch(const std::string& pending) const
    {
        const bool length = pending.size() < kLengthBits ? (m_lengths >> pending.size() & 1) != 0 : m_anyLonger;
        return length && !pending.empty() && m_first.test(static_cast<unsigned char>(pending.front())) &&
               m_last.test(static_cast<unsigned char>(pending.back()));
    }

private:
    static constexpr std::size_t kLengthBits = 64;
    std::uint64_t m_lengths = 0;
    bool m_anyLonger = false;
    std::bitset<256> m_first;
    std::bitset<256> m_last;
};

// True when a token that ended just before the position (the position rests
// on its delimiter) is not empty and stands in the text without blanks
// inside; a broken one is reported by CheckContiguous.
inline bool IsWholeToken(TextScanner& scanner, int pos, const std::string& token)
{
    return !token.empty() && scanner.CheckContiguous(pos - 1, token);
}

// Reads a list whose commas were counted beforehand: that many names ending
// in a comma, then a last one ending in closing (';' or '}'). Every whole
// name goes to take; a broken one is reported with "No argument recognized",
// a broken last one with lastMissing. True when the last name was taken.
template <typename Take>
bool ReadCountedList(TextScanner& scanner, int& pos, int commas, char closing, const char* lastMissing, Take take)
{
    // The names are handed on as rvalues: a record that keeps one takes it
    // over instead of copying it.
    for (int i = 0; i < commas; ++i) {
        std::string item = scanner.ReadTokenUntilComma(pos, true);
        if (IsWholeToken(scanner, pos, item))
            take(std::move(item));
        else
            scanner.AddMessage(msg::NoArgument, pos);
    }
    std::string last = closing == ';' ? scanner.ReadTokenUntilSemicolon(pos) : scanner.ReadTokenUntilCloseBrace(pos);
    if (!IsWholeToken(scanner, pos, last)) {
        scanner.AddMessage(lastMissing, pos);
        return false;
    }
    take(std::move(last));
    return true;
}
