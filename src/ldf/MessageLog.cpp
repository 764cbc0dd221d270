#include "ldf/MessageLog.h"

void MessageLog::Add(int line, std::string text)
{
    if (m_messages.size() < kMaxMessages)
        m_messages.push_back({line, std::move(text)});
    else if (m_messages.size() == kMaxMessages)
        m_messages.push_back(
            {0, "Warning: more than " + std::to_string(kMaxMessages) + " messages, the rest are not listed"});
}

std::string FormatMessage(const Message& message)
{
    if (message.line == 0)
        return message.text;
    return "Z: " + std::to_string(message.line) + " " + message.text;
}
