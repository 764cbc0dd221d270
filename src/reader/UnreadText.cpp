#include "reader/UnreadText.h"

#include <cstring>

namespace {

bool Says(const Message& message, const char* what) { return std::strcmp(message.what, what) == 0; }

}  // namespace

const Message* FindUnreadTextMessage(const MessageLog& log)
{
    for (const Message& message : log)
        if (Says(message, msg::GarbageAtEnd) || Says(message, msg::NulByteWarning))
            return &message;
    return nullptr;
}
