#pragma once

#include <deque>
#include <string>

// One finding of the reader or the post-load repair. line is 1-based; 0 means
// the message refers to no line. what is the system's own text that tells
// which finding it is, and quoted the words of the file it quotes after it,
// if it quotes any; its text is put together only when shown or printed.
struct Message {
    const char* what = "";
    std::string quoted;
    int line = 0;
    bool quotes = false;

    // what, and after a blank the words quoted.
    std::string Text() const;
};

// The ordered findings of one load, in the order they were produced. A
// broken file can give a message for nearly every byte; past kMaxMessages
// the log notes once that it keeps no more, so its memory stays bounded.
class MessageLog {
public:
    static constexpr std::size_t kMaxMessages = 100'000;

    void Add(int line, const char* what);
    void Add(int line, const char* what, std::string quoted);
    void Clear() { m_messages.clear(); }

    bool Empty() const { return m_messages.empty(); }
    std::size_t Size() const { return m_messages.size(); }
    const Message& operator[](std::size_t i) const { return m_messages[i]; }
    std::deque<Message>::const_iterator begin() const { return m_messages.begin(); }
    std::deque<Message>::const_iterator end() const { return m_messages.end(); }

private:
    void Append(Message message);

    // In blocks: a large file's log grows to tens of thousands of messages
    // while the reader holds the text and the records, and a vector would
    // hold up to as much room again beside them, and copy them all to grow.
    std::deque<Message> m_messages;
};

// The one text form of a message that users see: "Z: <line> <text>", or the
// bare text when the message has no line. The Errors / Hints dialog, the
// command-line tool and the tests all use it.
std::string FormatMessage(const Message& message);
