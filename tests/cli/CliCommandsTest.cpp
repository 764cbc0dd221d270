#include "cli/CliCommands.h"
#include "TestFiles.h"
#include "model/MessageLog.h"
#include "validation/ItemMarks.h"
#include "validation/TreeOutline.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

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

CommandRun Check(const std::string& file)
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunCheck(file, out, err); });
}

CommandRun Format(const std::string& file, const std::string& output = {})
{
    return Capture([&](std::ostream& out, std::ostream& err) { return RunFormat(file, output, out, err); });
}

OutlineItem Item(const std::string& text, int depth, int parent, int colour, const std::string& messages = {})
{
    OutlineItem item;
    item.text = text;
    item.depth = depth;
    item.parent = parent;
    item.colour = colour;
    item.messages = messages;
    return item;
}

TEST(CheckReport, MessagesThenRedItemsByTheirPath)
{
    MessageLog messages;
    messages.Add(3, "False paramters");
    messages.Add(0, "No slaves here");
    TreeOutline outline;
    outline.items = {Item("Network", 0, -1, ItemMarks::kBlack), Item("Frames", 0, -1, ItemMarks::kNoColour),
                     Item("F1", 1, 1, ItemMarks::kRed, "Overlapped signals; Frame ID wrong"),
                     Item("F2", 1, 1, ItemMarks::kBlack)};

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
        EXPECT_EQ("duvazadi-cli: not written: Signal Orphan: no publisher\n"
                  "duvazadi-cli: not written: Representation E2: none of its signals is written\n",
                  run.err);
    }
    EXPECT_EQ("", Format(Fixture("cli-check.ldf")).err);
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

TEST(RunFormat, OutputIntoAMissingFolderFailsAndLeavesNoFile)
{
    ScratchFolder folder;
    const std::string output = folder / "missing/out.ldf";
    const CommandRun run = Format(Fixture("cli-check.ldf"), output);
    EXPECT_EQ(kExitFailure, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("duvazadi-cli: Cannot save " + output + ": the folder " + (folder / "missing") + " does not exist\n",
              run.err);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(RunFormat, UnreadableFileWritesNothing)
{
    ScratchFolder folder;
    const CommandRun run = Format(Fixture("no-such-file.ldf"), folder / "out.ldf");
    EXPECT_EQ(kExitFailure, run.status);
    EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
