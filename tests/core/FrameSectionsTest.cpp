// What the frame section parsers store: the message fixtures cannot show ids,
// publishers, lengths, offsets and frame lists.

#include "ReaderMessages.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;
using Offsets = std::vector<std::uint32_t>;

std::unique_ptr<LinNetwork> Load(const std::string& text) { return LinNetwork::LoadFromText(text); }

bool Contains(const Strings& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(FramesSection, StoresIdPublisherLengthAndSignals)
{
    auto net = Load("Frames {\n"
                    "  F1 : 0x10, Slave1, 2 { S1, 0; S2, 8; }\n"
                    "  F2 : 17, Slave1 { S1, 0; }\n"
                    "  F3:18,Master,0x3{S3,0x10;}\n"
                    "  F4\n : 19,\n Master, // length\n /* bytes */ 4\n {\n S4,\n 3; }\n"
                    "}\n");
    EXPECT_TRUE(LineMessages(*net).empty());
    ASSERT_EQ(4u, net->frames.size());
    const LinFrame& f1 = *net->frames[0];
    EXPECT_EQ("F1", f1.name);
    EXPECT_EQ(16, f1.frameId);
    EXPECT_EQ("Slave1", f1.publisher);
    EXPECT_EQ(2, f1.length);
    EXPECT_EQ((Strings{"S1", "S2"}), f1.signalNames);
    EXPECT_EQ((Offsets{0, 8}), f1.offsets);
    EXPECT_EQ(17, net->frames[1]->frameId);
    EXPECT_EQ(0, net->frames[1]->length);
    EXPECT_EQ(3, net->frames[2]->length);
    EXPECT_EQ((Offsets{16}), net->frames[2]->offsets);
    EXPECT_EQ("F4", net->frames[3]->name);
    EXPECT_EQ("Master", net->frames[3]->publisher);
    EXPECT_EQ(4, net->frames[3]->length);
    EXPECT_EQ((Strings{"S4"}), net->frames[3]->signalNames);
}

TEST(FramesSection, DropsAFrameWhoseHeaderCannotBeRead)
{
    struct Row {
        const char* header;
        const char* message;
    };
    const Row rows[] = {
        {"F : , A, 2 { }", "Z: 2 False paramters"},
        {"F : 1 7, A, 2 { }", "Z: 2 False paramters"},
        {"F : 1$, A, 2 { }", "Z: 2 False paramters"},
        {"F : 1, , 2 { }", "Z: 2 False paramters"},
        {"F : 1, A$, 2 { }", "Z: 2 False paramters"},
        {"F : 1, S lave, 2 { }", "Z: 2 False paramters"},
        {"F : 1, A, { }", "Z: 2 False paramters"},
        {"F : 1, A, 1 2 { }", "Z: 2 False paramters"},
        {"F : 1, { }", "Z: 2 False paramters"},
        {"F : 1, S lave { }", "Z: 2 False paramters"},
        {"F : 1, A, 2, 3 { }", "Z: 2 False paramters"},
        {"F : 1, A, 2", "Z: 2 False paramters"},
        // Without a comma the id runs on to the end of the text.
        {"F : 1 { }", "Z: 4 False paramters"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.header);
        auto net = Load(std::string("Frames {\n") + row.header + "\n}\n");
        EXPECT_TRUE(net->frames.empty());
        EXPECT_TRUE(Contains(LineMessages(*net), row.message));
    }
}

TEST(FramesSection, ABrokenFrameNameIsKeptWithAComplaint)
{
    auto net = Load("Frames {\n Lamp Cmd : 1, A { }\n}\n");
    ASSERT_EQ(1u, net->frames.size());
    EXPECT_EQ("LampCmd", net->frames[0]->name);
    EXPECT_EQ((Strings{"Z: 2 Key-Word / Parameter wrong (spaces)"}), LineMessages(*net));
}

TEST(FramesSection, BadSignalLinesLoseOnlyTheirLine)
{
    auto net = Load("Frames {\n"
                    " F1 : 1, A, 2 {\n"
                    "  S1, 0;\n"
                    "  S1, 4;\n"
                    "  S2, ;\n"
                    "  S3, 1 6;\n"
                    "  S4, 16;\n"
                    " }\n"
                    "}\n");
    ASSERT_EQ(1u, net->frames.size());
    EXPECT_EQ((Strings{"S1", "S4"}), net->frames[0]->signalNames);
    EXPECT_EQ((Offsets{0, 16}), net->frames[0]->offsets);
}

TEST(FramesSection, KeepsTheFirstOfTwoFramesWithOneNameAcrossSections)
{
    auto net = Load("Frames { F1 : 1, A { } F2 : 2, A { } }\n"
                    "Frames {\n F1 : 3, A { }\n F2 : 4, A { }\n F3 : 5, A { }\n}\n");
    ASSERT_EQ(3u, net->frames.size());
    EXPECT_EQ(1, net->frames[0]->frameId);
    EXPECT_EQ(2, net->frames[1]->frameId);
    EXPECT_EQ("F3", net->frames[2]->name);
    EXPECT_EQ((Strings{"Z: 3 Frame already defined", "Z: 4 Frame already defined"}), LineMessages(*net));
}

TEST(FramesSection, AFrameBodyCutOffByTheEndOfTheTextIsKept)
{
    auto net = Load("Frames {\n F1 : 1, A { S1, 0;\n");
    ASSERT_EQ(1u, net->frames.size());
    EXPECT_EQ((Strings{"S1"}), net->frames[0]->signalNames);
    EXPECT_EQ((Strings{"Z: 3 Bracket '}' not here"}), LineMessages(*net));
}

TEST(EventTriggeredFramesSection, StoresIdAndAssociatedFrames)
{
    auto net = Load("Event_triggered_frames {\n"
                    " ETF1 : 0x3A, F1, F2;\n"
                    " ETF2 : 59, , F3;\n"
                    " ETF3 : 57, F1, ;\n"
                    " ETF1 : 0x3B, F4;\n"
                    "}\n");
    ASSERT_EQ(3u, net->eventTriggeredFrames.size());
    const EventTriggeredFrame& etf1 = *net->eventTriggeredFrames[0];
    EXPECT_EQ("ETF1", etf1.name);
    EXPECT_EQ(58, etf1.frameId);
    EXPECT_EQ((Strings{"F1", "F2"}), etf1.frameNames);
    EXPECT_EQ((Strings{"F3"}), net->eventTriggeredFrames[1]->frameNames);
    EXPECT_EQ((Strings{"F1"}), net->eventTriggeredFrames[2]->frameNames);
    const Strings expected = {"Z: 3 No argument recognized", "Z: 4 No argument recognized",
                              "Z: 5 Event tr. Frm already here"};
    EXPECT_EQ(expected, LineMessages(*net));
}

TEST(EventTriggeredFramesSection, DropsAFrameWithoutAssociatedFrames)
{
    auto net = Load("Event_triggered_frames {\n ETF1 : 0x3A;\n}\n");
    EXPECT_TRUE(net->eventTriggeredFrames.empty());
    EXPECT_EQ((Strings{"Z: 2 False paramters", "Z: 3 Garbage at the end of the block"}), LineMessages(*net));
}

TEST(SporadicFramesSection, StoresFrameListsAndAllowsRepeatedNames)
{
    auto net = Load("Sporadic_frames {\n"
                    " SF1 : F1, F2;\n"
                    " SF1 : F3;\n"
                    " SF2 : F1, , F2;\n"
                    " SF3 : F1, F 2;\n"
                    "}\n");
    ASSERT_EQ(3u, net->sporadicFrames.size());
    EXPECT_EQ((Strings{"F1", "F2"}), net->sporadicFrames[0]->frameNames);
    EXPECT_EQ("SF1", net->sporadicFrames[1]->name);
    EXPECT_EQ((Strings{"F3"}), net->sporadicFrames[1]->frameNames);
    EXPECT_EQ((Strings{"F1", "F2"}), net->sporadicFrames[2]->frameNames);
    const Strings expected = {"Z: 4 No argument recognized", "Z: 5 Key-Word / Parameter wrong (spaces)",
                              "Z: 5 No argument recognized"};
    EXPECT_EQ(expected, LineMessages(*net));
}

const char* const kDiagnosticFrames = "Diagnostic_frames {\n"
                                      " MasterReq : 60 { M0, 0; M1, 8; }\n"
                                      " SlaveResp:61{S0,0;S1,8;S1,16;}\n"
                                      "}\n";

TEST(DiagnosticFramesSection, StoresTheSignalsOfBothFrames)
{
    auto net = Load(kDiagnosticFrames);
    EXPECT_EQ((Strings{"M0", "M1"}), net->masterRequest.signalNames);
    EXPECT_EQ((Offsets{0, 8}), net->masterRequest.offsets);
    EXPECT_EQ((Strings{"S0", "S1"}), net->slaveResponse.signalNames);
    EXPECT_EQ((Offsets{0, 8}), net->slaveResponse.offsets);
    EXPECT_EQ((Strings{"Z: 3 Signal already here"}), LineMessages(*net));
}

TEST(DiagnosticFramesSection, ASecondBlockReplacesTheFirst)
{
    auto net = Load(std::string(kDiagnosticFrames) + "Diagnostic_frames { MasterReq : 60 { X, 4; } }\n");
    EXPECT_EQ((Strings{"X"}), net->masterRequest.signalNames);
    EXPECT_EQ((Offsets{4}), net->masterRequest.offsets);
    EXPECT_EQ(2u, net->slaveResponse.signalNames.size());
}

TEST(DiagnosticFramesSection, ARefusedIdKeepsTheFrameAndTheRestOfTheFileIsRead)
{
    auto net = Load(std::string(kDiagnosticFrames) + "Diagnostic_frames {\n"
                                                     " MasterReq : 0x3E { X, 0; { nested } }\n"
                                                     " SlaveResp : 6 1 { X, 0; }\n"
                                                     " MasterReq : { X, 0; }\n"
                                                     "}\n"
                                                     "Frames { F1 : 1, A { } }\n");
    EXPECT_EQ((Strings{"M0", "M1"}), net->masterRequest.signalNames);
    EXPECT_EQ((Strings{"S0", "S1"}), net->slaveResponse.signalNames);
    ASSERT_EQ(1u, net->frames.size());
    const Strings expected = {"Z: 3 Signal already here", "Z: 6 ID false, '60' expected",
                              "Z: 7 Key-Word / Parameter wrong (spaces)", "Z: 7 False paramters",
                              "Z: 8 False paramters"};
    EXPECT_EQ(expected, LineMessages(*net));
    for (const Message& message : net->messages)
        EXPECT_EQ(std::string::npos, message.Text().find("Garbage")) << message.Text();
}

TEST(DiagnosticFramesSection, ARefusedBlockThatNeverClosesEndsTheText)
{
    auto net = Load("Diagnostic_frames {\n MasterReq : 0x3E { X, 0; { }\n");
    EXPECT_TRUE(net->masterRequest.signalNames.empty());
    EXPECT_EQ((Strings{"Z: 2 ID false, '60' expected", "Z: 3 Bracket '}' not here"}), LineMessages(*net));
}

TEST(DiagnosticFramesSection, RefusesOtherKeywordsAndKeywordsWithBlanks)
{
    for (const char* keyword : {"MasterRequest", "Master Req", "slaveresp"}) {
        SCOPED_TRACE(keyword);
        auto net = Load(std::string("Diagnostic_frames {\n ") + keyword + " : 60 { X, 0; }\n}\n");
        EXPECT_TRUE(net->masterRequest.signalNames.empty());
        EXPECT_TRUE(Contains(LineMessages(*net), "Z: 2 Wrong keyword"));
    }
}

TEST(FrameSections, EveryCutOfTheTextLoads)
{
    LoadEveryPrefix("Frames {\n F1 : 0x10, Slave1, 2 { S1, 0; S 2, 8; }\n F2 : 1, A, 2, 3 { }\n}\n"
                    "Event_triggered_frames { E1 : 0x3A, F1, F2; E2 : 1; }\n"
                    "Sporadic_frames { SF1 : F1, , F2; SF2 : F1, ; }\n"
                    "Diagnostic_frames { MasterReq : 0x3C { A, 0; } SlaveResp : 61 { B, 0; } Slave : 1 { } }\n");
}

}  // namespace
