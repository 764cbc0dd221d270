#pragma once

#include "ldf/TextScanner.h"
#include "model/UnreadStatement.h"

#include <cstddef>
#include <functional>
#include <string>

// Shown to users verbatim and matched by tests; keep the spelling.
namespace msg {
inline constexpr const char* StatementNotRead = "Warning: statement not read, kept as written:";
}  // namespace msg

// Keeps the statements of one block that its parser could not take, so that
// such a statement costs only itself: the rest of it is passed over, reading
// goes on with the next statement, and its text is kept in its place.
class UnreadKeeper {
public:
    // How a statement of the block ends: always at a ';' outside braces,
    // and with blockEnds also at the '}' that balances its first '{' (a
    // frame, a node's attributes). A schedule command's braces are followed
    // by its delay, so there only the ';' ends it.
    enum class Ends { AtSemicolon, AtSemicolonOrBlock };

    // position tells how many records of the block were read so far;
    // giveBack, where given, drops the records read after the first n.
    UnreadKeeper(TextScanner& scanner, UnreadStatements& kept, Ends ends, std::function<std::size_t()> position,
                 std::function<void(std::size_t)> giveBack = {});

    std::size_t RecordsRead() const { return m_position(); }
    // Where the statement begun starts; -1 before the first.
    int StatementStart() const { return m_start; }

    // Called with each character the block's loop hands on: the first one
    // after a statement was done begins the next.
    void Notice(int pos, const std::string& pending)
    {
        if (pending.empty())
            m_start = pos;
    }

    // After a statement was read up to pos: when its end lies further on,
    // it was not taken whole; the position moves onto its end, the pending
    // text is dropped and the statement kept. True when it was kept.
    bool KeepIfUnread(int& pos, std::string& pending);
    // The same, for a statement that may have read records of the block:
    // those read after the first recordsBefore are given back when it is
    // kept, since the kept text brings them again when read back.
    bool KeepIfUnread(int& pos, std::string& pending, std::size_t recordsBefore);
    // Whether the statement begun has an end and pos is not on it: its
    // reading stopped short of its end or ran past it.
    bool EndsElsewhere(int pos) const;
    // Whether the statement begun ends, but not at a ';': at a balancing '}'
    // or before the '}' that closes the block.
    bool EndsWithoutSemicolon() const;

    // The statement begun ends at end, a ';' outside braces, and holds no
    // comment, no brace and no quote but pairs closed on its line before
    // it: noted as StatementEnd would find it, without a scan of its text.
    // Nothing is noted while no statement is begun.
    void NoteStatementEnd(int end);

    // The statement begun is kept whatever was read of it; the position
    // moves onto its end, back onto it when the reading went beyond.
    void Keep(int& pos, std::string& pending);

    // At the '}' that closes the block: the statement begun is kept when it
    // ends before it. One whose braces run past it is not: the text after
    // the block is read on, and would come back twice.
    void KeepInBlock(int blockEnd, std::string& pending);

private:
    // The last character of the statement that begins at m_start: its ';',
    // its balancing '}', or the one before the '}' that closes the block;
    // kUnclosed when the text ends first.
    int StatementEnd() const;
    int ScanStatementEnd() const;
    // The end of a statement whose braces balance, noted with the scanner.
    int Balanced(int end) const;
    static constexpr int kUnclosed = -1;
    void KeepText(int last);

    TextScanner& m_scanner;
    UnreadStatements& m_kept;
    Ends m_ends;
    std::function<std::size_t()> m_position;
    std::function<void(std::size_t)> m_giveBack;
    int m_start = -1;
    struct FoundEnd {
        int start = -1;
        int end = kUnclosed;
    };
    mutable FoundEnd m_endFound;  // the end of the statement that begins at start
};
