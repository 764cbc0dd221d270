// Inputs far beyond any real description file: a file above the size
// limit, lines of millions of characters, and 100,000 section blocks. Each
// is refused with its reason or read in time proportional to its size; a
// quadratic step would make these tests run for minutes.

#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>

namespace {

const std::string kHeader = "LIN_description_file;\n"
                            "Nodes {\n  Master: M, 10 ms, 0.1 ms;\n  Slaves: S;\n}\n";

std::string Repeated(const std::string& part, int count)
{
    std::string text;
    text.reserve(part.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        text += part;
    return text;
}

bool HasMessage(const LinNetwork& network, const std::string& text)
{
    for (const Message& message : network.messages)
        if (message.Text() == text)
            return true;
    return false;
}

TEST(Limits, LoadRefusesAFileAboveTheSizeLimit)
{
    ScratchFolder folder;
    const std::string path = folder / "huge.ldf";
    WriteFileBytes(path, kHeader);
    // Sparse: no disk space is taken, and the refusal reads nothing.
    std::filesystem::resize_file(path, LinNetwork::kMaxFileBytes + 1);

    const LoadResult result = LinNetwork::Load(path);

    EXPECT_FALSE(result);
    EXPECT_EQ("Cannot read the file " + path + ": it is larger than 64 MB", result.error);
}

struct LongLineCase {
    const char* what;
    std::function<std::string()> text;
    std::function<void(const LinNetwork&)> check;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LongLineCase& row, std::ostream* out) { *out << row.what; }

constexpr int kLineLength = 2'000'000;
const std::string& LongName()
{
    static const std::string name(kLineLength, 'a');
    return name;
}

std::vector<LongLineCase> LongLineCases()
{
    return {
        {"garbage_at_the_top_level", [] { return kHeader + std::string(kLineLength, 'q') + "\n"; },
         [](const LinNetwork& n) { EXPECT_TRUE(HasMessage(n, "Garbage at the end: qqqqqqqqqqqqqqqqqqqq")); }},
        {"a_signal_name", [] { return kHeader + "Signals {\n  " + LongName() + ": 8, 0, M, S;\n}\n"; },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.signals.size());
             EXPECT_EQ(LongName(), n.signals[0]->name);
         }},
        {"a_line_comment", [] { return kHeader + "// " + LongName() + "\nSignals { X: 8, 0, M, S; }\n"; },
         [](const LinNetwork& n) { EXPECT_EQ(1u, n.signals.size()); }},
        {"an_unclosed_block_comment", [] { return kHeader + "/* " + LongName(); },
         [](const LinNetwork& n) { EXPECT_EQ(1u, n.slaves.size()); }},
        {"a_schedule_line_without_delay",
         [] { return kHeader + "Schedule_tables { T { " + std::string(kLineLength, 'f') + " } }\n"; },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.scheduleTables.size());
             EXPECT_TRUE(n.scheduleTables[0]->entries.empty());
             EXPECT_TRUE(HasMessage(n, "Garbage at the end of the block"));
         }},
        {"schedule_slots",
         [] {
             return kHeader + "Schedule_tables { T { " + Repeated("MasterReq delay 1 ms; ", kLineLength / 22) + "} }\n";
         },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.scheduleTables.size());
             EXPECT_EQ(static_cast<std::size_t>(kLineLength / 22), n.scheduleTables[0]->entries.size());
         }},
        {"the_signals_of_a_frame",
         [] {
             std::string text = kHeader + "Frames { F: 1, M, 8 { ";
             for (int i = 0; i < kLineLength / 12; ++i)
                 text += "X" + std::to_string(i) + ", 0; ";
             return text + "} }\n";
         },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.frames.size());
             EXPECT_EQ(static_cast<std::size_t>(kLineLength / 12), n.frames[0]->signalNames.size());
         }},
        {"dynamic_frame_ids", [] { return kHeader + "dynamic_frames { " + Repeated("1, ", kLineLength / 3) + "1 }\n"; },
         [](const LinNetwork& n) {
             EXPECT_EQ(static_cast<std::size_t>(kLineLength / 3 + 1), n.dynamicFrameIds.size());
         }},
        {"a_logical_value_text",
         [] { return kHeader + "Signal_encoding_types { E { logical_value, 0, \"" + LongName() + "\"; } }\n"; },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.encodingTypes.size());
             ASSERT_EQ(1u, n.encodingTypes[0]->logicalValues.size());
             EXPECT_EQ(LongName(), n.encodingTypes[0]->logicalValues[0]->text);
         }},
        {"a_statement_not_known",
         [] { return kHeader + "Vendor_text = \"" + LongName() + "\";\nSignals { X: 8, 0, M, S; }\n"; },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.keptStatements.size());
             EXPECT_EQ(1u, n.signals.size());
         }},
        {"value_lines_without_semicolon",
         [] {
             return kHeader + "Signal_encoding_types { E { " + Repeated("logical_value, 1, \"x\" ", kLineLength / 22) +
                    "} }\nSignals { X: 8, 0, M, S; }\n";
         },
         [](const LinNetwork& n) {
             ASSERT_EQ(1u, n.encodingTypes.size());
             EXPECT_EQ(1u, n.signals.size());
         }},
        {"inner_braces_of_a_section",
         [] { return kHeader + "Frames { " + Repeated("{ } ", kLineLength / 4) + "}\nSignals { X: 8, 0, M, S; }\n"; },
         [](const LinNetwork& n) { EXPECT_EQ(1u, n.signals.size()); }},
        {"diagnostic_signals",
         [] { return kHeader + "Diagnostic_signals { " + Repeated("D: 8, 0; ", kLineLength / 9) + "}\n"; },
         [](const LinNetwork& n) { EXPECT_EQ(static_cast<std::size_t>(kLineLength / 9), n.diagnosticSignals.size()); }},
    };
}

class LongLine : public testing::TestWithParam<LongLineCase> {};

TEST_P(LongLine, IsRead)
{
    auto network = LinNetwork::LoadFromText(GetParam().text());
    GetParam().check(*network);
    PrepareTreeOutline(*network);
    EXPECT_FALSE(network->BuildLdfText().empty());
}

std::string CaseName(const testing::TestParamInfo<LongLineCase>& info) { return info.param.what; }

INSTANTIATE_TEST_SUITE_P(Limits, LongLine, testing::ValuesIn(LongLineCases()), CaseName);

// Every section that names its records, 10,000 blocks of each. The blocks of
// a section share the reader's name index of its list instead of indexing
// the list anew for each block.
TEST(Limits, HundredThousandSectionBlocksAreRead)
{
    constexpr int kRounds = 10'000;
    std::string text = kHeader;
    for (int i = 0; i < kRounds; ++i) {
        const std::string k = std::to_string(i);
        text += "Nodes { Slaves: N" + k +
                "; }\n"
                "Node_attributes { N" +
                k +
                " { LIN_protocol = \"2.0\"; configured_NAD = 1; } }\n"
                "Diagnostic_addresses { N" +
                k +
                ": 1; }\n"
                "Signals { S" +
                k + ": 8, 0, M, N" + k +
                "; }\n"
                "Signal_groups { G" +
                k + ": 8 { S" + k +
                ", 0; } }\n"
                "Signal_encoding_types { E" +
                k +
                " { logical_value, 0, \"a\"; } }\n"
                "Signal_representation { E" +
                k + ": S" + k +
                "; }\n"
                "Frames { F" +
                k + ": 1, M, 1 { S" + k +
                ", 0; } }\n"
                "Event_triggered_frames { V" +
                k + ": 58, F" + k +
                "; }\n"
                "Schedule_tables { T" +
                k + " { F" + k + " delay 10 ms; } }\n";
    }

    auto network = LinNetwork::LoadFromText(text);

    const std::size_t rounds = kRounds;
    EXPECT_EQ(rounds + 1, network->slaves.size());
    EXPECT_EQ(rounds, network->nodeAttributes.size());
    EXPECT_EQ(rounds, network->diagnosticAddresses.size());
    EXPECT_EQ(rounds, network->signals.size());
    EXPECT_EQ(rounds, network->signalGroups.size());
    EXPECT_EQ(rounds, network->encodingTypes.size());
    EXPECT_EQ(rounds, network->signalRepresentations.size());
    EXPECT_EQ(rounds, network->frames.size());
    EXPECT_EQ(rounds, network->eventTriggeredFrames.size());
    EXPECT_EQ(rounds, network->scheduleTables.size());
}

TEST(Limits, MessagesStopAtTheLimitWithANote)
{
    // Every comma without an id before it is a message of its own.
    auto network = LinNetwork::LoadFromText(kHeader + "dynamic_frames { " + std::string(kLineLength, ',') + "1 }\n");

    ASSERT_EQ(MessageLog::kMaxMessages + 1, network->messages.Size());
    EXPECT_EQ("Z: 6 No argument recognized", FormatMessage(network->messages[0]));
    EXPECT_EQ("Warning: more than 100000 messages, the rest are not listed",
              FormatMessage(network->messages[MessageLog::kMaxMessages]));
}

TEST(Limits, RepeatedNamesAcrossBlocksAreStillRefused)
{
    auto network = LinNetwork::LoadFromText(kHeader + "Signals { X: 8, 0, M, S; }\n"
                                                      "Frames { F: 1, M, 1 { X, 0; } }\n"
                                                      "Signals { X: 4, 0, M, S; Y: 8, 0, M, S; }\n"
                                                      "Frames { F: 2, M, 1 { } }\n");
    ASSERT_EQ(2u, network->signals.size());
    EXPECT_EQ(8, network->signals[0]->size);
    ASSERT_EQ(1u, network->frames.size());
    EXPECT_EQ(1, network->frames[0]->frameId);
}

}  // namespace
