#include "cli/CliCommands.h"

#include "cli/JsonDocuments.h"
#include "cli/ValueCommands.h"
#include "compare/StoredSections.h"
#include "editing/Document.h"
#include "ldf/Keywords.h"
#include "model/DialectConversion.h"
#include "model/LinNetwork.h"
#include "model/UnreadPlaces.h"
#include "validation/FrameLayout.h"
#include "validation/ItemMarks.h"
#include "validation/ScheduleTiming.h"
#include "validation/TreeOutline.h"
#include "writer/LayoutKeepingWriter.h"
#include "writer/LdfWriter.h"

#include <ostream>

namespace {

const char* const kProgram = "duvazadi-cli";
// The position line ends every item text with this; the report drops the last one.
const std::string kPathSeparator = " / ";
// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kNotLdf = "not an LDF file";
const char* const kCannotWriteOutput = "cannot write to standard output";
const char* const kStoreFailed = "cannot keep the older network in a temporary file";

}  // namespace

void Fail(std::ostream& err, const std::string& reason) { err << kProgram << ": " << reason << "\n"; }

namespace {

bool g_leaveNetworksToExit = false;
// Never destroyed, so that what it holds stays reachable up to the end.
std::vector<LinNetwork*>* const g_networksLeftToExit = new std::vector<LinNetwork*>;

}  // namespace

void NetworkDeleter::operator()(LinNetwork* network) const
{
    if (g_leaveNetworksToExit)
        g_networksLeftToExit->push_back(network);
    else
        delete network;
}

void LeaveNetworksToExit() { g_leaveNetworksToExit = true; }

void FreeNow(ReadNetwork& network) { delete network.release(); }

namespace {

ReadNetwork Prepared(LoadResult read, std::ostream& err, TreeOutline& outline,
                     const std::optional<lin::Dialect>& dialect, std::vector<ConversionLoss>* losses,
                     std::string* writtenAsRead, std::vector<std::string>* unreadDropped)
{
    PreparedLoad loaded = PrepareLoaded(std::move(read), dialect, writtenAsRead);
    if (!loaded) {
        Fail(err, loaded.error);
        return nullptr;
    }
    if (losses)
        *losses = std::move(loaded.losses);
    if (unreadDropped)
        *unreadDropped = std::move(loaded.unreadDropped);
    outline = std::move(loaded.outline);
    return ReadNetwork(loaded.network.release());
}

}  // namespace

ReadNetwork LoadPrepared(const std::string& file, std::ostream& err, TreeOutline& outline,
                         const std::optional<lin::Dialect>& dialect, std::vector<ConversionLoss>* losses,
                         std::string* writtenAsRead, std::vector<std::string>* unreadDropped)
{
    return Prepared(LinNetwork::Load(file), err, outline, dialect, losses, writtenAsRead, unreadDropped);
}

ReadNetwork LoadPreparedWithoutText(const std::string& file, std::ostream& err, TreeOutline& outline,
                                    const std::optional<lin::Dialect>& dialect, std::vector<ConversionLoss>* losses)
{
    // The preparation reads no text, so the text is gone before the checks
    // and the outline take memory.
    LoadResult read = LinNetwork::Load(file, LinNetwork::TextAfterReading::Dropped);
    return Prepared(std::move(read), err, outline, dialect, losses, nullptr, nullptr);
}

ReadNetwork LoadTidiedWithoutText(const std::string& file, std::ostream& err)
{
    LoadResult read = LinNetwork::Load(file, LinNetwork::TextAfterReading::Dropped);
    if (!read) {
        Fail(err, read.error);
        return nullptr;
    }
    TidyUpNetwork(*read.network);
    return ReadNetwork(read.network.release());
}

int Flushed(std::ostream& out, std::ostream& err, int status)
{
    if (out.flush())
        return status;
    Fail(err, kCannotWriteOutput);
    return kExitFailure;
}

namespace {

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
    return std::string("Usage: ") + kProgram + " check [--dialect D] FILE\n" + "       " + kProgram +
           " format [--dialect D [--force]] [--keep-layout] FILE [-o OUT]\n" + "       " + kProgram +
           " rename FILE KIND OLD NEW [-o OUT]\n" + "       " + kProgram + " timing FILE\n" + "       " + kProgram +
           " layout FILE FRAME\n" + "       " + kProgram + " diff [--json] OLD NEW\n" + "       " + kProgram +
           " export --json FILE\n" + "       " + kProgram + " decode [--json] FILE FRAME BYTES\n" + "       " +
           kProgram + " encode [--json] FILE FRAME [SIGNAL=VALUE ...]\n" + "       " + kProgram +
           " decode-log [--csv] FILE LOG\n" + "       " + kProgram +
           " --help | --version\n"
           "\n"
           "check   Reads FILE and lists the reader's and the repair's messages, then\n"
           "        every item the consistency checks mark red, as \"path: reasons\".\n"
           "        Exit status 0 when nothing was listed, 1 when something was.\n"
           "        With --dialect D, first what a conversion to D would lose, then\n"
           "        the checks of the converted network.\n"
           "format  Reads FILE and writes it in the editor's layout: to standard\n"
           "        output with LF line ends, or with -o to OUT as the editor saves.\n"
           "        Records the text cannot hold are named on standard error.\n"
           "        With --dialect D (2.0, 2.1, 2.2, iso17987, j2602) the network is\n"
           "        converted to that LDF version first; what the version cannot\n"
           "        hold is named on standard error, and then nothing is written and\n"
           "        the exit status is 1, unless --force is given.\n"
           "        With --keep-layout, FILE keeps its own layout, comments and\n"
           "        number forms: only what the conversion changes is rewritten.\n"
           "rename  Renames OLD, of KIND (" +
           RenameKindNames() +
           "),\n"
           "        to NEW with every mention, and writes FILE in its own layout:\n"
           "        to standard output, or with -o to OUT. Exit status 1 when FILE\n"
           "        has no OLD of that kind or NEW is taken (nothing written).\n"
           "timing  Reads FILE and prints per schedule table its cycle time and bus\n"
           "        load, and per entry its frame time and the headroom of its slot.\n"
           "layout  Reads FILE and prints the bits of FRAME (MasterReq and SlaveResp\n"
           "        too), byte 0 first, bit 0 at the right, a letter per signal;\n"
           "        '!' marks an overlap, 'x' a bit beyond the frame's length.\n"
           "diff    Reads OLD and NEW and lists what differs by meaning, in the tree's\n"
           "        order: \"Frames / F1: length 2 -> 4\". Layout, comments, number\n"
           "        bases and the order of sections never count. With --json, the\n"
           "        same as a JSON array. Exit status 0 when equal, 1 when not.\n"
           "export  Reads FILE and prints the network and the load's messages as one\n"
           "        JSON document (layout in docs/json-schema.md).\n"
           "decode  Reads FILE and prints the values BYTES (hex: 01 2A ff or 012Aff)\n"
           "        carry in FRAME (a name or an id), one line per signal: its raw\n"
           "        value in decimal and hex, then its physical value with unit or\n"
           "        its logical text. Exit status 1 when BYTES do not fit FRAME.\n"
           "encode  Reads FILE and prints the bytes of FRAME with the values given;\n"
           "        the other signals take their initial value. VALUE is a logical\n"
           "        text, a physical value with or without unit, or a raw value in\n"
           "        hex (0x1F; a byte array's bytes: 01 02 03). Exit status 1 when\n"
           "        a value is refused (the signal and why on standard error).\n"
           "decode-log  Reads FILE and decodes LOG, lines of \"time id bytes\" (id\n"
           "        decimal or 0x hex; blanks or commas between; '#' comments), one\n"
           "        line per frame and signal, or with --csv as CSV. Lines not\n"
           "        decoded are named on standard error at the end; exit status 1.\n"
           "\n"
           "Exit status 2: a usage error, FILE cannot be read, or OUT cannot be written.\n";
}

std::string HelpPointer() { return std::string("Run ") + kProgram + " --help for the usage.\n"; }

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
        return RunCheck(request.file, request.dialect, out, err);
    case CliRequest::Action::Format:
        return RunFormat(request.file, request.output, {request.dialect, request.force}, out, err, request.keepLayout);
    case CliRequest::Action::Rename:
        return RunRename(request.file, {request.kind, request.oldName, request.newName}, request.output, out, err);
    case CliRequest::Action::Timing:
        return RunTiming(request.file, out, err);
    case CliRequest::Action::Layout:
        return RunLayout(request.file, request.frame, out, err);
    case CliRequest::Action::Diff:
        return RunDiff(request.file, request.newFile, request.json, out, err);
    case CliRequest::Action::Export:
        return RunExport(request.file, out, err);
    case CliRequest::Action::Decode:
        return RunDecode(request.file, request.frame, request.values, request.json, out, err);
    case CliRequest::Action::Encode:
        return RunEncode(request.file, request.frame, request.values, request.json, out, err);
    case CliRequest::Action::DecodeLog:
        return RunDecodeLog(request.file, request.log, request.csv, out, err);
    case CliRequest::Action::UsageError:
        break;
    }
    Fail(err, request.problem);
    err << HelpPointer();
    return kExitFailure;
}

int RunCheck(const std::string& file, const std::optional<lin::Dialect>& dialect, std::ostream& out, std::ostream& err)
{
    TreeOutline outline;
    std::vector<ConversionLoss> losses;
    const auto network = LoadPreparedWithoutText(file, err, outline, dialect, &losses);
    if (!network)
        return kExitFailure;
    // A loss counts as a finding of that version, listed before the others.
    for (const ConversionLoss& loss : losses)
        out << FormatLoss(loss) << "\n";
    // Each line goes out as it is made: a large network's report is as long
    // as its list of red items.
    bool findings = !losses.empty();
    ForEachCheckLine(network->messages, outline, [&](const std::string& line) {
        out << line << "\n";
        findings = true;
    });
    return Flushed(out, err, findings ? kExitFindings : kExitSuccess);
}

int RunFormat(const std::string& file, const std::string& output, const DialectChoice& choice, std::ostream& out,
              std::ostream& err, bool keepLayout)
{
    TreeOutline outline;
    std::vector<ConversionLoss> losses;
    std::string writtenAsRead;
    std::vector<std::string> notWritten;
    const auto network =
        LoadPrepared(file, err, outline, choice.dialect, &losses, keepLayout ? &writtenAsRead : nullptr, &notWritten);
    if (!network)
        return kExitFailure;
    // What the load reported goes with the rewrite, as check lists it.
    for (const Message& message : network->messages)
        err << FormatMessage(message) << "\n";
    // A text without the header is no LDF file at all; writing the default
    // network made of it would replace a file with nothing.
    if (!IsLdfText(network->fileText)) {
        Fail(err, file + ": " + kNotLdf);
        return kExitFailure;
    }
    // Nothing of what the version cannot hold is dropped unasked.
    for (const ConversionLoss& loss : losses)
        err << kProgram << ": lost: " << FormatLoss(loss) << "\n";
    if (!losses.empty() && !choice.force) {
        Fail(err, "nothing written; --force writes without what is lost");
        return kExitFindings;
    }
    // As the editor asks before saving, the records the text loses are named.
    for (const LeftOutRecord& leftOut : RecordsLeftOut(*network))
        err << kProgram << ": not written: " << FormatLeftOut(leftOut) << "\n";
    // So are the statements the reader kept inside blocks, which only the
    // file's own layout gives back.
    if (!keepLayout)
        for (const std::string& line : UnreadStatementsLeftOut(*network))
            notWritten.push_back(line);
    for (const std::string& line : notWritten)
        err << kProgram << ": not written: " << line << "\n";
    if (keepLayout)
        return WriteText(BuildLayoutKeptText(*network, writtenAsRead), output, out, err);
    if (!output.empty()) {
        const SaveResult saved = SaveLdf(*network, output);
        if (!saved) {
            Fail(err, saved.error);
            return kExitFailure;
        }
        return kExitSuccess;
    }
    out << ToLfLineEnds(network->BuildLdfText());
    return Flushed(out, err, kExitSuccess);
}

int WriteText(const std::string& text, const std::string& output, std::ostream& out, std::ostream& err)
{
    if (output.empty()) {
        out << text;
        return Flushed(out, err, kExitSuccess);
    }
    const SaveResult saved = SaveLdfText(text, output);
    if (!saved) {
        Fail(err, saved.error);
        return kExitFailure;
    }
    return kExitSuccess;
}

int RunRename(const std::string& file, const RenameRequest& rename, const std::string& output, std::ostream& out,
              std::ostream& err)
{
    if (!IsRenameKind(rename.kind)) {
        Fail(err, "unknown KIND " + rename.kind + ", not one of " + RenameKindNames());
        err << UsageText();
        return kExitFailure;
    }
    if (!IsLdfName(rename.newName)) {
        Fail(err, rename.newName + " is not a name: letters, digits and '_' only");
        return kExitFailure;
    }
    TreeOutline outline;
    std::string writtenAsRead;
    const auto network = LoadPrepared(file, err, outline, std::nullopt, nullptr, &writtenAsRead);
    if (!network)
        return kExitFailure;
    const std::string refused = RenameEntity(*network, rename);
    if (!refused.empty()) {
        Fail(err, refused + "; nothing written");
        return kExitFindings;
    }
    return WriteText(BuildLayoutKeptText(*network, writtenAsRead), output, out, err);
}

int RunDiff(const std::string& oldFile, const std::string& newFile, bool json, std::ostream& out, std::ostream& err)
{
    // Neither text is compared, and neither network is ever marked. The
    // older network waits as compact bytes while the newer one is read, so
    // the two never take memory as networks at once.
    auto older = LoadTidiedWithoutText(oldFile, err);
    if (!older)
        return kExitFailure;
    const StoredSections olderSections(DescribeNetwork(older->Content()));
    FreeNow(older);
    const auto newer = LoadTidiedWithoutText(newFile, err);
    if (!newer)
        return kExitFailure;
    const std::vector<NetworkSection> newerSections = DescribeNetwork(newer->Content());
    // Each difference is printed as it is found; none is kept.
    bool differ = false;
    if (json) {
        DifferencesDocument document(out);
        CompareSections(olderSections.Sections(), newerSections, [&](const Difference& difference) {
            document.Add(difference);
            differ = true;
        });
        document.Finish();
    } else {
        CompareSections(olderSections.Sections(), newerSections, [&](const Difference& difference) {
            out << difference.Text() << "\n";
            differ = true;
        });
    }
    if (olderSections.Failed()) {
        Fail(err, kStoreFailed);
        return kExitFailure;
    }
    return Flushed(out, err, differ ? kExitFindings : kExitSuccess);
}

int RunExport(const std::string& file, std::ostream& out, std::ostream& err)
{
    const auto network = LoadTidiedWithoutText(file, err);
    if (!network)
        return kExitFailure;
    WriteNetworkDocument(out, *network, file);
    return Flushed(out, err, kExitSuccess);
}

int RunTiming(const std::string& file, std::ostream& out, std::ostream& err)
{
    const auto network = LoadTidiedWithoutText(file, err);
    if (!network)
        return kExitFailure;
    for (const std::string& line : TimingReport(*network))
        out << line << "\n";
    return Flushed(out, err, kExitSuccess);
}

int RunLayout(const std::string& file, const std::string& frameName, std::ostream& out, std::ostream& err)
{
    const auto network = LoadTidiedWithoutText(file, err);
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
    return Flushed(out, err, kExitSuccess);
}

std::vector<std::string> CheckReport(const MessageLog& messages, const TreeOutline& outline)
{
    std::vector<std::string> lines;
    ForEachCheckLine(messages, outline, [&lines](std::string line) { lines.push_back(std::move(line)); });
    return lines;
}

void ForEachCheckLine(const MessageLog& messages, const TreeOutline& outline,
                      const std::function<void(std::string)>& line)
{
    for (const Message& message : messages)
        line(FormatMessage(message));
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        if (outline.items[i].colour == ItemMarks::kRed)
            line(WithoutFinalSeparator(outline.PathOf(static_cast<int>(i))) + ": " +
                 outline.ReasonsOf(static_cast<int>(i)));
}
