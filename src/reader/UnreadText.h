#pragma once

#include "ldf/MessageLog.h"

// Shown to users verbatim and matched by tests; keep the spelling.
namespace msg {
inline constexpr const char* GarbageAtEnd = "Garbage at the end:";
inline constexpr const char* NulByteWarning = "Warning: file contains a NUL byte, the text after it is not read";
}  // namespace msg

// The message of a load saying that part of the file was not read (text
// after a NUL byte, or text after the last section that the reader could
// not place); null when the reader reached the end. Writing such a network
// over its own file would lose that part.
const Message* FindUnreadTextMessage(const MessageLog& log);
