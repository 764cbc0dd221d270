#include "editing/ListCommands.h"
#include "NetworkFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

// The rich network with its slave and its signal at index k called "Master".
std::unique_ptr<LinNetwork> WithEntitiesNamedMaster(std::size_t k)
{
    auto n = MakeRichNetwork();
    n->slaves[k]->name = Master;
    n->signals[k]->name = Master;
    return n;
}

TEST(ListMenu, TitlesAndEntriesDependOnTheTreeItemAndTheRow)
{
    auto n = MakeRichNetwork();
    auto named = WithEntitiesNamedMaster(0);
    struct Row {
        TreeItemRef tree;
        int row;
        const char* title;
        bool add, remove, properties;
    };
    const Row rows[] = {
        {ItemAt(*n, Network), 0, "Network", false, false, true},
        {ItemAt(*n, Network), -1, "Duvazadi", false, false, true},
        {ItemAt(*n, Nodes), 0, "Node", true, false, true},
        {ItemAt(*n, Nodes), 1, "Node", true, true, true},
        {ItemAt(*n, Nodes), -1, "Node", true, false, false},
        {ItemAt(*n, Frames), 1, "Frame", true, false, false},
        {ItemAt(*n, Frames), 2, "Frame", true, true, true},
        {ItemAt(*n, Signals), -1, "Signal", true, false, false},
        {ItemAt(*n, Signals), 0, "Signal", true, true, true},
        {ItemAt(*n, DynamicFrames), 0, "Dynamic Frames", false, false, true},
        {ItemAt(*n, Nodes, {0}), 0, "Master", false, false, true},
        {ItemAt(*n, Nodes, {1}), 0, "Node", false, false, true},
        {ItemAt(*named, Nodes, {1}), 0, "Master", false, false, true},  // a slave named so
        {ItemAt(*n, Frames, {0}), 3, "Frame", true, false, false},
        {ItemAt(*n, Signals, {1}), 0, "Representation", false, false, true},
        {ItemAt(*n, Signals, {1, 0}), -1, "Encoding Type", false, false, false},
        {ItemAt(*n, Signals, {0}), 0, "Encoding Type", true, true, true},
        {TreeItemRef{}, 0, "Duvazadi", false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.tree.itemText + " " + std::to_string(r.tree.depth) + " row " + std::to_string(r.row));
        const MenuState menu = ListMenuFor(r.tree, r.row);
        EXPECT_EQ(menu.title, r.title);
        EXPECT_EQ(menu.add, r.add);
        EXPECT_EQ(menu.remove, r.remove);
        EXPECT_EQ(menu.properties, r.properties);
    }
}

TEST(ListDelete, RowsMapToTheirEntitiesAndFixedRowsStay)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    EXPECT_FALSE(DeleteListRow(*n, ItemAt(*n, Nodes), 0));
    EXPECT_FALSE(DeleteListRow(*n, ItemAt(*n, Frames), 1));
    EXPECT_FALSE(DeleteListRow(*n, ItemAt(*n, Frames), 5));
    EXPECT_FALSE(DeleteListRow(*n, ItemAt(*n, Signals), -1));
    EXPECT_FALSE(DeleteListRow(*n, ItemAt(*n, Signals, {3}), 0));
    EXPECT_EQ(DumpNetwork(*n), before);

    ASSERT_TRUE(DeleteListRow(*n, ItemAt(*n, Frames), 2));
    EXPECT_EQ(n->frames[0]->name, "MotorState");
    EXPECT_EQ(n->sporadicFrames[0]->frameNames, (std::vector<std::string>{"DoorState", "Gone"}));
    ASSERT_TRUE(DeleteListRow(*n, ItemAt(*n, Nodes), 3));
    EXPECT_EQ(n->slaves.back()->name, "Light");
    EXPECT_EQ(n->signals[3]->publisher, "");
    ASSERT_TRUE(DeleteListRow(*n, ItemAt(*n, Signals, {0}), 2));
    EXPECT_EQ(n->encodingTypes.size(), 2u);
}

TEST(ListProperties, RowsOpenTheSheetOfTheirRecord)
{
    auto n = MakeRichNetwork();
    auto named = WithEntitiesNamedMaster(1);
    struct Row {
        TreeItemRef tree;
        int row;
        SheetId sheet;
        const char* caption;
        int index, second;
    };
    const Row rows[] = {
        {ItemAt(*n, Signals), 3, SheetId::SignalSheet, "Signals", 3, -1},
        {ItemAt(*n, Signals), 4, SheetId::None, "", -1, -1},
        {ItemAt(*n, Nodes), 0, SheetId::MasterSheet, "Master", -1, -1},
        {ItemAt(*n, Nodes), 3, SheetId::NAttSheet, "Attributes", 2, -1},
        {ItemAt(*n, Nodes), 4, SheetId::None, "", -1, -1},
        {ItemAt(*n, Nodes, {2}), 5, SheetId::NAttSheet, "Attributes", 1, -1},
        // Items named "Master" list the master, and their row opens it.
        {ItemAt(*named, Nodes, {2}), 0, SheetId::MasterSheet, "Master", -1, -1},
        {ItemAt(*named, Signals, {4}), 0, SheetId::MasterSheet, "Master", -1, -1},
        {ItemAt(*n, Network), -1, SheetId::NetworkSheet, "Properties", -1, -1},
        {ItemAt(*n, NodeComposition, {0}), 1, SheetId::CompFuncSheet, "Configuration", 0, 1},
        {ItemAt(*n, NodeComposition, {0}), 2, SheetId::None, "", -1, -1},
        {ItemAt(*n, NodeComposition, {0, 1}), 0, SheetId::CompFuncSheet, "Configuration", 0, 1},
        {ItemAt(*n, Signals, {0, 1}), 1, SheetId::EncValSheet, "Encoding type", 1, 1},
        {ItemAt(*n, Signals, {0, 1}), 2, SheetId::None, "", -1, -1},  // the BCD row
        {ItemAt(*n, Signals, {0}), 2, SheetId::SigEncSheet, "Signal Encoding", 2, -1},
        {ItemAt(*n, Schedules, {1}), 7, SheetId::ScheduleSheet, "Frame properties", 1, 7},
        {ItemAt(*n, Schedules, {1}), 8, SheetId::None, "", -1, -1},
        {ItemAt(*n, Frames), 1, SheetId::None, "", -1, -1},
        {ItemAt(*n, Frames), 4, SheetId::FrameSheet, "Frame", 2, -1},
        {ItemAt(*n, Frames, {3}), 2, SheetId::FrameOffSheet, "Offset", 1, 2},
        {ItemAt(*n, Frames, {3}), 3, SheetId::None, "", -1, -1},
        {ItemAt(*n, Signals, {1}), 1, SheetId::SignalRepSheet, "Representation", 1, -1},
        {ItemAt(*n, DynamicFrames), 0, SheetId::DynFrmSheet, "Dynamic Frames", -1, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.tree.itemText + " " + std::to_string(r.tree.depth) + " row " + std::to_string(r.row));
        const SheetRequest request = ListPropertiesFor(*n, r.tree, r.row);
        EXPECT_EQ(request.sheet, r.sheet);
        EXPECT_EQ(request.caption, r.caption);
        EXPECT_EQ(request.index, r.index);
        EXPECT_EQ(request.second, r.second);
    }
}

// The frame layout's bands name their frame and signal position.
TEST(ListProperties, AFramesSignalByNameOpensItsOffsetSheet)
{
    auto n = MakeRichNetwork();
    const SheetRequest request = FrameSignalRequest(*n, "MotorState", 1);
    EXPECT_EQ(request.sheet, SheetId::FrameOffSheet);
    EXPECT_EQ(request.index, 1);
    EXPECT_EQ(request.second, 1);
    EXPECT_FALSE(FrameSignalRequest(*n, "MotorState", 9));
    EXPECT_FALSE(FrameSignalRequest(*n, "MasterReq", 0));
}

}  // namespace
