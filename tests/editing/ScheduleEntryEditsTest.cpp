#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/Document.h"
#include "editing/ListCommands.h"
#include "editing/ScheduleForms.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
using namespace outline_text;

constexpr int kNormal = 0;

Strings EntryTextsOf(const ScheduleTable& table)
{
    Strings texts;
    for (const auto& entry : table.entries)
        texts.push_back(EntryText(*entry));
    return texts;
}

TEST(ScheduleTableForm, MovesInsertsAndDuplicatesOnTheWorkingCopy)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    ScheduleTableForm form = ScheduleTableForm::Read(*n, kNormal);
    ASSERT_EQ(form.EntryTexts(), (Strings{"MotorCmd", "MotorState", "EventAll", "SpoMotor"}));

    EXPECT_TRUE(form.Move(1, -1));
    EXPECT_TRUE(form.Move(2, 1));
    EXPECT_FALSE(form.Move(0, -1));  // at either end nothing moves
    EXPECT_FALSE(form.Move(3, 1));
    EXPECT_FALSE(form.Move(7, -1));
    EXPECT_EQ(form.EntryTexts(), (Strings{"MotorState", "MotorCmd", "SpoMotor", "EventAll"}));

    // Add goes after the selected entry, at the end without a selection.
    const ChoiceMenu choices = ScheduleTableForm::AddChoices(*n);
    const int sporadic = choices.FirstEntryOf(3);
    EXPECT_EQ(form.AddChosen(*n, sporadic, 0), std::optional<int>(1));
    EXPECT_EQ(form.AddChosen(*n, 0, -1), std::optional<int>(5));
    EXPECT_EQ(form.AddChosen(*n, 0, 40), std::optional<int>(6));
    EXPECT_EQ(form.AddChosen(*n, 999, 0), std::nullopt);
    EXPECT_EQ(form.EntryTexts(),
              (Strings{"MotorState", "SpoMotor", "MotorCmd", "SpoMotor", "EventAll", "MasterReq", "MasterReq"}));

    // A duplicate keeps the delay and lands right after its original.
    form.entries[2]->delayMs = 12.5;
    EXPECT_EQ(form.Duplicate(2), 3);
    EXPECT_EQ(form.Duplicate(-1), -1);
    ASSERT_EQ(form.entries.size(), 8u);
    EXPECT_EQ(EntryText(*form.entries[3]), "MotorCmd");
    EXPECT_EQ(form.entries[3]->delayMs, 12.5);
    EXPECT_NE(form.entries[3].get(), form.entries[2].get());
    EXPECT_EQ(DumpNetwork(*n), before);  // only the commit stores

    form.Commit(*n, kNormal);
    EXPECT_EQ(EntryTextsOf(*n->scheduleTables[kNormal]), (Strings{"MotorState", "SpoMotor", "MotorCmd", "MotorCmd",
                                                                  "SpoMotor", "EventAll", "MasterReq", "MasterReq"}));
}

TEST(ScheduleListRows, MoveDuplicateAndDeleteAreOneUndoStepEach)
{
    Document document;
    ASSERT_EQ(document.Open(TestDataDir() + "/../../examples/body-control.ldf"), "");
    const LinNetwork& n = *document.Network();
    // Undo replaces the records, so the table is looked up each time.
    const auto entries = [&] { return EntryTextsOf(*n.scheduleTables[kNormal]); };
    const Strings original = entries();
    ASSERT_EQ(original.size(), 5u);
    const TreeItemRef item = ItemAt(n, Schedules, {kNormal});
    ASSERT_EQ(item.kind, TreeItemKind::ScheduleTable);
    EXPECT_TRUE(ListMenuFor(item, 0).remove);
    EXPECT_FALSE(ListMenuFor(item, -1).remove);

    ASSERT_TRUE(document.Edit([&](LinNetwork& net) { return MoveListRow(net, item, 0, 1); }));
    EXPECT_EQ(entries(), (Strings{original[1], original[0], original[2], original[3], original[4]}));
    EXPECT_FALSE(document.Edit([&](LinNetwork& net) { return MoveListRow(net, item, 4, 1); }));
    EXPECT_FALSE(document.Edit([&](LinNetwork& net) { return MoveListRow(net, ItemAt(net, Schedules), 0, 1); }));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(entries(), original);
    EXPECT_FALSE(document.IsModified());

    int copy = -1;
    ASSERT_TRUE(document.Edit([&](LinNetwork& net) { return (copy = DuplicateListRow(net, item, 2)) >= 0; }));
    EXPECT_EQ(copy, 3);
    EXPECT_EQ(entries(), (Strings{original[0], original[1], original[2], original[2], original[3], original[4]}));
    ASSERT_TRUE(document.Edit([&](LinNetwork& net) { return DeleteListRow(net, item, 0); }));
    EXPECT_EQ(entries(), (Strings{original[1], original[2], original[2], original[3], original[4]}));
    EXPECT_FALSE(document.Edit([&](LinNetwork& net) { return DeleteListRow(net, item, 9); }));
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(entries(), original);
    EXPECT_FALSE(document.CanUndo());
}

}  // namespace
