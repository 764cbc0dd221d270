#include "cli/CliCommands.h"
#include "TestFiles.h"
#include "cli/JsonDocuments.h"
#include "cli/JsonStream.h"
#include "ldf/MessageLog.h"
#include "validation/ItemMarks.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

namespace {

// What check prints for tests/data/cli-check.ldf: the reader's and the
// repair's messages, then the red items in tree order.
const char* const kCheckOutput = "Z: 14 Count of parameters incorrect\n"
                                 "Warning: Subscriber not here: S3\n"
                                 "Frame ID wrong (0-63):  F1\n"
                                 "Schedule-Frame-Time wrong (x*t_base): T1\n"
                                 "Frames / F1: Signal/Offset out of range; Frame ID wrong\n"
                                 "Signals / S3: No subscriber\n"
                                 "Schedules / T1: Delay no divider of Time Base\n";

std::string Fixture(const std::string& name) { return TestDataDir() + "/" + name; }

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun Capture(const std::function<int(std::ostream&, std::ostream&)>& command)
{
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = command(out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

CommandRun Check(const std::string& file, const std::optional<lin::Dialect>& dialect = std::nullopt)
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunCheck(file, dialect, out, err); });
}

CommandRun Format(const std::string& file, const std::string& output = {}, const DialectChoice& choice = {})
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunFormat(file, output, choice, out, err); });
}

CommandRun Rename(const std::string& file, const RenameRequest& rename, const std::string& output = {})
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunRename(file, rename, output, out, err); });
}

CommandRun Timing(const std::string& file)
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunTiming(file, out, err); });
}

CommandRun Layout(const std::string& file, const std::string& frame)
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunLayout(file, frame, out, err); });
}

void AddItem(TreeOutline& outline, const std::string& text, int parent, int colour)
{
    OutlineItem& item = outline.Add(text);
    item.parent = parent;
    item.colour = static_cast<std::int16_t>(colour);
}

TEST(CheckReport, MessagesThenRedItemsByTheirPath)
{
    MessageLog messages;
    messages.Add(3, "False paramters");
    messages.Add(0, "No slaves here");
    TreeOutline outline;
    AddItem(outline, "Network", -1, ItemMarks::kBlack);
    AddItem(outline, "Frames", -1, ItemMarks::kNoColour);
    AddItem(outline, "F1", 1, ItemMarks::kRed);
    AddItem(outline, "F2", 1, ItemMarks::kBlack);
    outline.reasons[2] = "Overlapped signals; Frame ID wrong";

    const std::vector<std::string> expected = {"Z: 3 False paramters", "No slaves here",
                                               "Frames / F1: Overlapped signals; Frame ID wrong"};
    EXPECT_EQ(expected, CheckReport(messages, outline));
}

TEST(RunCheck, PrintsMessagesAndRedItems)
{
    const CommandRun run = Check(Fixture("cli-check.ldf"));
    EXPECT_EQ(kExitFindings, run.status);
    EXPECT_EQ(kCheckOutput, run.out) << FirstTextDifference(kCheckOutput, run.out);
    EXPECT_EQ("", run.err);
}

// Values kept although the file's version does not allow them: the checks
// mark their items with the reason.
TEST(RunCheck, MarksValuesKeptAsRead)
{
    const struct {
        const char* fixture;
        std::vector<std::string> redItems;
    } cases[] = {
        {"kept-values-node-attributes.ldf",
         {"Nodes / LSM: Protocol version unknown",
          "Nodes / RSM: Product ID without variant; NAD out of range for the LIN version",
          "Nodes / DSM: NAD out of range for the LIN version"}},
        {"kept-values-schedule-master.ldf",
         {"Nodes / Master: Time base and jitter not given", "Schedules / Configure: Frame not unconditional"}},
        {"kept-diagnostic-frames.ldf", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        std::vector<std::string> redItems;
        std::istringstream lines(Check(Fixture(c.fixture)).out);
        for (std::string line; std::getline(lines, line);)
            if (line.find(" / ") != std::string::npos)
                redItems.push_back(line);
        EXPECT_EQ(c.redItems, redItems);
    }
}

TEST(RunCheck, FileTheWriterMadeOfANewNetworkIsClean)
{
    const CommandRun run = Check(Fixture("writer/new-network.written.ldf"));
    EXPECT_EQ(kExitSuccess, run.status);
    EXPECT_EQ("", run.out);
}

TEST(RunCheck, UnreadableFileGivesTheReasonOnly)
{
    const std::string missing = Fixture("no-such-file.ldf");
    const CommandRun run = Check(missing);
    EXPECT_EQ(kExitFailure, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("duvazadi-cli: Cannot open the file " + missing + "\n", run.err);
}

TEST(RunCheck, DialectListsTheLossesFirstAndCountsThemAsFindings)
{
    const CommandRun run = Check(Fixture("dialects/rich.ldf"), lin::Dialect::Lin20);
    EXPECT_EQ(kExitFindings, run.status);
    EXPECT_EQ(0u, run.out.find("Header: Channel_name is not in LIN 2.0\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("\nNode attributes of LSM: initial_NAD is not in LIN 2.0\n")) << run.out;
    EXPECT_EQ(kExitSuccess, Check(Fixture("writer/new-network.written.ldf"), lin::Dialect::Lin21).status);
}

TEST(RunTiming, PrintsTableFiguresThenEntries)
{
    // One byte at 19.2 kbit/s: 54 bit times, 2.81 ms; at most 3.94 ms.
    const CommandRun run = Timing(Fixture("cli-check.ldf"));
    EXPECT_EQ(kExitSuccess, run.status);
    EXPECT_EQ("T1: cycle 15.00 ms, bus load 18.75 % nominal, 26.25 % maximum\n"
              "  F1: delay 15.00 ms, length 1, frame 2.81 ms nominal, 3.94 ms maximum, headroom 10.96 ms\n",
              run.out);
    EXPECT_EQ(kExitFailure, Timing(Fixture("no-such-file.ldf")).status);
}

TEST(RunLayout, PrintsTheGridWithOverlapAndBitsPastTheEnd)
{
    const CommandRun run = Layout(Fixture("cli-check.ldf"), "F1");
    EXPECT_EQ(kExitSuccess, run.status);
    EXPECT_EQ("F1: length 1\n"
              "byte  7 6 5 4 3 2 1 0\n"
              "   0  ! ! ! ! A A A A\n"
              "   1  x x x x B B B B\n"
              "A = S1: bits 0-7, overlaps\n"
              "B = S2: bits 4-11, overlaps, past the end\n",
              run.out);
    EXPECT_EQ(kExitSuccess, Layout(Fixture("cli-check.ldf"), "MasterReq").status);
    const CommandRun missing = Layout(Fixture("cli-check.ldf"), "F9");
    EXPECT_EQ(kExitFailure, missing.status);
    EXPECT_NE(std::string::npos, missing.err.find("no frame F9"));
}

TEST(RunLayout, LengthOutsideZeroToEightDrawsNothingAndGivesTheChecksReason)
{
    const CommandRun run = Layout(Fixture("frame-length-negative.ldf"), "F");
    EXPECT_EQ(kExitSuccess, run.status);
    EXPECT_EQ("F: length -1\n"
              "Frame size wrong\n"
              "A = a: bits 0-7, past the end\n",
              run.out);
    EXPECT_EQ("G: length -8\nFrame size wrong\n", Layout(Fixture("frame-length-negative.ldf"), "G").out);
}

TEST(RunFormat, WritesTheFixedLayoutWithLfLineEnds)
{
    const CommandRun run = Format(Fixture("cli-check.ldf"));
    const std::string expected = ReadFileBytes(Fixture("cli-check.written.ldf"));
    EXPECT_EQ(kExitSuccess, run.status);
    EXPECT_EQ(expected, run.out) << FirstTextDifference(expected, run.out);
}

TEST(RunFormat, NamesTheRecordsTheTextLeavesOutOnStandardError)
{
    ScratchFolder folder;
    for (const std::string& output : {std::string(), folder / "out.ldf"}) {
        const CommandRun run = Format(Fixture("fuzz-signal-without-publisher.ldf"), output);
        EXPECT_EQ(kExitSuccess, run.status);
        EXPECT_EQ("Publisher not here: Orphan\n"
                  "Signal-Pub. different from Frame-Pub.: F1\n"
                  "duvazadi-cli: not written: Signal Orphan: no publisher\n"
                  "duvazadi-cli: not written: Representation E2: none of its signals is written\n",
                  run.err);
    }
    EXPECT_EQ(std::string::npos, Format(Fixture("cli-check.ldf")).err.find("not written"));
}

// The statements kept inside blocks: the fixed layout and another version
// name each by its line, the file's own layout gives them back unnamed, and
// diff sees a saved file without them as a different network.
TEST(RunFormat, NamesTheStatementsNotReadThatOnlyTheFilesLayoutKeeps)
{
    const std::string file = Fixture("unread-schedule-tables.ldf");
    const char* const notWritten = "duvazadi-cli: not written: line 40: statement not read\n"
                                   "duvazadi-cli: not written: line 51: statement not read\n"
                                   "duvazadi-cli: not written: line 52: statement not read\n"
                                   "duvazadi-cli: not written: line 53: statement not read\n"
                                   "duvazadi-cli: not written: line 57: statement not read\n";
    const struct {
        const char* name;
        DialectChoice choice;
        bool keepLayout;
        bool namesThem;
    } cases[] = {
        {"fixed layout", {}, false, true},
        {"own layout", {}, true, false},
        {"own version", {lin::Dialect::Lin21, false}, true, false},
        {"other version", {lin::Dialect::Lin22, true}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRun run = Capture([&](std::ostream& out, std::ostream& err) {
            return RunFormat(file, std::string(), c.choice, out, err, c.keepLayout);
        });
        EXPECT_EQ(kExitSuccess, run.status) << run.err;
        EXPECT_EQ(c.namesThem, run.err.find(notWritten) != std::string::npos) << run.err;
        EXPECT_EQ(!c.namesThem, run.out.find("vendor_table_note = 1;") != std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(file), Capture([&](std::ostream& out, std::ostream& err) {
                                       return RunFormat(file, std::string(), {}, out, err, true);
                                   }).out);

    ScratchFolder folder;
    const std::string saved = folder / "saved.ldf";
    ASSERT_EQ(kExitSuccess, Format(file, saved).status);
    const CommandRun diff =
        Capture([&](std::ostream& out, std::ostream& err) { return RunDiff(file, saved, false, out, err); });
    EXPECT_EQ(kExitFindings, diff.status);
    EXPECT_NE(std::string::npos, diff.out.find("statement not read")) << diff.out;
}

TEST(RunFormat, OutputFileIsTheStandardOutputTextWithCrLf)
{
    ScratchFolder folder;
    const std::string output = folder / "out.ldf";
    const CommandRun toFile = Format(Fixture("cli-check.ldf"), output);
    EXPECT_EQ(kExitSuccess, toFile.status) << toFile.err;
    EXPECT_EQ("", toFile.out);
    EXPECT_EQ(ToCrLfLineEnds(Format(Fixture("cli-check.ldf")).out), ReadFileBytes(output));
}

TEST(RunFormat, KeepingTheLayoutGivesAnUneditedFileBackByteForByte)
{
    ScratchFolder folder;
    const std::string file = Fixture("layout/crlf-line-ends.ldf");
    const CommandRun run =
        Capture([&](std::ostream& out, std::ostream& err) { return RunFormat(file, {}, {}, out, err, true); });
    EXPECT_EQ(kExitSuccess, run.status) << run.err;
    EXPECT_EQ(ReadFileBytes(file), run.out);
    const CommandRun toFile = Capture(
        [&](std::ostream& out, std::ostream& err) { return RunFormat(file, folder / "out.ldf", {}, out, err, true); });
    EXPECT_EQ(kExitSuccess, toFile.status) << toFile.err;
    EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(folder / "out.ldf"));
}

TEST(RunRename, WritesOnlyTheLinesThatNameTheEntity)
{
    ScratchFolder folder;
    const std::string file = Fixture("layout/crlf-line-ends.ldf");
    const CommandRun run = Rename(file, {"frame", "CEM_Frm", "State_Frm"}, folder / "out.ldf");
    EXPECT_EQ(kExitSuccess, run.status) << run.err;
    EXPECT_EQ("", run.out);
    std::string expected = ReadFileBytes(file);
    for (std::size_t at = expected.find("CEM_Frm"); at != std::string::npos; at = expected.find("CEM_Frm", at))
        expected.replace(at, 7, "State_Frm");
    EXPECT_EQ(expected, ReadFileBytes(folder / "out.ldf"));
}

TEST(RunRename, RefusesAMissingOrTakenNameAndBadArguments)
{
    ScratchFolder folder;
    const std::string file = Fixture("layout/crlf-line-ends.ldf");
    const struct {
        RenameRequest rename;
        int status;
        std::string err;
    } cases[] = {
        {{"signal", "Nothing", "Other"}, kExitFindings, "duvazadi-cli: no signal Nothing; nothing written\n"},
        {{"signal", "Speed", "LampReq"}, kExitFindings, "duvazadi-cli: LampReq is taken; nothing written\n"},
        {{"node", "LSM", "CEM"}, kExitFindings, "duvazadi-cli: CEM is taken; nothing written\n"},
        {{"frame", "CEM_Frm", "Two words"},
         kExitFailure,
         "duvazadi-cli: Two words is not a name: letters, digits and '_' only\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rename.kind + " " + c.rename.oldName + " " + c.rename.newName);
        const CommandRun run = Rename(file, c.rename, folder / "out.ldf");
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.err, run.err);
        EXPECT_EQ("", run.out);
    }
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_EQ(kExitFailure, Rename(file, {"colour", "A", "B"}).status);
    EXPECT_EQ(kExitFailure, Rename(folder / "missing.ldf", {"signal", "A", "B"}).status);
}

TEST(RunFormat, OutputIntoAMissingFolderFailsAndLeavesNoFile)
{
    ScratchFolder folder;
    const std::string output = folder / "missing/out.ldf";
    const CommandRun run = Format(Fixture("writer/new-network.written.ldf"), output);
    EXPECT_EQ(kExitFailure, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("duvazadi-cli: Cannot save " + output + ": the folder " + (folder / "missing") + " does not exist\n",
              run.err);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(RunFormat, DialectWithLossesWritesOnlyWhenForced)
{
    const struct {
        const char* file;
        DialectChoice choice;
        int status;
        bool written;
    } cases[] = {
        {"dialects/rich.ldf", {lin::Dialect::Lin20, false}, kExitFindings, false},
        {"dialects/rich.ldf", {lin::Dialect::Lin20, true}, kExitSuccess, true},
        {"writer/new-network.written.ldf", {lin::Dialect::Lin21, false}, kExitSuccess, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + (c.choice.force ? " --force" : ""));
        ScratchFolder folder;
        const CommandRun run = Format(Fixture(c.file), folder / "out.ldf", c.choice);
        EXPECT_EQ(c.status, run.status) << run.err;
        EXPECT_EQ(c.written, !folder.Entries().empty());
        const bool lossesNamed =
            run.err.find("duvazadi-cli: lost: Node attributes of LSM: initial_NAD") != std::string::npos;
        EXPECT_EQ(c.file == std::string("dialects/rich.ldf"), lossesNamed) << run.err;
    }
    const CommandRun text = Format(Fixture("writer/new-network.written.ldf"), {}, {lin::Dialect::Lin21, false});
    EXPECT_NE(std::string::npos, text.out.find("LIN_language_version = \"2.1\";\n")) << text.out;
}

TEST(RunFormat, UnreadableFileWritesNothing)
{
    ScratchFolder folder;
    const CommandRun run = Format(Fixture("no-such-file.ldf"), folder / "out.ldf");
    EXPECT_EQ(kExitFailure, run.status);
    EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace

namespace {

void Stream(JsonStream& json, const nlohmann::ordered_json& value)
{
    if (value.is_object()) {
        json.BeginObject();
        for (const auto& [key, member] : value.items()) {
            json.Key(key);
            Stream(json, member);
        }
        return json.EndObject();
    }
    if (value.is_array()) {
        json.BeginArray();
        for (const auto& item : value)
            Stream(json, item);
        return json.EndArray();
    }
    json.Scalar(value);
}

}  // namespace

// export --json and diff --json are written piece by piece; what they print
// must stay what dump(2) prints for the whole document.
TEST(JsonStream, WritesWhatDumpWritesForTheWholeDocument)
{
    const auto document = nlohmann::ordered_json::parse(R"({
        "empty_object": {}, "empty_array": [], "nested": [[], [{}], [1, [2, {"a": null}]]],
        "numbers": [0, -7, 0.5, 1e308, 19.2, 1e-05], "flags": [true, false], "text": "a \"quoted\" \\ text\n"
    })");
    nlohmann::ordered_json withOddValues = document;
    withOddValues["not_utf8"] = std::string("caf\xE9");
    withOddValues["not_a_number"] = std::nan("");
    const std::vector<nlohmann::ordered_json> values = {document, withOddValues, nlohmann::ordered_json::array(),
                                                        nlohmann::ordered_json(3)};
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        const nlohmann::ordered_json& value = values[i];
        std::ostringstream out;
        JsonStream json(out);
        Stream(json, value);
        json.End();
        EXPECT_EQ(JsonText(value), out.str());
    }
}
