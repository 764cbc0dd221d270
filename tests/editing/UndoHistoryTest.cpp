#include "editing/UndoHistory.h"
#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/DataRows.h"
#include "editing/Document.h"
#include "editing/ScheduleEntryEdits.h"
#include "editing/TreeCommands.h"
#include "model/DialectConversion.h"
#include "model/NetworkContentMembers.h"
#include "model/RecordEquality.h"
#include "model/Rename.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace outline_text;

// A network's content and, written independently of the record comparison
// the steps use, every field as text.
struct State {
    explicit State(const LinNetwork& n) : content(n.Content()), dump(DumpNetwork(n)) {}
    NetworkContent content;
    std::string dump;
};

void ExpectState(const LinNetwork& n, const State& expected)
{
    bool same = true;
    ForEachContentMember([&](auto member) { same = same && SameValue(n.*member, expected.content.*member); });
    EXPECT_TRUE(same);
    EXPECT_EQ(DumpNetwork(n), expected.dump);
}

struct EditCase {
    const char* name;
    std::function<bool(LinNetwork&)> edit;
};

// Edits of every kind: a header value, inserts, deletes and renames with
// the purges they bring across several lists, moves, and a conversion that
// touches nearly every member.
const std::vector<EditCase>& EditCases()
{
    static const std::vector<EditCase> cases = {
        {"header value",
         [](LinNetwork& n) {
             n.timeBaseMs = 7;
             return true;
         }},
        {"add signal", [](LinNetwork& n) { return AddForTreeItem(n, ItemAt(n, Signals)).has_value(); }},
        {"add schedule table", [](LinNetwork& n) { return AddForTreeItem(n, ItemAt(n, Schedules)).has_value(); }},
        {"delete referenced frame",
         [](LinNetwork& n) {
             return DeleteTreeItem(n, ItemShowing(n, {EntityKind::Frame, 0}));
         }},
        {"delete referenced signal",
         [](LinNetwork& n) {
             return DeleteTreeItem(n, ItemShowing(n, {EntityKind::Signal, 1}));
         }},
        {"delete slave",
         [](LinNetwork& n) {
             return DeleteTreeItem(n, ItemShowing(n, {EntityKind::Slave, 0}));
         }},
        {"rename slave", [](LinNetwork& n) { return RenameSlave(n, 0, "Engine"); }},
        {"rename signal", [](LinNetwork& n) { return RenameSignal(n, 0, "Speed2"); }},
        {"rename frame", [](LinNetwork& n) { return RenameFrame(n, 1, "State2"); }},
        {"move schedule entry", [](LinNetwork& n) { return MoveScheduleEntry(n, 0, 1, -1); }},
        {"reverse signals",
         [](LinNetwork& n) {
             std::reverse(n.signals.begin(), n.signals.end());
             return true;
         }},
        {"convert to J2602",
         [](LinNetwork& n) {
             ConvertToDialect(n, lin::Dialect::J2602);
             return true;
         }},
    };
    return cases;
}

// Each edit alone: undo gives the content before it, redo the content after.
TEST(UndoHistory, EachEditUndoesAndRedoesExactly)
{
    for (const EditCase& c : EditCases()) {
        SCOPED_TRACE(c.name);
        auto n = MakeRichNetwork();
        const State original(*n);
        UndoHistory history;
        ASSERT_TRUE(history.Perform(*n, [&] { return c.edit(*n); }));
        const State edited(*n);
        ASSERT_NE(edited.dump, original.dump);
        ASSERT_TRUE(history.Undo(*n));
        ExpectState(*n, original);
        ASSERT_TRUE(history.Redo(*n));
        ExpectState(*n, edited);
    }
}

// All edits one after another, each step made against the content the one
// before left: undoing them all gives the original, redoing them all the
// last state, and every state on the way back is the one it was.
TEST(UndoHistory, StepsInARowRestoreEveryStateOnTheWay)
{
    auto n = MakeRichNetwork();
    UndoHistory history;
    std::vector<State> states{State(*n)};
    for (const EditCase& c : EditCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(history.Perform(*n, [&] { return c.edit(*n); }));
        states.emplace_back(*n);
    }
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        SCOPED_TRACE(EditCases()[k - 1].name);
        ASSERT_TRUE(history.Undo(*n));
        ExpectState(*n, states[k - 1]);
    }
    while (history.Redo(*n)) {
    }
    ExpectState(*n, states.back());
}

// A step keeps what the edit changed, not a copy: the records it did not
// touch stay the same objects through the edit, the undo and the redo.
TEST(UndoHistory, RecordsAnEditLeavesAloneStayTheSameObjects)
{
    auto n = MakeRichNetwork();
    const LinSignal* const firstSignal = n->signals.front().get();
    const LinFrame* const lastFrame = n->frames.back().get();
    UndoHistory history;
    ASSERT_TRUE(history.Perform(*n, [&] { return RenameSignal(*n, n->signals.size() - 1, "Last"); }));
    ASSERT_TRUE(history.Undo(*n));
    ASSERT_TRUE(history.Redo(*n));
    EXPECT_EQ(n->signals.front().get(), firstSignal);
    EXPECT_EQ(n->frames.back().get(), lastFrame);
}

// The document's tidy-up after an edit (here the purge of a deleted signal's
// references) belongs to the step, so undo restores the network as opened.
TEST(UndoHistory, DocumentStepsHoldTheTidyUpOfTheirEdit)
{
    Document document;
    ASSERT_EQ(document.Open(TestDataDir() + "/dialects/rich.ldf"), "");
    const State opened(*document.Network());
    ASSERT_TRUE(document.Edit([](LinNetwork& n) {
        n.signals.erase(n.signals.begin());
        return true;
    }));
    const State edited(*document.Network());
    ASSERT_TRUE(document.Undo());
    ExpectState(*document.Network(), opened);
    ASSERT_TRUE(document.Redo());
    ExpectState(*document.Network(), edited);

    // A change the history does not see leaves no step to undo against.
    document.ChangeOutsideHistory([](LinNetwork& n) { n.signals.erase(n.signals.begin()); });
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.CanRedo());
}

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
