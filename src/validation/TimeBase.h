#pragma once

// The divider rule that the post-load repair and the tree checks share: a
// schedule delay must be a whole multiple of the master's time base. A time
// base of 0 or less fits no delay (and is never divided by).
inline bool IsWholeMultipleOfTimeBase(int delayMs, int timeBaseMs)
{
    return timeBaseMs > 0 && delayMs % timeBaseMs == 0;
}
