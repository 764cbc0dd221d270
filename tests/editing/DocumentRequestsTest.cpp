#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/Document.h"
#include "editing/TreeCommands.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

// A request as a view makes it, on the network as it stands; true when the
// request reports that it changed the network.
struct RequestCase {
    const char* name;
    std::function<bool(Document&, const LinNetwork&)> request;
};

TreeItemRef FirstSignal(const LinNetwork& network) { return ItemShowing(network, {EntityKind::Signal, 0}); }

bool AppendSlave(const SheetRequest&, LinNetwork& network)
{
    network.slaves.Append(std::make_unique<LinNode>("Seat"));
    return true;
}

TEST(DocumentRequests, EachIsOneStepThatOneUndoTakesBack)
{
    const std::vector<RequestCase> cases = {
        {"DeleteRows",
         [](Document& d, const LinNetwork& n) {
             return d.DeleteRows(ItemAt(n, Signals), {0, 1});
         }},
        {"MoveRow", [](Document& d, const LinNetwork& n) { return d.MoveRow(ItemAt(n, Schedules, {0}), 0, 1); }},
        {"DuplicateRow",
         [](Document& d, const LinNetwork& n) { return d.DuplicateRow(ItemAt(n, Schedules, {0}), 1) == 2; }},
        {"SortList",
         [](Document& d, const LinNetwork& n) {
             DataTable table = FillDataTable(n, ItemAt(n, Signals));
             ColumnSortFlags flags;
             return d.SortList(table, 0, flags).networkReordered;
         }},
        {"DeleteItem", [](Document& d, const LinNetwork& n) { return d.DeleteItem(FirstSignal(n)); }},
        {"AddItem",
         [](Document& d, const LinNetwork& n) {
             return d.AddItem(ItemAt(n, Signals), [](const SheetRequest&, LinNetwork&) { return true; }).has_value();
         }},
        {"RunSheet", [](Document& d,
                        const LinNetwork& n) { return d.RunSheet(TreePropertiesFor(n, FirstSignal(n)), AppendSlave); }},
        {"Paste",
         [](Document& d, const LinNetwork& n) {
             const std::string text = CopySelection(n, SelectionToCopy(FirstSignal(n), {}));
             return d.Paste(text, PasteTarget{}).changed;
         }},
        {"Duplicate",
         [](Document& d, const LinNetwork& n) { return d.Duplicate(SelectionToCopy(FirstSignal(n), {})).changed; }},
    };
    Document document;
    ASSERT_EQ(document.Open(TestDataDir() + "/../../examples/body-control.ldf"), "");
    const std::string original = DumpNetwork(*document.Network());
    for (const RequestCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(row.request(document, *document.Network()));
        EXPECT_NE(DumpNetwork(*document.Network()), original);
        EXPECT_TRUE(document.Undo());
        EXPECT_EQ(DumpNetwork(*document.Network()), original);
        EXPECT_FALSE(document.CanUndo());
    }

    // A sheet not confirmed takes no step: a cancelled Add leaves nothing.
    const auto cancel = [](const SheetRequest&, LinNetwork&) { return false; };
    EXPECT_EQ(document.AddItem(ItemAt(*document.Network(), Signals), cancel), std::nullopt);
    EXPECT_FALSE(document.RunSheet(TreePropertiesFor(*document.Network(), FirstSignal(*document.Network())), cancel));
    EXPECT_FALSE(document.RunSheet(SheetRequest{}, AppendSlave));
    EXPECT_EQ(DumpNetwork(*document.Network()), original);
    EXPECT_FALSE(document.CanUndo());
}

}  // namespace
