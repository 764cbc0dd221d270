#include "reader/UnreadText.h"

#include <cstring>

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

}  // namespace

const Message* FindUnreadTextMessage(const MessageLog& log)
{
    for (const Message& message : log)
        if (StartsWith(message.text, msg::GarbageAtEnd) || message.text == msg::NulByteWarning)
            return &message;
    return nullptr;
}
