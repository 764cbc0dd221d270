// The signal-value commands: decode, encode and decode-log over
// tests/data/values, their exit statuses and what goes to standard error.

#include "cli/ValueCommands.h"
#include "TestFiles.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

std::string Values(const std::string& name) { return TestDataDir() + "/values/" + name; }

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun Request(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunRequest(ParseArguments(arguments), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(ValueCommands, DecodePrintsOneLinePerSignal)
{
    const std::string file = Values("signal-values.ldf");
    for (const auto& bytes :
         std::vector<std::vector<std::string>>{{"AF", "BC", "FE", "64"}, {"afbcfe64"}, {"AF BC,FE 64"}}) {
        std::vector<std::string> arguments = {"decode", file, "F1"};
        arguments.insert(arguments.end(), bytes.begin(), bytes.end());
        const CommandRun run = Request(arguments);
        EXPECT_EQ(0, run.status);
        EXPECT_EQ("Bit0: 1 (0x1)\nCross: 1941 (0x795)\nMode: 2 (0x2) auto\nTemp: 100 (0x64) 10 degC\n", run.out);
        EXPECT_EQ("", run.err);
    }
    const CommandRun json = Request({"decode", "--json", file, "0x11", "1A 04 42 FF"});
    EXPECT_EQ(0, json.status);
    const auto document = nlohmann::json::parse(json.out);
    EXPECT_EQ("F2", document["frame"]);
    EXPECT_EQ(17, document["id"]);
    EXPECT_EQ(1050, document["signals"][0]["raw"]);
    EXPECT_EQ("physical", document["signals"][0]["kind"]);
    EXPECT_DOUBLE_EQ(150.0, document["signals"][0]["physical"].get<double>());
    EXPECT_EQ("km/h", document["signals"][0]["unit"]);
    EXPECT_EQ("bcd", document["signals"][1]["kind"]);
    EXPECT_EQ("42", document["signals"][1]["text"]);
}

TEST(ValueCommands, EncodePrintsTheBytesAndRefusesWithTheSignalAndWhy)
{
    const std::string file = Values("signal-values.ldf");
    const CommandRun run = Request({"encode", file, "F1", "Temp=10 degC", "Mode=auto", "Bit0=1", "Cross=0x795"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("AF BC FE 64\n", run.out);

    const CommandRun json = Request({"encode", file, "F3", "--json", "Text=\"A\""});
    EXPECT_EQ(0, json.status);
    EXPECT_EQ((std::vector<int>{0x41, 0x20, 1, 2, 3}),
              nlohmann::json::parse(json.out)["bytes"].get<std::vector<int>>());

    const CommandRun refused = Request({"encode", file, "F1", "Temp=300", "Mode=blink"});
    EXPECT_EQ(1, refused.status);
    EXPECT_EQ("", refused.out);
    EXPECT_EQ("duvazadi-cli: Mode: blink is no value of ModeEnc\n"
              "duvazadi-cli: Temp: 300 is no value of TempEnc\n",
              refused.err);
}

TEST(ValueCommands, ExitStatusesTellValueFaultsFromUsageFaults)
{
    const std::string file = Values("signal-values.ldf");
    struct Row {
        std::vector<std::string> arguments;
        int status;
        const char* firstErrorLine;
    };
    const Row rows[] = {
        {{"decode", file, "F1", "AF BC FE"}, 1, "duvazadi-cli: too short: F1 takes 4 bytes, 3 given"},
        {{"decode", file, "F1", "AF BC FE 64 00"}, 1, "duvazadi-cli: too long: F1 takes 4 bytes, 5 given"},
        {{"decode", file, "F1", "AF-BC"}, 2, "duvazadi-cli: BYTES are not bytes in hex: AF-BC"},
        {{"decode", file, "Nope", "00"}, 2, "duvazadi-cli: no frame Nope in "},
        {{"decode", file, "F1"}, 2, "duvazadi-cli: missing BYTES for decode"},
        {{"decode", Values("missing.ldf"), "F1", "00"}, 2, "duvazadi-cli: Cannot open the file"},
        {{"encode", file, "F1", "Temp"}, 2, "duvazadi-cli: SIGNAL=VALUE expected, not Temp"},
        {{"encode", file, "F1", "Bit0=2"}, 1, "duvazadi-cli: Bit0: 2 does not fit in 1 bit"},
        {{"encode", file, "F1", "Nope=2"}, 1, "duvazadi-cli: F1 has no signal Nope"},
        {{"encode", "--csv", file, "F1"}, 2, "duvazadi-cli: unknown option --csv for encode"},
        {{"decode-log", file}, 2, "duvazadi-cli: missing LOG for decode-log"},
        {{"decode-log", file, Values("missing.log")}, 2, "duvazadi-cli: Cannot open the file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments[0] + " " + row.arguments.back());
        const CommandRun run = Request(row.arguments);
        EXPECT_EQ(row.status, run.status);
        EXPECT_EQ(0u, run.err.find(row.firstErrorLine)) << run.err;
        EXPECT_EQ("", run.out);
    }
}

// A small log with a bad line of each kind: the frames as lines or CSV,
// the lines not decoded named at the end.
TEST(ValueCommands, DecodeLogMatchesItsGoldenFiles)
{
    const char* const expectedErr = "duvazadi-cli: 3 lines not decoded:\n"
                                    "duvazadi-cli: line 6: not a time: oops\n"
                                    "duvazadi-cli: line 7: too short: F1 takes 4 bytes, 3 given\n"
                                    "duvazadi-cli: line 10: no frame 47\n";
    for (const bool csv : {false, true}) {
        SCOPED_TRACE(csv ? "csv" : "lines");
        std::vector<std::string> arguments = {"decode-log", Values("signal-values.ldf"), Values("bus.log")};
        if (csv)
            arguments.push_back("--csv");
        const CommandRun run = Request(arguments);
        EXPECT_EQ(1, run.status);
        EXPECT_EQ(expectedErr, run.err);
        EXPECT_EQ("", CompareWithGolden(run.out, Values(csv ? "bus.csv" : "bus.decoded")));
    }
}

}  // namespace
