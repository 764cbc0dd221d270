#include "model/MessageLog.h"

std::string FormatMessage(const Message& message)
{
    if (message.line == 0)
        return message.text;
    return "Z: " + std::to_string(message.line) + " " + message.text;
}
