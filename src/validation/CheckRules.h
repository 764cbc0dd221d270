#pragma once

// Rules that the post-load repair and the tree checks share.

// Written so that a value that is not a number counts as out of range too.
inline bool InRange(float value, float lowest, float highest) { return lowest <= value && value <= highest; }

// A schedule delay must be a whole multiple of the master's time base. A
// time base of 0 or less fits no delay (and is never divided by).
inline bool IsWholeMultipleOfTimeBase(int delayMs, int timeBaseMs)
{
    return timeBaseMs > 0 && delayMs % timeBaseMs == 0;
}
