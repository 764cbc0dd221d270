#pragma once

#include "cli/CliArguments.h"
#include "cli/RenameEntity.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class LinNetwork;
class MessageLog;
struct ConversionLoss;
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

// What the commands share. Fail writes "duvazadi-cli: reason" to err.
void Fail(std::ostream& err, const std::string& reason);
// Frees a network a command read; once LeaveNetworksToExit was called it
// keeps the network instead, reachable, until the process ends. Freeing a
// large network one record at a time is a noticeable share of a check, and
// the operating system takes the memory back at once; a leak checker sees
// the kept networks still reachable and counts nothing lost.
struct NetworkDeleter {
    void operator()(LinNetwork* network) const;
};
using ReadNetwork = std::unique_ptr<LinNetwork, NetworkDeleter>;
// For the program's main only: tests run many commands in one process.
void LeaveNetworksToExit();
// Frees the network now, even once networks are left to the exit: for a
// command that lets one go before reading the next.
void FreeNow(ReadNetwork& network);
// The network of FILE, read, repaired, converted to the dialect when one is
// given (what that lost in losses, the kept statements it dropped in
// unreadDropped) and prepared as the tree prepares it; null (with the
// reason on err) when FILE cannot be read.
ReadNetwork LoadPrepared(const std::string& file, std::ostream& err, TreeOutline& outline,
                         const std::optional<lin::Dialect>& dialect = std::nullopt,
                         std::vector<ConversionLoss>* losses = nullptr, std::string* writtenAsRead = nullptr,
                         std::vector<std::string>* unreadDropped = nullptr);
// The same for commands that neither write the text back nor look at it;
// the network keeps no text.
ReadNetwork LoadPreparedWithoutText(const std::string& file, std::ostream& err, TreeOutline& outline,
                                    const std::optional<lin::Dialect>& dialect = std::nullopt,
                                    std::vector<ConversionLoss>* losses = nullptr);
// The same network, read and tidied up as the preparation does it, for
// commands that show neither the tree nor its marks: no outline is built
// and no check runs.
ReadNetwork LoadTidiedWithoutText(const std::string& file, std::ostream& err);
// Standard output must take all of it; scripts act on the exit status.
int Flushed(std::ostream& out, std::ostream& err, int status);

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
// With keepLayout, the text is FILE's own with only what changed rewritten
// (LayoutKeepingWriter), written byte for byte to out or OUT.
int RunFormat(const std::string& file, const std::string& output, const DialectChoice& choice, std::ostream& out,
              std::ostream& err, bool keepLayout = false);
// rename FILE KIND OLD NEW [-o OUT]: the entity renamed with every mention,
// written in FILE's own layout; kExitFindings (nothing written) when there
// is no OLD of that kind or NEW is taken.
int RunRename(const std::string& file, const RenameRequest& rename, const std::string& output, std::ostream& out,
              std::ostream& err);
// text to out as it is, or saved to OUT byte for byte.
int WriteText(const std::string& text, const std::string& output, std::ostream& out, std::ostream& err);
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
// The same lines, each handed to line as it is made.
void ForEachCheckLine(const MessageLog& messages, const TreeOutline& outline,
                      const std::function<void(std::string)>& line);
