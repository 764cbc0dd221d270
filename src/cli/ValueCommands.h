#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The signal-value commands: a frame's bytes as its signals' values and
// back, and a bus log decoded line by line. Exit statuses as CliCommands.h
// gives them; 1 when a value is refused, the bytes do not fit the frame or
// a log line cannot be decoded.

// decode [--json] FILE FRAME BYTES: one line per signal, "Name: raw (0xhex)
// meaning" (the words of BYTES are read as one text).
int RunDecode(const std::string& file, const std::string& frame, const std::vector<std::string>& bytesWords, bool json,
              std::ostream& out, std::ostream& err);
// encode [--json] FILE FRAME SIGNAL=VALUE...: the frame's bytes in hex.
int RunEncode(const std::string& file, const std::string& frame, const std::vector<std::string>& assignments, bool json,
              std::ostream& out, std::ostream& err);
// decode-log [--csv] FILE LOG: "time frame Name: raw meaning" per frame
// and signal, or CSV; the lines not decoded are named on err at the end.
// It reads LOG one line at a time and keeps at most a fixed number of the
// lines not decoded, so its memory does not grow with the log.
int RunDecodeLog(const std::string& file, const std::string& log, bool csv, std::ostream& out, std::ostream& err);
