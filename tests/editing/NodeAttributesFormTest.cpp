// The slave attribute form with what LIN 2.1 and J2602 add: every field
// commits, a value the file left out stays out, and an unchanged form
// leaves every real file as it was.

#include "editing/NodeAttributesForm.h"
#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "model/LinVersion.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Node S on LIN 2.1 with every attribute; T on 2.0 with nothing optional.
const char* const kLin21Text = "LIN_description_file;\nLIN_protocol_version = \"2.1\";\n"
                               "LIN_language_version = \"2.1\";\nLIN_speed = 19.2 kbps;\n"
                               "Nodes { Master: M, 10 ms, 0.1 ms; Slaves: S, T; }\n"
                               "Signals { A: 1, 0, S, M; B: 1, 0, S, M; C: 1, 0, T, M; }\n"
                               "Frames { F1: 1, S, 1 { A, 0; } F2: 2, S, 1 { B, 0; } F3: 3, T, 1 { C, 0; } }\n"
                               "Event_triggered_frames { E: Cr, 0x10, F1; }\n"
                               "Node_attributes {\n"
                               " S { LIN_protocol = \"2.1\"; configured_NAD = 0xFF; initial_NAD = 0x01;\n"
                               "  product_id = 0x1E, 0x2; response_error = A; fault_state_signals = B, A;\n"
                               "  P2_min = 0.5 ms; ST_min = 0 ms; N_As_timeout = 1000 ms; N_Cr_timeout = 999.75 ms;\n"
                               "  configurable_frames { F2; E; F1; } }\n"
                               " T { LIN_protocol = \"2.0\"; configured_NAD = 2; product_id = 1, 2, 3;\n"
                               "  configurable_frames { F3 = 0x7; } }\n"
                               "}\n"
                               "Schedule_tables { Cr { F1 delay 10 ms; } }\n";

std::string NodeBlock(const LinNetwork& network, const std::string& node)
{
    const std::string text = network.BuildLdfText();
    const std::size_t start = text.find("\t" + node + " {", text.find("Node_attributes"));
    return start == std::string::npos ? std::string() : text.substr(start, text.find("\n\t}", start) - start);
}

struct FieldCase {
    const char* what;
    int slave;
    std::function<void(NodeAttributesForm&)> edit;
    std::vector<std::string> written;
    std::vector<std::string> leftOut;
};

class FieldCommit : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldCommit, IsWrittenAsEdited)
{
    const FieldCase& c = GetParam();
    auto n = LinNetwork::LoadFromText(kLin21Text);
    NodeAttributesForm form = NodeAttributesForm::Read(*n, c.slave);
    c.edit(form);
    form.Commit(*n, c.slave);
    const std::string block = NodeBlock(*n, form.name);
    for (const std::string& line : c.written)
        EXPECT_NE(block.find(line), std::string::npos) << line << " missing in\n" << block;
    for (const std::string& line : c.leftOut)
        EXPECT_EQ(block.find(line), std::string::npos) << line << " kept in\n" << block;
}

const FieldCase kFieldCases[] = {
    {"unchanged",
     0,
     [](NodeAttributesForm&) {},
     {"configured_NAD = 255;", "initial_NAD = 1;", "product_id = 30, 2;", "fault_state_signals = B, A;",
      "P2_min = 0.5 ms;", "ST_min = 0 ms;", "N_As_timeout = 1000 ms;", "N_Cr_timeout = 999.75 ms;",
      "configurable_frames {\n\t\t\tF2;\n\t\t\tE;\n\t\t\tF1;\n"},
     {"response_tolerance", "wakeup_time", "poweron_time"}},
    {"initialNadAndVariantEdited",
     0,
     [](NodeAttributesForm& f) {
         f.initialNad = "0x10";
         f.variant = "7";
     },
     {"initial_NAD = 16;", "product_id = 30, 2, 7;"},
     {}},
    {"optionalValuesLeftOut",
     0,
     [](NodeAttributesForm& f) {
         f.initialNad.reset();
         f.variant.reset();
         f.faultStateSignals.clear();
         f.p2Min.reset();
         f.nAsTimeout.reset();
         f.nCrTimeout.reset();
     },
     {"product_id = 30, 2;", "ST_min = 0 ms;"},
     {"initial_NAD", "fault_state_signals", "P2_min", "N_As_timeout", "N_Cr_timeout"}},
    {"timesTakeFractionsAndRefuseWhatIsNoTime",
     0,
     [](NodeAttributesForm& f) {
         f.faultStateSignals = {"A", "B"};
         f.p2Min = "12.25";
         f.stMin = "";
         f.nAsTimeout = "-3";
         f.nCrTimeout = "1e3";
     },
     {"fault_state_signals = A, B;", "P2_min = 12.25 ms;", "ST_min = 0 ms;", "N_As_timeout = 1000 ms;",
      "N_Cr_timeout = 1000 ms;"},
     {}},
    {"j2602TimesGiven",
     1,
     [](NodeAttributesForm& f) {
         f.responseTolerance = "38";
         f.wakeupTime = "50.5";
         f.powerOnTime = "";
     },
     {"response_tolerance = 38 %;", "wakeup_time = 50.5 ms;", "poweron_time = 0 ms;"},
     {}},
    {"framesReorderedAndListedEitherWay",
     0,
     [](NodeAttributesForm& f) {
         // F2, E, F3 (unchecked), F1: F3 moves up and is listed, by name as
         // the protocol lists new frames; F2 gets an id.
         ASSERT_TRUE(MoveChoice(f.frames, 2, -1));
         f.frames[1].checked = true;
         f.frames[0].hasMessageId = true;
         f.frames[0].messageId = 4;
     },
     {"configurable_frames {\n\t\t\tF2 = 4;\n\t\t\tF3;\n\t\t\tE;\n\t\t\tF1;\n"},
     {}},
    {"lin20NodeKeepsItsMessageIds",
     1,
     [](NodeAttributesForm& f) { f.frames[0].checked = true; },
     {"product_id = 1, 2, 3;", "configurable_frames {\n\t\t\tF1 = 65535;\n\t\t\tF3 = 7;\n"},
     {"initial_NAD"}},
};

INSTANTIATE_TEST_SUITE_P(NodeAttributesForm, FieldCommit, testing::ValuesIn(kFieldCases),
                         [](const testing::TestParamInfo<FieldCase>& param) { return std::string(param.param.what); });

TEST(NodeAttributesForm, ReadShowsTheListInItsOrderAndKeepsEntriesOfNoFrame)
{
    auto n = LinNetwork::LoadFromText(kLin21Text);
    const NodeAttributesForm s = NodeAttributesForm::Read(*n, 0);
    // The list F2, E, F1 fills the places of F1, F2 and of E, which is no
    // unconditional frame and comes after them.
    ASSERT_EQ(s.frames.size(), 4u);
    EXPECT_EQ(s.frames[0].ItemText(), "F2");
    EXPECT_EQ(s.frames[1].ItemText(), "E");
    EXPECT_TRUE(s.frames[1].checked);
    EXPECT_EQ(s.frames[2].frameName, "F3");
    EXPECT_FALSE(s.frames[2].checked);
    EXPECT_FALSE(s.frames[2].hasMessageId);  // a 2.1 node lists new frames by name
    EXPECT_EQ(s.frames[3].ItemText(), "F1");
    EXPECT_EQ(s.configuredNad, "255");
    EXPECT_EQ(NodeAttributesForm::NadChoices(s.configuredNad).back(), "255");
    EXPECT_EQ(NodeAttributesForm::PublishedSignals(*n, "S"), (std::vector<std::string>{"A", "B"}));

    std::vector<ConfigurableFrameChoice> frames = s.frames;
    EXPECT_FALSE(MoveChoice(frames, 0, -1));
    EXPECT_FALSE(MoveChoice(frames, 3, 1));
    EXPECT_FALSE(MoveChoice(frames, 1, 2));
}

TEST(NodeAttributesForm, ControlsFollowTheProtocolAndTheNetwork)
{
    auto n = LinNetwork::LoadFromText(kLin21Text);
    struct {
        const char* protocol;
        bool lin21;
        bool j2602;
    } const cases[] = {
        {"1.3", false, false},          {"2.0", false, false},        {"2.1", true, false},
        {"ISO17987:2016", true, false}, {"J2602_1_1.0", false, true}, {"J2602_1_2.0", true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lin::HasLin21Attributes(c.protocol), c.lin21) << c.protocol;
        EXPECT_EQ(NodeAttributesForm::HasJ2602Attributes(*n, c.protocol), c.j2602) << c.protocol;
    }
    n->languageVersionText = "J2602_3_1.0";
    EXPECT_TRUE(NodeAttributesForm::HasJ2602Attributes(*n, "2.0"));
    const std::vector<std::string> protocols = NodeAttributesForm::ProtocolChoices("J2602_1_3.0");
    EXPECT_EQ(protocols.back(), "J2602_1_3.0");
    EXPECT_EQ(NodeAttributesForm::ProtocolChoices("nonsense").size(), protocols.size() - 1);
}

class CorpusSlaves : public testing::TestWithParam<std::string> {};

// Opening every slave's sheet and confirming it unchanged writes the same file.
TEST_P(CorpusSlaves, UnchangedCommitsKeepTheFile)
{
    LoadResult loaded = LinNetwork::Load(GetParam());
    ASSERT_TRUE(loaded) << loaded.error;
    LinNetwork& n = *loaded.network;
    n.AttributesOfEverySlave();  // as the tree does before any sheet opens
    const std::string before = n.BuildLdfText();
    for (int slave = 0; slave < static_cast<int>(n.slaves.size()); ++slave) {
        NodeAttributesForm::Read(n, slave).Commit(n, slave);
        ASSERT_EQ(FirstTextDifference(before, n.BuildLdfText()), "") << "slave " << n.slaves[slave]->name;
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusSlaves, testing::ValuesIn(LdfFilesIn(CorpusDir())),
                         [](const testing::TestParamInfo<std::string>& param) {
                             return FileCaseName(param.param, CorpusDir());
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusSlaves);

}  // namespace
