// The built program, run as a script would run it: exit status, standard
// output and standard error, byte for byte.

#include "TestFiles.h"
#include "cli/CliCommands.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& argument) { return "'" + argument + "'"; }

ProgramRun RunProgram(const std::string& arguments)
{
    ScratchFolder folder;
    const std::string command = Quoted(DUVAZADI_CLI) + " " + arguments + " >" + Quoted(folder / "out") + " 2>" +
                                Quoted(folder / "err") + " </dev/null";
    const int result = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    run.out = ReadFileBytes(folder / "out");
    run.err = ReadFileBytes(folder / "err");
    return run;
}

std::string Fixture(const std::string& name) { return Quoted(TestDataDir() + "/" + name); }

TEST(CliProgram, HelpAndVersionGoToStandardOutput)
{
    const ProgramRun help = RunProgram("--help");
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(UsageText(), help.out);
    EXPECT_EQ("", help.err);

    const ProgramRun version = RunProgram("--version");
    EXPECT_EQ(0, version.status);
    EXPECT_EQ(VersionText(), version.out);
    EXPECT_EQ(0u, version.out.find("duvazadi-cli 0.")) << version.out;
}

TEST(CliProgram, UsageErrorsExitWithTwoAndExplainOnStandardError)
{
    for (const char* arguments :
         {"", "--frobnicate", "check", "format x.ldf -o", "lint x.ldf", "format --dialect 1.3 x.ldf"}) {
        SCOPED_TRACE(arguments);
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(2, run.status);
        EXPECT_EQ("", run.out);
        EXPECT_EQ(0u, run.err.find("duvazadi-cli: ")) << run.err;
        EXPECT_EQ(std::string::npos, run.err.find(UsageText())) << run.err;
        EXPECT_EQ(2, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
        EXPECT_EQ(HelpPointer(), run.err.substr(run.err.find('\n') + 1));
    }
}

TEST(CliProgram, UnreadableFileExitsWithTwoAndPrintsOnlyTheReason)
{
    const ProgramRun run = RunProgram("check /nonexistent/none.ldf");
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("duvazadi-cli: Cannot open the file /nonexistent/none.ldf\n", run.err);
}

TEST(CliProgram, CheckPrintsTheContractOutput)
{
    const ProgramRun run = RunProgram("check " + Fixture("cli-check.ldf"));
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Z: 14 Count of parameters incorrect\n"
              "Warning: Subscriber not here: S3\n"
              "Frame ID wrong (0-63):  F1\n"
              "Schedule-Frame-Time wrong (x*t_base): T1\n"
              "Frames / F1: Signal/Offset out of range; Frame ID wrong\n"
              "Signals / S3: No subscriber\n"
              "Schedules / T1: Delay no divider of Time Base\n",
              run.out);
    EXPECT_EQ("", run.err);
}

TEST(CliProgram, FormatIntoAMissingFolderLeavesNoFile)
{
    ScratchFolder folder;
    const std::string output = folder / "missing/out.ldf";
    const ProgramRun run = RunProgram("format " + Fixture("writer/new-network.written.ldf") + " -o " + Quoted(output));
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ("duvazadi-cli: Cannot save " + output + ": the folder " + (folder / "missing") + " does not exist\n",
              run.err);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(CliProgram, FormatToStandardOutputSucceeds)
{
    const ProgramRun run = RunProgram("format " + Fixture("cli-check.ldf"));
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(0u, run.out.find("/* \n")) << run.out;
    EXPECT_EQ(std::string::npos, run.out.find('\r'));
    EXPECT_EQ(RunProgram("check " + Fixture("cli-check.ldf")).out.substr(0, run.err.size()), run.err);
}

TEST(CliProgram, DiffExitsWithZeroOneOrTwoAndPrintsJsonOnRequest)
{
    const std::string older = Fixture("diff/old.ldf");
    const std::string newer = Fixture("diff/new.ldf");
    const ProgramRun same = RunProgram("diff " + older + " " + older);
    EXPECT_EQ(0, same.status);
    EXPECT_EQ("", same.out);
    const ProgramRun text = RunProgram("diff " + older + " " + newer);
    EXPECT_EQ(1, text.status);
    EXPECT_EQ(ReadFileBytes(TestDataDir() + "/diff/old-to-new.diff"), text.out);
    const ProgramRun json = RunProgram("diff --json " + older + " " + newer);
    EXPECT_EQ(1, json.status);
    const auto differences = nlohmann::json::parse(json.out);
    ASSERT_TRUE(differences.is_array());
    std::string texts;
    for (const auto& difference : differences)
        texts += difference.at("text").get<std::string>() + "\n";
    EXPECT_EQ(text.out, texts);
    EXPECT_EQ(nlohmann::json({"Frames", "LSM_Frm1"}), differences[7].at("path"));
    EXPECT_EQ(2, differences[7].at("old"));
    EXPECT_EQ(4, differences[7].at("new"));
    EXPECT_EQ(2, RunProgram("diff " + older + " /nonexistent/none.ldf").status);
}

TEST(CliProgram, ExportHoldsEveryEntityOfTheNetwork)
{
    const std::string file = CorpusDir() + "/ldfparser/lin22.ldf";
    if (ReadFileBytes(file).empty())
        GTEST_SKIP() << "no corpus beside the checkout";
    const ProgramRun run = RunProgram("export --json " + Quoted(file));
    ASSERT_EQ(0, run.status) << run.err;
    const auto document = nlohmann::json::parse(run.out);
    EXPECT_EQ("duvazadi-network", document.at("schema"));
    EXPECT_EQ(1, document.at("schema_version"));
    LoadResult loaded = LinNetwork::Load(file);
    ASSERT_TRUE(loaded);
    PrepareTreeOutline(*loaded.network);
    const LinNetwork& network = *loaded.network;
    EXPECT_EQ(network.messages.Size(), document.at("messages").size());
    EXPECT_EQ(network.masterName, document.at("master").at("name"));
    const auto names = [&](const char* key) {
        std::vector<std::string> list;
        for (const auto& entity : document.at(key))
            list.push_back(entity.at("name"));
        return list;
    };
    const auto namesOf = [](const auto& records) {
        std::vector<std::string> list;
        for (const auto& record : records)
            list.push_back(RecordName(*record));
        return list;
    };
    EXPECT_EQ(namesOf(network.slaves), names("nodes"));
    EXPECT_EQ(namesOf(network.compositeConfigurations), names("composition"));
    EXPECT_EQ(namesOf(network.frames), names("frames"));
    EXPECT_EQ(namesOf(network.eventTriggeredFrames), names("event_triggered_frames"));
    EXPECT_EQ(namesOf(network.sporadicFrames), names("sporadic_frames"));
    EXPECT_EQ(namesOf(network.encodingTypes), names("encoding_types"));
    EXPECT_EQ(namesOf(network.signalRepresentations), names("representations"));
    EXPECT_EQ(namesOf(network.signals), names("signals"));
    EXPECT_EQ(namesOf(network.scheduleTables), names("schedule_tables"));
    EXPECT_EQ(namesOf(network.signalGroups), names("signal_groups"));
    EXPECT_EQ(network.dynamicFrameIds.size(), document.at("dynamic_frames").at("ids").size());
    EXPECT_TRUE(document.at("frames").at(0).at("id").is_number_integer());
}

TEST(CliProgram, ExportTextsAreUtf8WhetherTheFileIsUtf8OrLatin1)
{
    ScratchFolder folder;
    for (const std::string degrees : {"\xB0", "\xC2\xB0"}) {
        SCOPED_TRACE(degrees);
        const std::string file = folder / "units.ldf";
        WriteFileBytes(file, "LIN_description_file;\nSignal_encoding_types { T { physical_value, 0, 9, 1, 0, \"" +
                                 degrees + "C\"; } }\n");
        const ProgramRun run = RunProgram("export --json " + Quoted(file));
        ASSERT_EQ(0, run.status) << run.err;
        const auto document = nlohmann::json::parse(run.out);
        EXPECT_EQ("\xC2\xB0"
                  "C",
                  document.at("encoding_types").at(0).at("physical_ranges").at(0).at("text"));
    }
}

// Inputs a script may hand over by mistake: each must fail with its reason
// and leave OUT as it was.
TEST(CliProgram, InputsThatAreNoLdfFileAreRefusedAndLeaveOutAsItWas)
{
    const std::string kept = "kept\n";
    const struct {
        const char* name;
        const char* bytes;  // null: a named pipe
        const char* command;
        const char* reason;
    } cases[] = {
        {"empty", "", "format", ": not an LDF file\n"},
        {"binary",
         "\x7f"
         "ELF\x02\x01\x01",
         "format", ": not an LDF file\n"},
        {"prose", "Dear reader, this is no LDF file.\n", "format", ": not an LDF file\n"},
        {"pipe", nullptr, "format", ": it is not a regular file\n"},
        {"pipe", nullptr, "check", ": it is not a regular file\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.command);
        ScratchFolder folder;
        const std::string input = folder / c.name;
        if (c.bytes)
            WriteFileBytes(input, c.bytes);
        else
            ASSERT_EQ(0, mkfifo(input.c_str(), 0600));
        const std::string output = folder / "out.ldf";
        WriteFileBytes(output, kept);
        const std::string target = std::string(c.command) == "format" ? " -o " + Quoted(output) : "";
        const ProgramRun run = RunProgram(std::string(c.command) + " " + Quoted(input) + target);
        EXPECT_EQ(2, run.status);
        EXPECT_EQ("", run.out);
        EXPECT_TRUE(EndsWith(run.err, input + c.reason)) << run.err;
        EXPECT_EQ(kept, ReadFileBytes(output));
    }
}

TEST(CliProgram, FormatShowsTheLoadsMessagesOnStandardErrorAndWritesTheSameText)
{
    const ProgramRun run = RunProgram("format " + Fixture("cli-check.ldf"));
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Z: 14 Count of parameters incorrect\n"
              "Warning: Subscriber not here: S3\n",
              run.err.substr(0, run.err.find("Frame ID wrong")));
    EXPECT_EQ(RunProgram("format " + Fixture("comment-cr-line-ends.ldf")).err, "");
}

TEST(CliProgram, EveryCommandReportsAFullStandardOutput)
{
    ScratchFolder folder;
    for (const std::string command : {"check", "format", "timing", "export --json"}) {
        SCOPED_TRACE(command);
        const std::string shell = Quoted(DUVAZADI_CLI) + " " + command + " " + Fixture("cli-check.ldf") +
                                  " >/dev/full 2>" + Quoted(folder / "err");
        const int result = std::system(shell.c_str());
        EXPECT_EQ(2, WIFEXITED(result) ? WEXITSTATUS(result) : -1);
        EXPECT_NE(std::string::npos, ReadFileBytes(folder / "err").find("cannot write to standard output"));
    }
}

TEST(CliProgram, FormatIntoASymbolicLinkReplacesItsTarget)
{
    ScratchFolder folder;
    const std::string target = folder / "target.ldf";
    const std::string link = folder / "link.ldf";
    WriteFileBytes(target, "old\n");
    std::filesystem::create_symlink(target, link);
    const ProgramRun run = RunProgram("format " + Fixture("comment-cr-line-ends.ldf") + " -o " + Quoted(link));
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(0u, ReadFileBytes(target).find("/* "));
    EXPECT_EQ((std::vector<std::string>{"link.ldf", "target.ldf"}), folder.Entries());
}

}  // namespace
