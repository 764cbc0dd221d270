#pragma once

#include "ldf/LdfFloat.h"
#include "ldf/LineEnds.h"

#include <string>
#include <vector>

class LinNetwork;

// Outcome of saving a network: empty error on success, else the reason.
struct SaveResult {
    std::string error;

    explicit operator bool() const { return error.empty(); }
};

// Writes the network's LDF text to path with text-mode line ends. The text
// goes to a temporary file in the target's folder first and replaces the
// target only once it was written completely, so a failed save leaves the
// previous file as it was (and no temporary file behind).
SaveResult SaveLdf(const LinNetwork& network, const std::string& path);
// The same for a text already made, written byte for byte.
SaveResult SaveLdfText(const std::string& text, const std::string& path);

// A record of the network that the written text leaves out, and why.
struct LeftOutRecord {
    std::string record;  // its kind and name: "Signal Speed"
    std::string reason;  // "no publisher"
};

// Every record of the network that BuildLdfText leaves out, in the order of
// the sections it would be written in. Saving loses these.
std::vector<LeftOutRecord> RecordsLeftOut(const LinNetwork& network);
// "Signal Speed: no publisher"
std::string FormatLeftOut(const LeftOutRecord& leftOut);

// False for a name that holds "//" or "/*": written, it would begin a
// comment. The reader can take such a name across a line break ("E/" and
// "/2" make "E//2"); the writer leaves its record out.
bool IsWritableName(const std::string& name);

// A text as a quoted statement can hold it: without the double quotes and
// line ends that would end it early.
std::string QuotableText(const std::string& text);
