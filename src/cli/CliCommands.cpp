#include "cli/CliCommands.h"

#include "model/LinNetwork.h"
#include "reader/Keywords.h"
#include "validation/FrameLayout.h"
#include "validation/ItemMarks.h"
#include "validation/ScheduleTiming.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <ostream>

namespace {

const char* const kProgram = "duvazadi-cli";
// The position line ends every item text with this; the report drops the last one.
const std::string kPathSeparator = " / ";

void Fail(std::ostream& err, const std::string& reason) { err << kProgram << ": " << reason << "\n"; }

// The network of FILE, read, repaired and prepared as the tree prepares it;
// null (with the reason on err) when FILE cannot be read.
std::unique_ptr<LinNetwork> LoadPrepared(const std::string& file, std::ostream& err, TreeOutline& outline)
{
    LoadResult loaded = LinNetwork::Load(file);
    if (!loaded) {
        Fail(err, loaded.error);
        return nullptr;
    }
    outline = PrepareTreeOutline(*loaded.network);
    return std::move(loaded.network);
}

std::string WithoutFinalSeparator(std::string path)
{
    if (path.size() >= kPathSeparator.size() &&
        path.compare(path.size() - kPathSeparator.size(), kPathSeparator.size(), kPathSeparator) == 0)
        path.resize(path.size() - kPathSeparator.size());
    return path;
}

}  // namespace

std::string UsageText()
{
    return std::string("Usage: ") + kProgram + " check FILE\n" + "       " + kProgram + " format FILE [-o OUT]\n" +
           "       " + kProgram + " timing FILE\n" + "       " + kProgram + " layout FILE FRAME\n" + "       " +
           kProgram +
           " --help | --version\n"
           "\n"
           "check   Reads FILE and lists the reader's and the repair's messages, then\n"
           "        every item the consistency checks mark red, as \"path: reasons\".\n"
           "        Exit status 0 when nothing was listed, 1 when something was.\n"
           "format  Reads FILE and writes it in the editor's layout: to standard\n"
           "        output with LF line ends, or with -o to OUT as the editor saves.\n"
           "        Records the text cannot hold are named on standard error.\n"
           "timing  Reads FILE and prints per schedule table its cycle time and bus\n"
           "        load, and per entry its frame time and the headroom of its slot.\n"
           "layout  Reads FILE and prints the bits of FRAME (MasterReq and SlaveResp\n"
           "        too), byte 0 first, bit 0 at the right, a letter per signal;\n"
           "        '!' marks an overlap, 'x' a bit beyond the frame's length.\n"
           "\n"
           "Exit status 2: a usage error, FILE cannot be read, or OUT cannot be written.\n";
}

std::string VersionText() { return std::string(kProgram) + " " + DUVAZADI_VERSION + "\n"; }

int RunRequest(const CliRequest& request, std::ostream& out, std::ostream& err)
{
    switch (request.action) {
    case CliRequest::Action::Help:
        out << UsageText();
        return kExitSuccess;
    case CliRequest::Action::Version:
        out << VersionText();
        return kExitSuccess;
    case CliRequest::Action::Check:
        return RunCheck(request.file, out, err);
    case CliRequest::Action::Format:
        return RunFormat(request.file, request.output, out, err);
    case CliRequest::Action::Timing:
        return RunTiming(request.file, out, err);
    case CliRequest::Action::Layout:
        return RunLayout(request.file, request.frame, out, err);
    case CliRequest::Action::UsageError:
        break;
    }
    Fail(err, request.problem);
    err << UsageText();
    return kExitFailure;
}

int RunCheck(const std::string& file, std::ostream& out, std::ostream& err)
{
    TreeOutline outline;
    const auto network = LoadPrepared(file, err, outline);
    if (!network)
        return kExitFailure;
    const std::vector<std::string> lines = CheckReport(network->messages, outline);
    for (const std::string& line : lines)
        out << line << "\n";
    return lines.empty() ? kExitSuccess : kExitFindings;
}

int RunFormat(const std::string& file, const std::string& output, std::ostream& out, std::ostream& err)
{
    TreeOutline outline;
    const auto network = LoadPrepared(file, err, outline);
    if (!network)
        return kExitFailure;
    // As the editor asks before saving, the records the text loses are named.
    for (const LeftOutRecord& leftOut : RecordsLeftOut(*network))
        err << kProgram << ": not written: " << FormatLeftOut(leftOut) << "\n";
    if (!output.empty()) {
        const SaveResult saved = SaveLdf(*network, output);
        if (!saved) {
            Fail(err, saved.error);
            return kExitFailure;
        }
        return kExitSuccess;
    }
    out << ToLfLineEnds(network->BuildLdfText());
    if (!out.flush()) {
        Fail(err, "cannot write to standard output");
        return kExitFailure;
    }
    return kExitSuccess;
}

int RunTiming(const std::string& file, std::ostream& out, std::ostream& err)
{
    TreeOutline outline;
    const auto network = LoadPrepared(file, err, outline);
    if (!network)
        return kExitFailure;
    for (const std::string& line : TimingReport(*network))
        out << line << "\n";
    return kExitSuccess;
}

int RunLayout(const std::string& file, const std::string& frameName, std::ostream& out, std::ostream& err)
{
    TreeOutline outline;
    const auto network = LoadPrepared(file, err, outline);
    if (!network)
        return kExitFailure;
    FrameLayout layout;
    if (frameName == kw::MasterReq || frameName == kw::SlaveResp) {
        layout = LayOutDiagnosticFrame(*network,
                                       frameName == kw::MasterReq ? network->masterRequest : network->slaveResponse);
    } else if (const LinFrame* frame = network->FindFrame(frameName)) {
        layout = LayOutFrame(*network, *frame);
    } else {
        Fail(err, "no frame " + frameName + " in " + file);
        return kExitFailure;
    }
    out << frameName << ": length " << layout.length << "\n";
    for (const std::string& line : LayoutText(layout))
        out << line << "\n";
    return kExitSuccess;
}

std::vector<std::string> CheckReport(const MessageLog& messages, const TreeOutline& outline)
{
    std::vector<std::string> lines;
    for (const Message& message : messages)
        lines.push_back(FormatMessage(message));
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        if (outline.items[i].colour == ItemMarks::kRed)
            lines.push_back(WithoutFinalSeparator(outline.PathOf(static_cast<int>(i))) + ": " +
                            outline.items[i].messages);
    return lines;
}
