#pragma once

#include "cli/CliArguments.h"

#include <iosfwd>
#include <string>
#include <vector>

class MessageLog;
struct TreeOutline;

// Exit statuses: scripts rely on them.
constexpr int kExitSuccess = 0;   // done; check found nothing
constexpr int kExitFindings = 1;  // check printed messages or red items; diff found differences;
                                  // format --dialect would lose records
constexpr int kExitFailure = 2;   // usage error, unreadable FILE, OUT not written

// The text of --help.
std::string UsageText();
// The line a usage error shows after the problem.
std::string HelpPointer();
std::string VersionText();

// Carries out a parsed command line; output goes to out, reasons to err.
int RunRequest(const CliRequest& request, std::ostream& out, std::ostream& err);

// check [--dialect D] FILE: what a conversion to D loses, the load's
// messages, then every red item of the tree (of the converted network).
int RunCheck(const std::string& file, const std::optional<lin::Dialect>& dialect, std::ostream& out, std::ostream& err);

// format --dialect D [--force]: the version to write, and whether to write
// when the conversion loses something.
struct DialectChoice {
    std::optional<lin::Dialect> dialect;
    bool force = false;
};

// format FILE [-o OUT]: the prepared network as LDF text, to out with LF
// line ends, or saved to OUT as the editor saves. The load's messages go to
// err; a text without the LDF header writes nothing (kExitFailure). With a dialect, the
// network converted to it; its losses go to err first, and without force
// they stop the command (kExitFindings, nothing written).
int RunFormat(const std::string& file, const std::string& output, const DialectChoice& choice, std::ostream& out,
              std::ostream& err);
// timing FILE: per schedule table its cycle and bus load, per entry its
// frame time and headroom (prepared as the tree prepares it, so frames
// without a length take the default of their id).
int RunTiming(const std::string& file, std::ostream& out, std::ostream& err);
// layout FILE FRAME: the bit grid of the frame (or MasterReq, SlaveResp).
int RunLayout(const std::string& file, const std::string& frameName, std::ostream& out, std::ostream& err);
// diff [--json] OLD NEW: the differences by meaning, one line each or as a
// JSON array.
int RunDiff(const std::string& oldFile, const std::string& newFile, bool json, std::ostream& out, std::ostream& err);
// export --json FILE: the prepared network and the load's messages as JSON.
int RunExport(const std::string& file, std::ostream& out, std::ostream& err);

// The lines check prints: every message as the Errors / Hints dialog lists
// it, then "<path>: <reasons>" for each red item in tree order.
std::vector<std::string> CheckReport(const MessageLog& messages, const TreeOutline& outline);
