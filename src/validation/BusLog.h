#pragma once

#include "validation/FrameBits.h"

#include <string>

// One line of a bus log: "time id bytes", the time in seconds, the frame
// id in decimal or in hex with 0x, the bytes as ReadHexBytes reads them;
// blanks or commas between, '#' starts a comment.
struct LogLine {
    bool blank = false;  // nothing but blanks and a comment
    std::string time;    // as written
    int frameId = -1;
    FrameData bytes;
    std::string error;  // why the line cannot be read; empty when it can

    explicit operator bool() const { return error.empty(); }
};

LogLine ReadLogLine(const std::string& line);
