#pragma once

#include "cli/CliArguments.h"

#include <iosfwd>
#include <string>
#include <vector>

class MessageLog;
struct TreeOutline;

// Exit statuses: scripts rely on them.
constexpr int kExitSuccess = 0;   // done; check found nothing
constexpr int kExitFindings = 1;  // check printed messages or red items
constexpr int kExitFailure = 2;   // usage error, unreadable FILE, OUT not written

// The text of --help; a usage error shows it after the problem.
std::string UsageText();
std::string VersionText();

// Carries out a parsed command line; output goes to out, reasons to err.
int RunRequest(const CliRequest& request, std::ostream& out, std::ostream& err);

// check FILE: the load's messages, then every red item of the tree.
int RunCheck(const std::string& file, std::ostream& out, std::ostream& err);
// format FILE [-o OUT]: the prepared network as LDF text, to out with LF
// line ends, or saved to OUT as the editor saves.
int RunFormat(const std::string& file, const std::string& output, std::ostream& out, std::ostream& err);
// timing FILE: per schedule table its cycle and bus load, per entry its
// frame time and headroom (prepared as the tree prepares it, so frames
// without a length take the default of their id).
int RunTiming(const std::string& file, std::ostream& out, std::ostream& err);
// layout FILE FRAME: the bit grid of the frame (or MasterReq, SlaveResp).
int RunLayout(const std::string& file, const std::string& frameName, std::ostream& out, std::ostream& err);

// The lines check prints: every message as the Errors / Hints dialog lists
// it, then "<path>: <reasons>" for each red item in tree order.
std::vector<std::string> CheckReport(const MessageLog& messages, const TreeOutline& outline);
