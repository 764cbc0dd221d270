// Finding entities in the tree of the rich network of NetworkFixtures, and
// where each is used.

#include "editing/WhereUsed.h"
#include "editing/TreeFilter.h"

#include "NetworkFixtures.h"

#include <gtest/gtest.h>

namespace {

// The usages as "text@kind:index[/parent]" joined by "; ".
std::string Describe(const std::vector<Usage>& usages)
{
    std::string text;
    for (const Usage& usage : usages) {
        text += (text.empty() ? "" : "; ") + usage.text + "@" + std::to_string(static_cast<int>(usage.record.kind)) +
                ":" + std::to_string(usage.record.index);
        if (usage.record.parent >= 0)
            text += "/" + std::to_string(usage.record.parent);
    }
    return text;
}

TEST(WhereUsed, ListsEveryReferringRecordOnce)
{
    const auto network = MakeRichNetwork();
    const struct {
        EntityRef entity;
        const char* usages;
    } cases[] = {
        {{EntityKind::Signal, 0}, "Frame MotorCmd@3:0; Representation Speed@9:0"},
        {{EntityKind::Signal, 1}, "Frame MotorState@3:1; Slave Motor@0:0"},
        {{EntityKind::Frame, 1},
         "Event triggered frame EventAll@4:0; Schedule table Normal@8:0; Schedule table Diag@8:1; Slave Motor@0:0"},
        {{EntityKind::Frame, 0},
         "Sporadic frame SpoMotor@5:0; Schedule table Normal@8:0; Schedule table Diag@8:1; Slave Motor@0:0"},
        {{EntityKind::EventTriggeredFrame, 0}, "Schedule table Normal@8:0"},
        {{EntityKind::Slave, 1},
         "Signal MotorSpeed@6:0; Signal LightLevel@6:2; Schedule table Diag@8:1; Composite node CompA@2:0/0"},
        {{EntityKind::EncodingType, 1}, "Signal LightLevel@6:2; Signal DoorOpen@6:3"},
        {{EntityKind::Representation, 1}, "Signal LightLevel@6:2; Signal DoorOpen@6:3"},
        {{EntityKind::EncodingType, 2}, ""},
        {{EntityKind::ScheduleTable, 0}, ""},
        {{EntityKind::Signal, 99}, ""},
        {{EntityKind::CompositeNode, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.entity.kind) << ":" << c.entity.index);
        EXPECT_EQ(c.usages, Describe(WhereUsed(*network, c.entity)));
    }
}

TEST(WhereUsed, CollisionTableIsUsedByItsEventTriggeredFrame)
{
    const auto network = MakeRichNetwork();
    network->eventTriggeredFrames[0]->collisionTable = "Diag";
    EXPECT_EQ("Event triggered frame EventAll@4:0", Describe(WhereUsed(*network, {EntityKind::ScheduleTable, 1})));
}

TEST(TreeFilter, KeepsMatchesOfEveryCategoryWithTheirAncestors)
{
    auto network = MakeRichNetwork();
    const TreeOutline outline = PrepareTreeOutline(*network);
    const auto kept = [&](const std::string& text) {
        const std::vector<bool> items = ItemsMatchingFilter(outline, *network, text);
        std::string names;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i])
                names += std::string(outline.Text(outline.items[i])) + ",";
        return names;
    };
    EXPECT_EQ("Nodes,Motor,Frames,MotorCmd,MotorState,Sporadic Frames,SpoMotor,Signals,MotorSpeed,MotorError,",
              kept("mOtOr"));
    EXPECT_EQ("Node Composition,Cfg1,CompA,", kept("compa"));
    EXPECT_EQ("", kept("nothing"));
    EXPECT_EQ(outline.items.size(), ItemsMatchingFilter(outline, *network, "").size());
    // A number finds the frames of that id, written either way.
    EXPECT_EQ("Frames,MotorCmd,", kept("0x10"));
    EXPECT_EQ("Frames,MotorCmd,", kept("16"));
    EXPECT_EQ("Frames,MasterReq,", kept("0x3c"));
    EXPECT_EQ("Event Triggered Frames,EventAll,", kept("58"));
}

}  // namespace
