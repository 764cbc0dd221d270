#include "ldf/MessageLog.h"

std::string Message::Text() const { return quotes ? std::string(what) + " " + quoted : std::string(what); }

void MessageLog::Add(int line, const char* what) { Append({what, {}, line, false}); }

void MessageLog::Add(int line, const char* what, std::string quoted) { Append({what, std::move(quoted), line, true}); }

void MessageLog::Append(Message message)
{
    static const std::string kNoMore =
        "Warning: more than " + std::to_string(kMaxMessages) + " messages, the rest are not listed";
    if (m_messages.size() < kMaxMessages)
        m_messages.push_back(std::move(message));
    else if (m_messages.size() == kMaxMessages)
        m_messages.push_back({kNoMore.c_str(), {}, 0, false});
}

std::string FormatMessage(const Message& message)
{
    if (message.line == 0)
        return message.Text();
    std::string text = "Z: " + std::to_string(message.line) + " " + message.what;
    if (message.quotes)
        text.append(" ").append(message.quoted);
    return text;
}
