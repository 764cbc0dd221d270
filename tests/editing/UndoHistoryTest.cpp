#include "editing/UndoHistory.h"
#include "NetworkFixtures.h"
#include "editing/DataRows.h"
#include "editing/TreeCommands.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

TEST(UndoHistory, UndoAndRedoRestoreTheNetworkExactly)
{
    auto n = MakeRichNetwork();
    LinNetwork* const object = n.get();
    UndoHistory history;
    const std::string original = DumpNetwork(*n);

    ASSERT_TRUE(history.Perform(*n, [&] { return DeleteTreeItem(*n, ItemAt(*n, Frames, {3})); }));
    const std::string afterDelete = DumpNetwork(*n);
    ASSERT_TRUE(history.Perform(*n, [&] { return AddForTreeItem(*n, ItemAt(*n, Signals)).has_value(); }));
    ColumnSortFlags flags;
    ASSERT_TRUE(history.Perform(*n, [&] {
        DataTable table = FillDataTable(*n, ItemAt(*n, Signals));
        return SortDataTable(*n, table, 0, flags).networkReordered;
    }));
    const std::string afterSort = DumpNetwork(*n);

    ASSERT_TRUE(history.Undo(*n));
    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(DumpNetwork(*n), afterDelete);
    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(DumpNetwork(*n), original);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo(*n));

    ASSERT_TRUE(history.Redo(*n));
    ASSERT_TRUE(history.Redo(*n));
    ASSERT_TRUE(history.Redo(*n));
    EXPECT_EQ(DumpNetwork(*n), afterSort);
    EXPECT_FALSE(history.Redo(*n));
    EXPECT_EQ(n.get(), object);
}

// A step holds the content only: undoing an edit leaves the file text and
// the reader's messages as they are now.
TEST(UndoHistory, StepsRestoreTheContentButNotTheReaderState)
{
    auto n = LinNetwork::LoadFromText("LIN_description_file;\nLIN_speed = 19.2 kbps;\n", "read.ldf");
    ASSERT_TRUE(n);
    ASSERT_GT(n->messages.Size(), 0u);
    UndoHistory history;
    ASSERT_TRUE(history.Perform(*n, [&] {
        n->speedKbps = 10.0f;
        n->fileText.clear();
        n->messages = MessageLog();
        return true;
    }));
    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(n->speedKbps, 19.2f);
    EXPECT_TRUE(n->fileText.empty());
    EXPECT_EQ(n->messages.Size(), 0u);
    ASSERT_TRUE(history.Redo(*n));
    EXPECT_EQ(n->speedKbps, 10.0f);
}

TEST(UndoHistory, UnchangedEditsMakeNoStepAndNewStepsDropRedo)
{
    auto n = MakeRichNetwork();
    UndoHistory history;
    EXPECT_FALSE(history.Perform(*n, [&] { return DeleteTreeItem(*n, ItemAt(*n, Signals)); }));
    EXPECT_FALSE(history.CanUndo());

    history.Perform(*n, [&] { return DeleteTreeItem(*n, ItemAt(*n, Schedules, {0})); });
    history.Undo(*n);
    EXPECT_TRUE(history.CanRedo());
    history.Perform(*n, [&] { return DeleteTreeItem(*n, ItemAt(*n, Schedules, {1})); });
    EXPECT_FALSE(history.CanRedo());
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
}

TEST(UndoHistory, KeepsOnlyTheNewestSteps)
{
    auto n = LinNetwork::CreateDefault();
    UndoHistory history(2);
    for (int i = 0; i < 3; ++i)
        history.Perform(*n, [&] { return AddForTreeItem(*n, ItemAt(*n, Signals)).has_value(); });
    EXPECT_TRUE(history.Undo(*n));
    EXPECT_TRUE(history.Undo(*n));
    EXPECT_FALSE(history.Undo(*n));
    ASSERT_EQ(n->signals.size(), 1u);
    EXPECT_EQ(n->signals[0]->name, "Unknown");
}

}  // namespace
