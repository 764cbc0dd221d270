#pragma once

#include <cmath>
#include <string>
#include <string_view>

// Rules that the post-load repair, the tree checks and the editor share.

// Written so that a value that is not a number counts as out of range too.
inline bool InRange(float value, float lowest, float highest) { return lowest <= value && value <= highest; }

// A schedule delay must be a whole multiple of the master's time base,
// exactly: 12.5 ms is no multiple of 5 ms. A time base of 0 or less fits no
// delay (and is never divided by).
inline bool IsWholeMultipleOfTimeBase(double delayMs, int timeBaseMs)
{
    return timeBaseMs > 0 && std::fmod(delayMs, timeBaseMs) == 0;
}

// The master sends a sporadic frame's frames, and the slaves answer an
// event-triggered frame's header with theirs: a sporadic frame lists only
// frames the master publishes, an event-triggered frame only frames it does not.
inline bool FitsSporadicFrame(std::string_view publisher, std::string_view masterName)
{
    return publisher == masterName;
}

inline bool FitsEventTriggeredFrame(std::string_view publisher, std::string_view masterName)
{
    return publisher != masterName;
}
