#pragma once

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

// Text-mode line ends: every LF becomes CR LF, except an LF that already
// follows a CR (the header comment keeps its lines as CR LF pairs).
std::string ToCrLfLineEnds(const std::string& text);
// Plain line ends: every line end of CRs and an LF ("\r\n", "\r\r\n")
// becomes a single LF, so that converting twice gives what converting once
// gave.
std::string ToLfLineEnds(const std::string& text);

// A float as the writer prints it: two decimals when that text reads back as
// the same 32-bit float, else the shortest plain decimal (no exponent) that
// does. Independent of the C locale.
std::string FormatLdfFloat(float value);
// The same for a number kept at double precision.
std::string FormatLdfFloat(double value);

// A number as the shortest plain decimal (no exponent) that reads back as the
// same double: "50" for 50, "12.5" for 12.5. Independent of the C locale.
std::string FormatShortestNumber(double value);
