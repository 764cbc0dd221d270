#include "NetworkFixtures.h"
#include "TestFiles.h"
#include "editing/DataRows.h"
#include "editing/ListCommands.h"
#include "editing/NumberDisplay.h"
#include "editing/TreeCommands.h"
#include "editing/UndoHistory.h"
#include "model/UnreadPlaces.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

std::unique_ptr<LinNetwork> LoadFixture(const std::string& name)
{
    return LinNetwork::LoadFromText(ReadFileBytes(TestDataDir() + "/" + name));
}

// The kept statements' items as "parent caption: item caption".
std::vector<std::string> KeptItems(const LinNetwork& network)
{
    const TreeOutline outline = LayOutTree(network);
    std::vector<std::string> items;
    for (const OutlineItem& item : outline.items)
        if (item.itemKind == TreeItemKind::KeptStatement && item.parent >= 0)
            items.push_back(std::string(outline.Text(outline.items[static_cast<std::size_t>(item.parent)])) + ": " +
                            std::string(outline.Text(item)));
    return items;
}

int FirstItemOf(const TreeOutline& outline, TreeItemKind kind)
{
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        if (outline.items[i].itemKind == kind)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> FirstCells(const DataTable& table)
{
    std::vector<std::string> cells;
    for (const DataRow& row : table.rows)
        cells.push_back(row.cells.empty() ? std::string() : row.cells.front());
    return cells;
}

TEST(KeptStatementItems, StandUnderTheBlockThatHoldsThem)
{
    struct Case {
        const char* fixture;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"unread-node-attributes.ldf",
         {"LSM: vendor_specific_thing = 42;", "RSM: product_id = 0x1E, 0x2, 0, 7;", "DSM: vendor { a; b; }", "DSM: + ;",
          "DSM: product_id = 0x1E, 0x4 { 0 }", "DSM: configurable_frames { DSMFrm = 0x1003; vendor_group { } }",
          "Nodes: vendor_section_note = \"kept\";"}},
        {"unread-schedule-tables.ldf", {}},
        {"unread-frames.ldf", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        auto n = LoadFixture(c.fixture);
        const std::vector<std::string> items = KeptItems(*n);
        if (!c.items.empty()) {
            EXPECT_EQ(items, c.items);
        }
        // Every kept statement has its item, and each item names its own.
        EXPECT_EQ(items.size(), PlacedUnreadStatements(*n).size());
        const TreeOutline outline = LayOutTree(*n);
        for (std::size_t i = 0; i < outline.items.size(); ++i) {
            if (outline.items[i].itemKind != TreeItemKind::KeptStatement)
                continue;
            const TreeItemRef item = TreeItemAt(outline, static_cast<int>(i));
            ASSERT_TRUE(item.record);
            const UnreadStatement* statement = UnreadStatementAt(*n, item.record->parent, item.record->index);
            ASSERT_NE(statement, nullptr);
            const DataTable table = FillDataTable(*n, item);
            ASSERT_EQ(table.rows.size(), 1u);
            EXPECT_EQ(table.rows[0].cells, (std::vector<std::string>{std::to_string(statement->line), item.itemText}));
        }
    }
}

TEST(KeptStatementItems, ScheduleTableAndFrameStatementsStandUnderTheirRecords)
{
    auto tables = LoadFixture("unread-schedule-tables.ldf");
    const std::vector<std::string> tableItems = KeptItems(*tables);
    ASSERT_FALSE(tableItems.empty());
    EXPECT_NE(std::find(tableItems.begin(), tableItems.end(),
                        tables->scheduleTables[0]->name + ": AssignFrameIdRange { LSM, 0, 0x01, 0x02 } delay 20 ms;"),
              tableItems.end());
    auto frames = LoadFixture("unread-frames.ldf");
    const std::vector<std::string> frameItems = KeptItems(*frames);
    EXPECT_NE(std::find(frameItems.begin(), frameItems.end(), std::string(Frames) + ": Broken: 0x05 { Lamp, 0; }"),
              frameItems.end());
}

TEST(KeptStatementItems, DeleteRemovesTheStatementInOneUndoStep)
{
    auto n = LoadFixture("unread-node-attributes.ldf");
    const TreeOutline outline = LayOutTree(*n);
    const TreeItemRef item = TreeItemAt(outline, FirstItemOf(outline, TreeItemKind::KeptStatement));
    ASSERT_EQ(item.itemText, "vendor_specific_thing = 42;");
    const MenuState menu = TreeMenuFor(item);
    EXPECT_TRUE(menu.remove);
    EXPECT_FALSE(menu.add);
    EXPECT_FALSE(menu.properties);
    EXPECT_FALSE(static_cast<bool>(TreePropertiesFor(*n, item)));

    const std::string before = DumpNetwork(*n);
    const std::size_t kept = PlacedUnreadStatements(*n).size();
    UndoHistory history;
    ASSERT_TRUE(history.Perform(*n, [&] { return DeleteTreeItem(*n, item); }));
    EXPECT_EQ(PlacedUnreadStatements(*n).size(), kept - 1);
    EXPECT_TRUE(n->nodeAttributes[0]->unread.empty());
    EXPECT_EQ(KeptItems(*n).front(), "RSM: product_id = 0x1E, 0x2, 0, 7;");
    // A position that no longer names a statement changes nothing.
    EXPECT_FALSE(DeleteTreeItem(*n, item));
    ASSERT_TRUE(history.Undo(*n));
    EXPECT_EQ(DumpNetwork(*n), before);
    EXPECT_EQ(PlacedUnreadStatements(*n).size(), kept);
    EXPECT_FALSE(history.CanUndo());

    // The list beside the tree shows the statement as its one row, and
    // deleting that row removes it the same way.
    EXPECT_TRUE(ListMenuFor(item, 0).remove);
    EXPECT_FALSE(DeleteListRow(*n, item, 1));
    EXPECT_TRUE(DeleteListRow(*n, item, 0));
    EXPECT_EQ(PlacedUnreadStatements(*n).size(), kept - 1);
}

TEST(KeptStatementItems, PreparedTreeNamesTheStatementsThatRemain)
{
    // Attributes of a node that is no slave go with the preparation, and
    // with them the statement kept there; the items after still name theirs.
    auto n = LoadFixture("unread-node-attributes.ldf");
    n->nodeAttributes[0]->nodeName = "Gone";
    const std::size_t kept = PlacedUnreadStatements(*n).size();
    const TreeOutline outline = PrepareTreeOutline(*n);
    ASSERT_EQ(PlacedUnreadStatements(*n).size(), kept - 1);
    std::size_t items = 0;
    for (std::size_t i = 0; i < outline.items.size(); ++i) {
        if (outline.items[i].itemKind != TreeItemKind::KeptStatement)
            continue;
        ++items;
        const TreeItemRef item = TreeItemAt(outline, static_cast<int>(i));
        const UnreadStatement* statement = UnreadStatementAt(*n, item.record->parent, item.record->index);
        ASSERT_NE(statement, nullptr);
        EXPECT_EQ(StatementOnOneLine(statement->text), item.itemText);
    }
    EXPECT_EQ(items, kept - 1);
}

TEST(KeptStatementItems, FilesWithoutThemShowNoNewItems)
{
    for (const std::string& fixture : LdfFilesIn(TestDataDir())) {
        auto n = LinNetwork::LoadFromText(ReadFileBytes(fixture));
        if (!PlacedUnreadStatements(*n).empty() || !n->otherDiagnosticFrames.empty())
            continue;
        SCOPED_TRACE(fixture);
        const TreeOutline outline = LayOutTree(*n);
        EXPECT_EQ(FirstItemOf(outline, TreeItemKind::KeptStatement), -1);
        EXPECT_EQ(FirstItemOf(outline, TreeItemKind::OtherDiagnosticFrame), -1);
    }
}

TEST(OtherDiagnosticFrameItems, StandUnderFramesAfterSlaveResp)
{
    auto n = LoadFixture("kept-diagnostic-frames.ldf");
    ASSERT_EQ(n->otherDiagnosticFrames.size(), 1u);
    EXPECT_EQ(ItemAt(*n, Frames, {2}).itemText, "ProxyRequest");
    EXPECT_EQ(ItemAt(*n, Frames, {2}).kind, TreeItemKind::OtherDiagnosticFrame);
    EXPECT_EQ(ItemAt(*n, Frames, {3}).kind, TreeItemKind::Frame);
    EXPECT_EQ(FirstCells(FillDataTable(*n, ItemAt(*n, Frames, {2}))),
              (std::vector<std::string>{"NodeAddress", "PCI", "SID"}));
    const MenuState menu = TreeMenuFor(ItemAt(*n, Frames, {2}));
    EXPECT_TRUE(menu.add);
    EXPECT_FALSE(menu.remove);
}

TEST(OtherDiagnosticFrameItems, FramesListShowsThemAmongTheFixedRows)
{
    auto n = LoadFixture("kept-diagnostic-frames.ldf");
    const TreeItemRef frames = ItemAt(*n, Frames);
    DataTable table = FillDataTable(*n, frames);
    ASSERT_EQ(FirstCells(table), (std::vector<std::string>{"MasterReq", "SlaveResp", "ProxyRequest", "LSM_Frm"}));
    EXPECT_EQ(table.rows[2].cells[1], IdText(59));
    // A row's source names the frame it shows; the diagnostic rows name none.
    EXPECT_EQ(EntityOfRow(frames, table.rows[3].source)->index, 0);
    EXPECT_FALSE(EntityOfRow(frames, table.rows[2].source) &&
                 n->frames.RecordAt(EntityOfRow(frames, table.rows[2].source)->index));
    EXPECT_FALSE(DeleteListRow(*n, frames, table.rows[2].source));
    EXPECT_EQ(n->frames.size(), 1u);

    n->frames.push_back(std::make_unique<LinFrame>(*n->frames[0]));
    n->frames[1]->name = "A_Frm";
    table = FillDataTable(*n, frames);
    ColumnSortFlags flags;
    SortDataTable(*n, table, 0, flags);
    SortDataTable(*n, table, 0, flags);  // ascending
    EXPECT_EQ(FirstCells(table),
              (std::vector<std::string>{"MasterReq", "SlaveResp", "ProxyRequest", "A_Frm", "LSM_Frm"}));
    EXPECT_EQ(n->frames[0]->name, "A_Frm");
    EXPECT_EQ(table.rows[3].source, 2);
    EXPECT_EQ(table.rows[4].source, 3);
    EXPECT_EQ(table.rows[2].source, 4);
}

}  // namespace
