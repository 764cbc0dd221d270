// Add followed by Cancel, and what a Delete asks about before it takes
// references with it.
#include "NetworkFixtures.h"
#include "editing/ConfirmedAdd.h"
#include "editing/DeletionConsequences.h"
#include "editing/Document.h"
#include "editing/TreeCommands.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

using Lines = std::vector<std::string>;

TEST(AddWithSheet, CancelLeavesNothingBehindAndConfirmKeepsTheEntity)
{
    Document document;
    document.New();
    const std::string before = DumpNetwork(*document.Network());
    for (const char* top : {Nodes, Frames, Signals, Schedules, EventTriggeredFrames, SporadicFrames}) {
        SCOPED_TRACE(top);
        const TreeItemRef category = ItemAt(*document.Network(), top);
        int asked = 0;
        EXPECT_FALSE(document.Edit([&](LinNetwork& network) {
            return AddWithSheet(network, category, [&](const SheetRequest&) { return ++asked, false; }).has_value();
        }));
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(DumpNetwork(*document.Network()), before);
        EXPECT_FALSE(document.IsModified());
        EXPECT_FALSE(document.CanUndo());
    }

    const TreeItemRef signals = ItemAt(*document.Network(), Signals);
    EXPECT_TRUE(document.Edit([&](LinNetwork& network) {
        return AddWithSheet(network, signals, [](const SheetRequest&) { return true; }).has_value();
    }));
    ASSERT_EQ(document.Network()->signals.size(), 1u);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.Undo());
    EXPECT_EQ(DumpNetwork(*document.Network()), before);
}

TEST(DeletionConsequences, ListWhatEachDeletionTakesWithIt)
{
    const auto n = MakeRichNetwork();
    const struct {
        EntityRef entity;
        Lines lines;
    } rows[] = {
        {{EntityKind::Frame, 0},
         {"Sporadic frame SpoMotor lists it", "Configurable frame of Motor", "Schedule table Normal, entry 1: MotorCmd",
          "Schedule table Diag, entry 8: AssignFrameId"}},
        {{EntityKind::Frame, 1},
         {"Event triggered frame EventAll lists it", "Configurable frame of Motor",
          "Schedule table Normal, entry 2: MotorState", "Schedule table Diag, entry 3: AssignFrameId"}},
        {{EntityKind::EventTriggeredFrame, 0}, {"Schedule table Normal, entry 3: EventAll"}},
        {{EntityKind::Signal, 2}, {"Frame MotorState: placement at offset 8", "Representation of Mixed"}},
        {{EntityKind::Signal, 1}, {"Frame MotorState: placement at offset 0", "Slave Motor: response_error"}},
        {{EntityKind::Slave, 2},
         {"Frame DoorState: publisher", "Signal DoorOpen: publisher", "Schedule table Diag, entry 4: UnassignFrameId"}},
        {{EntityKind::Slave, 0},
         {"Frame MotorState: publisher", "Signal MotorSpeed: subscriber", "Signal MotorError: publisher",
          "Signal LightLevel: subscriber", "Node attributes of Motor", "Composite node CompA: logical node",
          "Schedule table Diag, entry 3: AssignFrameId"}},
        {{EntityKind::ScheduleTable, 0}, {}},
        {{EntityKind::EncodingType, 2}, {}},
        {{EntityKind::Frame, 9}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(row.entity.kind)) + "/" + std::to_string(row.entity.index));
        EXPECT_EQ(DeletionConsequences(*n, row.entity), row.lines);
    }
    const DeletionQuestion question = AskBeforeDeleting(*n, {EntityKind::Frame, 0});
    EXPECT_EQ(question.text, "Delete frame MotorCmd? These go with it:");
    EXPECT_EQ(question.consequences.size(), 4u);
    EXPECT_TRUE(AskBeforeDeleting(*n, {EntityKind::ScheduleTable, 1}).text.empty());
}

TEST(DeletionConsequences, DeletingAReferencedFrameIsOneStepThatUndoRestores)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    UndoHistory history;
    ASSERT_TRUE(history.Perform(*n, [&] { return DeleteTreeItem(*n, ItemShowing(*n, {EntityKind::Frame, 0})); }));
    // Every reference listed is gone with the frame.
    EXPECT_EQ(n->FindFrame("MotorCmd"), nullptr);
    EXPECT_EQ(n->sporadicFrames[0]->frameNames, (Lines{"DoorState", "Gone"}));
    EXPECT_EQ(n->nodeAttributes[0]->configurableFrames.size(), 1u);
    EXPECT_EQ(n->scheduleTables[0]->entries.size(), 3u);
    EXPECT_EQ(n->scheduleTables[1]->entries.size(), 7u);
    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(DumpNetwork(*n), before);
    EXPECT_EQ(DeletionConsequences(*n, {EntityKind::Frame, 0}).size(), 4u);
}

}  // namespace
