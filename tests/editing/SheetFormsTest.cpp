#include "NetworkFixtures.h"
#include "editing/MasterForm.h"
#include "editing/NetworkForm.h"
#include "editing/NodeAttributesForm.h"
#include "model/LinVersion.h"

#include "editing/UndoHistory.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

TEST(NetworkForm, ShowsStoredValuesAndWritesStandardOnesForEmptyFields)
{
    auto n = LinNetwork::CreateDefault();
    n->protocolVersion = 1.3f;
    NetworkForm form = NetworkForm::Read(*n);
    EXPECT_EQ(form.protocolVersion, "1.3");
    EXPECT_EQ(form.languageVersion, "2.0");
    EXPECT_EQ(form.speed, "19.2");

    n->speedKbps = 15.0f;
    n->languageVersion = 2.3f;
    form = NetworkForm::Read(*n);
    EXPECT_EQ(form.speed, "15.0");
    EXPECT_EQ(form.languageVersion, "2.3");

    n->speedKbps = -1.0f;
    n->languageVersion = -1.0f;
    form = NetworkForm::Read(*n);
    EXPECT_EQ(form.speed, "");
    EXPECT_EQ(form.languageVersion, "");
    form.protocolVersion = "1.2";
    form.Commit(*n);
    EXPECT_FLOAT_EQ(n->protocolVersion, 1.2f);
    EXPECT_FLOAT_EQ(n->languageVersion, 2.0f);
    EXPECT_FLOAT_EQ(n->speedKbps, 19.2f);

    form.speed = "10.4";
    form.Commit(*n);
    EXPECT_FLOAT_EQ(n->speedKbps, 10.4f);
}

TEST(MasterForm, ShowsAndWritesTheMaster)
{
    auto n = LinNetwork::CreateDefault();
    MasterForm form = MasterForm::Read(*n);
    EXPECT_EQ(form.name, "Master");
    EXPECT_EQ(form.timeBase, "10");
    EXPECT_EQ(form.jitter, "0.10");

    form = MasterForm{"Slave1", "5", "2.5"};
    form.Commit(*n);
    EXPECT_EQ(n->masterName, "Slave1");  // not checked against the slaves
    EXPECT_EQ(n->timeBaseMs, 5);
    EXPECT_FLOAT_EQ(n->jitterMs, 2.5f);

    MasterForm{"", "", ""}.Commit(*n);
    EXPECT_EQ(n->masterName, "Master");
    EXPECT_EQ(n->timeBaseMs, 0);
    EXPECT_FLOAT_EQ(n->jitterMs, 0.0f);
}

TEST(NodeAttributesForm, ReadingGivesDefaultAttributesThatStay)
{
    auto n = MakeRichNetwork();
    const NodeAttributesForm door = NodeAttributesForm::Read(*n, 2);
    ASSERT_NE(n->FindNodeAttributes("Door"), nullptr);
    EXPECT_EQ(door.name, "Door");
    EXPECT_EQ(door.protocol, "2.0");
    EXPECT_EQ(door.configuredNad, "127");
    EXPECT_EQ(door.supplierId, "32767");
    EXPECT_EQ(door.functionId, "65535");
    ASSERT_EQ(door.frames.size(), 3u);
    EXPECT_EQ(door.frames[0].ItemText(), "MotorCmd (65535)");

    const NodeAttributesForm motor = NodeAttributesForm::Read(*n, 0);
    EXPECT_EQ(motor.responseErrorSignal, "MotorError");
    EXPECT_EQ(motor.p2Min, "50");
    EXPECT_TRUE(motor.frames[1].checked);
    EXPECT_EQ(motor.frames[1].ItemText(), "MotorState (2)");
    EXPECT_FALSE(motor.frames[2].checked);

    EXPECT_TRUE(NodeAttributesForm::Read(*n, 3).name.empty());
}

TEST(NodeAttributesForm, AnUnchangedCommitKeepsWhatLin21AndJ2602Add)
{
    auto n = LinNetwork::LoadFromText("LIN_description_file;\nLIN_language_version = \"2.1\";\n"
                                      "Nodes { Master: M, 10 ms, 0.1 ms; Slaves: S; }\n"
                                      "Signals { X: 1, 0, S, M; }\nFrames { F: 1, S, 1 { X, 0; } }\n"
                                      "Node_attributes { S { LIN_protocol = \"J2602_1_1.0\"; configured_NAD = 2;"
                                      " P2_min = 12.5 ms; configurable_frames { F; } } }\n");
    NodeAttributesForm::Read(*n, 0).Commit(*n, 0);
    const NodeAttributes& a = n->AttributesOf("S");
    EXPECT_EQ(a.protocol, "J2602_1_1.0");
    EXPECT_EQ(a.p2MinMs, 12.5);
    ASSERT_EQ(a.configurableFrames.size(), 1u);
    EXPECT_FALSE(a.configurableFrames[0]->hasMessageId);
}

TEST(NodeAttributesForm, CommitWritesEveryFieldInOrder)
{
    auto n = MakeRichNetwork();
    n->nodeAttributes.Append(std::make_unique<NodeAttributes>("Orphan"));
    NodeAttributesForm form = NodeAttributesForm::Read(*n, 0);
    form.name = "Light";  // taken by another slave
    form.protocol = "1.3";
    form.configuredNad = "";
    form.responseErrorSignal = "";
    form.supplierId = "12";
    form.functionId = "";
    form.variant = "7";
    form.p2Min = "20";
    form.stMin = "30";
    form.frames[0].checked = false;
    form.frames[2] = ConfigurableFrameChoice{"DoorState", true, MessageIdOf("0xFFFF").value_or(0)};
    form.Commit(*n, 0);

    EXPECT_EQ(n->slaves[0]->name, "Light0");
    EXPECT_EQ(n->FindNodeAttributes("Orphan"), nullptr);
    const NodeAttributes* a = n->FindNodeAttributes("Light0");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->protocol, "1.3");
    EXPECT_EQ(a->configuredNad, 128);
    EXPECT_EQ(a->responseErrorSignal, "");
    EXPECT_EQ(a->supplierId, 12);
    EXPECT_EQ(a->functionId, 0);
    EXPECT_EQ(a->variant, 7);
    EXPECT_EQ(a->p2MinMs, 20);
    EXPECT_EQ(a->stMinMs, 30);
    ASSERT_EQ(a->configurableFrames.size(), 2u);
    EXPECT_EQ(a->configurableFrames[0]->frameName, "MotorState");
    EXPECT_EQ(a->configurableFrames[0]->messageId, 2);
    EXPECT_EQ(a->configurableFrames[1]->frameName, "DoorState");
    EXPECT_EQ(a->configurableFrames[1]->messageId, 65535);
    // The attributes follow the slave to its new name.
    EXPECT_EQ(n->FindNodeAttributes("Motor"), nullptr);
}

TEST(NodeAttributesForm, ASlaveNamedLikeTheMasterGetsAnUnderscore)
{
    auto n = MakeRichNetwork();
    NodeAttributesForm form = NodeAttributesForm::Read(*n, 1);
    form.name = "Master";
    form.Commit(*n, 1);
    EXPECT_EQ(n->slaves[1]->name, "Master_");

    form = NodeAttributesForm::Read(*n, 2);
    form.name = "Master";
    form.Commit(*n, 2);
    EXPECT_EQ(n->slaves[2]->name, "Master_0");

    // Keeping its own name is no clash.
    form = NodeAttributesForm::Read(*n, 0);
    form.Commit(*n, 0);
    EXPECT_EQ(n->slaves[0]->name, "Motor");
}

TEST(NodeAttributesForm, RenamingFollowsEveryMentionInOneUndoStep)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    const std::string written = n->BuildLdfText();
    UndoHistory history;
    ASSERT_TRUE(history.Perform(*n, [&] {
        NodeAttributesForm form = NodeAttributesForm::Read(*n, 0);
        form.name = "Engine";
        form.Commit(*n, 0);
        return true;
    }));
    EXPECT_EQ(n->BuildLdfText(), std::regex_replace(written, std::regex("\\bMotor\\b"), "Engine"));

    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(DumpNetwork(*n), before);
}

TEST(MasterForm, RenamingFollowsEveryMention)
{
    auto n = MakeRichNetwork();
    MasterForm master = MasterForm::Read(*n);
    master.name = "Gateway";
    master.Commit(*n);
    EXPECT_EQ(n->FindSignal("MotorError")->subscribers, std::vector<std::string>{"Gateway"});
    EXPECT_EQ(n->FindFrame("MotorCmd")->publisher, "Gateway");
}

TEST(NodeAttributesForm, ProtocolAndMessageIdRules)
{
    EXPECT_TRUE(lin::HasLin2Attributes("2.0"));
    EXPECT_FALSE(lin::HasLin2Attributes("1.3"));
    EXPECT_FALSE(lin::HasLin2Attributes(""));
    EXPECT_EQ(MessageIdOf("65534"), 65534);
    EXPECT_EQ(MessageIdOf("65536"), std::nullopt);
    EXPECT_EQ(MessageIdOf("99999999999999999999"), std::nullopt);
    EXPECT_EQ(MessageIdOf(""), 0);
}

}  // namespace
