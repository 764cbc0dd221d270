#include "editing/TreeCommands.h"
#include "NetworkFixtures.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

TreeItemRef Slave(const LinNetwork& n, int k) { return ItemShowing(n, {EntityKind::Slave, k}); }
TreeItemRef SignalItem(const LinNetwork& n, int k) { return ItemShowing(n, {EntityKind::Signal, k}); }
TreeItemRef FrameItem(const LinNetwork& n, int k) { return ItemShowing(n, {EntityKind::Frame, k}); }

std::vector<std::string> SignalNames(const LinNetwork& n)
{
    std::vector<std::string> names;
    for (const auto& s : n.signals)
        names.push_back(s->name);
    return names;
}

TEST(TreeMenu, TitlesAndEnabledEntriesFollowTheItem)
{
    auto n = MakeRichNetwork();
    struct Row {
        TreeItemRef item;
        const char* title;
        bool add, remove, properties;
    };
    const Row rows[] = {
        {ItemAt(*n, Network), "Network", false, false, true},
        {ItemAt(*n, Nodes), "Node", true, false, false},
        {ItemAt(*n, Nodes, {0}), "Node", true, false, true},
        {Slave(*n, 0), "Node", true, true, true},
        {ItemAt(*n, NodeComposition), "Configuration", true, false, false},
        {ItemAt(*n, NodeComposition, {0}), "Composite Node", true, true, true},
        {ItemAt(*n, NodeComposition, {0, 1}), "Composite Node", true, true, true},
        {ItemAt(*n, Frames), "Frame", true, false, false},
        {ItemAt(*n, Frames, {1}), "Frame", true, false, false},
        {FrameItem(*n, 0), "Frame", true, true, true},
        {ItemAt(*n, EventTriggeredFrames), "E. T. Frame", true, false, false},
        {ItemAt(*n, EventTriggeredFrames, {0}), "E. T. Frame", true, true, true},
        {ItemAt(*n, SporadicFrames), "Sporadic Frame", true, false, false},
        {ItemAt(*n, SporadicFrames, {0}), "Sporadic Frame", true, true, true},
        {ItemAt(*n, DynamicFrames), "Dynamic Frames", false, false, true},
        {ItemAt(*n, Signals), "Signal", true, false, false},
        {SignalItem(*n, 0), "Signal", true, true, true},
        {ItemAt(*n, Signals, {0}), "Encoding Type", true, false, false},
        {ItemAt(*n, Signals, {0, 2}), "Encoding Type", true, true, true},
        {ItemAt(*n, Signals, {1}), "Representation", false, false, false},
        {ItemAt(*n, Signals, {1, 0}), "Encoding Type", false, false, true},
        {ItemAt(*n, Schedules), "Schedule", true, false, false},
        {ItemAt(*n, Schedules, {0}), "Schedule", true, true, true},
        {TreeItemRef{}, "Duvazadi", false, false, false},
        {ItemAt(*n, "Elsewhere"), "Duvazadi", false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item.itemText + " / " + std::to_string(row.item.depth));
        const MenuState menu = TreeMenuFor(row.item);
        EXPECT_EQ(menu.title, row.title);
        EXPECT_EQ(menu.add, row.add);
        EXPECT_EQ(menu.remove, row.remove);
        EXPECT_EQ(menu.properties, row.properties);
    }
}

TEST(TreeAdd, SignalTakesTheNextFreeNameAndOpensItsSheet)
{
    auto n = LinNetwork::CreateDefault();
    n->signals.Append(std::make_unique<LinSignal>("Unknown"));
    n->signals.Append(std::make_unique<LinSignal>("Unknown0"));

    const auto added = AddForTreeItem(*n, SignalItem(*n, 0));
    ASSERT_TRUE(added);
    EXPECT_EQ(SignalNames(*n), (std::vector<std::string>{"Unknown", "Unknown0", "Unknown1"}));
    EXPECT_EQ(added->path, (std::vector<int>{7, 5}));

    const SheetRequest sheet = TreePropertiesFor(*n, *added);
    EXPECT_EQ(sheet.sheet, SheetId::SignalSheet);
    EXPECT_EQ(sheet.caption, "Signals");
    EXPECT_EQ(sheet.index, 2);
}

TEST(TreeAdd, SlaveAvoidsTheMastersNameAndGetsAttributes)
{
    auto n = LinNetwork::CreateDefault();
    n->masterName = "Unknown";

    const auto first = AddForTreeItem(*n, ItemAt(*n, Nodes, {0}));
    ASSERT_TRUE(first);
    EXPECT_EQ(n->slaves.back()->name, "Unknown_");
    const auto second = AddForTreeItem(*n, ItemAt(*n, Nodes));
    ASSERT_TRUE(second);
    EXPECT_EQ(n->slaves.back()->name, "Unknown_0");

    ASSERT_EQ(n->nodeAttributes.size(), 2u);
    EXPECT_EQ(n->nodeAttributes[1]->nodeName, "Unknown_0");
    EXPECT_EQ(n->nodeAttributes[1]->configuredNad, 127);
    const SheetRequest sheet = TreePropertiesFor(*n, *second);
    EXPECT_EQ(sheet.sheet, SheetId::NAttSheet);
    EXPECT_EQ(sheet.caption, "Attributes");
    EXPECT_EQ(sheet.index, 2);
}

TEST(TreeAdd, FrameLikeNamesAreUniqueAcrossTheThreeFrameLists)
{
    auto n = LinNetwork::CreateDefault();
    n->eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Unknown"));

    ASSERT_TRUE(AddForTreeItem(*n, ItemAt(*n, Frames, {0})));
    EXPECT_EQ(n->frames.back()->name, "Unknown0");

    // Sporadic: own list first (free), then event-triggered (Unknown taken),
    // then frames (Unknown0 taken).
    ASSERT_TRUE(AddForTreeItem(*n, ItemAt(*n, SporadicFrames)));
    EXPECT_EQ(n->sporadicFrames.back()->name, "Unknown00");

    // Each list is checked once, in turn: Unknown0 is free among the
    // sporadic frames, then taken among the frames.
    const auto eventTriggered = AddForTreeItem(*n, ItemAt(*n, EventTriggeredFrames));
    ASSERT_TRUE(eventTriggered);
    EXPECT_EQ(n->eventTriggeredFrames.back()->name, "Unknown00");
    EXPECT_EQ(n->eventTriggeredFrames.back()->frameId, 0);
    EXPECT_EQ(eventTriggered->path, (std::vector<int>{4, 1}));
}

TEST(TreeAdd, CompositeNodesGoIntoTheirConfiguration)
{
    auto n = MakeRichNetwork();
    const auto underConfiguration = AddForTreeItem(*n, ItemAt(*n, NodeComposition, {0}));
    ASSERT_TRUE(underConfiguration);
    const auto underNode = AddForTreeItem(*n, ItemAt(*n, NodeComposition, {0, 1}));
    ASSERT_TRUE(underNode);
    const auto& nodes = n->compositeConfigurations[0]->compositeNodes;
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[2]->name, "Unknown");
    EXPECT_EQ(nodes[3]->name, "Unknown0");
    EXPECT_EQ(underNode->path, (std::vector<int>{2, 0, 3}));

    EXPECT_FALSE(AddForTreeItem(*n, ItemShowing(*n, {EntityKind::CompositeNode, 0, 5})));
    EXPECT_FALSE(AddForTreeItem(*n, ItemAt(*n, Signals, {1})));
    EXPECT_FALSE(AddForTreeItem(*n, ItemAt(*n, Network)));
    EXPECT_EQ(nodes.size(), 4u);
}

TEST(TreeAdd, EveryOtherKindLandsInItsList)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(AddForTreeItem(*n, ItemAt(*n, NodeComposition)));
    ASSERT_TRUE(AddForTreeItem(*n, ItemAt(*n, Signals, {0, 1})));
    ASSERT_TRUE(AddForTreeItem(*n, ItemAt(*n, Schedules, {1})));
    EXPECT_EQ(n->compositeConfigurations.back()->name, "Unknown");
    EXPECT_EQ(n->encodingTypes.back()->name, "Unknown");
    EXPECT_EQ(n->scheduleTables.back()->name, "Unknown");
    EXPECT_EQ(n->scheduleTables.size(), 3u);
}

TEST(TreeDelete, SlaveLeavesNoReferenceBehind)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(DeleteTreeItem(*n, Slave(*n, 0)));  // Motor

    ASSERT_EQ(n->slaves.size(), 2u);
    EXPECT_EQ(n->frames[1]->publisher, "");  // MotorState
    EXPECT_EQ(n->frames[0]->publisher, "Master");
    EXPECT_EQ(n->signals[1]->publisher, "");  // MotorError
    EXPECT_EQ(n->signals[0]->subscribers, (std::vector<std::string>{"Light"}));
    EXPECT_EQ(n->signals[2]->subscribers, (std::vector<std::string>{"Master"}));
    EXPECT_EQ(n->compositeConfigurations[0]->compositeNodes[0]->logicalNodes, (std::vector<std::string>{"Light"}));
    // Its AssignFrameId entry goes; the one naming Light stays.
    const auto& diag = n->scheduleTables[1]->entries;
    ASSERT_EQ(diag.size(), 7u);
    EXPECT_EQ(diag[2]->kind, kUnassignFrameId);
    EXPECT_EQ(diag[6]->FrameId()->nodeName, "Light");
    // The attributes go with the next rebuild's clean-up.
    EXPECT_NE(n->FindNodeAttributes("Motor"), nullptr);
    n->RemoveOrphanNodeAttributes();
    EXPECT_EQ(n->FindNodeAttributes("Motor"), nullptr);
}

TEST(TreeDelete, FrameLeavesNoReferenceBehind)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(DeleteTreeItem(*n, FrameItem(*n, 1)));  // MotorState

    ASSERT_EQ(n->frames.size(), 2u);
    EXPECT_EQ(n->frames[1]->name, "DoorState");
    ASSERT_EQ(n->nodeAttributes[0]->configurableFrames.size(), 1u);
    EXPECT_EQ(n->nodeAttributes[0]->configurableFrames[0]->frameName, "MotorCmd");
    EXPECT_EQ(n->eventTriggeredFrames[0]->frameNames, (std::vector<std::string>{"DoorState", "Gone"}));
    const auto& normal = n->scheduleTables[0]->entries;
    ASSERT_EQ(normal.size(), 3u);
    EXPECT_EQ(normal[1]->FrameSlot()->frameName, "EventAll");
    // The AssignFrameId entry naming the frame goes, the others stay.
    const auto& diag = n->scheduleTables[1]->entries;
    ASSERT_EQ(diag.size(), 7u);
    EXPECT_EQ(diag[2]->kind, kUnassignFrameId);
}

TEST(TreeDelete, SignalLeavesNoReferenceBehind)
{
    auto n = MakeRichNetwork();
    n->frames[0]->signalNames = {"MotorError", "MotorSpeed", "MotorError"};
    n->frames[0]->offsets = {0, 8, 16};
    ASSERT_TRUE(DeleteTreeItem(*n, SignalItem(*n, 1)));  // MotorError

    EXPECT_EQ(SignalNames(*n), (std::vector<std::string>{"MotorSpeed", "LightLevel", "DoorOpen"}));
    EXPECT_EQ(n->frames[0]->signalNames, (std::vector<std::string>{"MotorSpeed"}));
    EXPECT_EQ(n->frames[0]->offsets, (std::vector<std::uint32_t>{8}));
    EXPECT_EQ(n->frames[1]->signalNames, (std::vector<std::string>{"LightLevel", "Gone"}));
    EXPECT_EQ(n->frames[1]->offsets, (std::vector<std::uint32_t>{8, 24}));
    EXPECT_EQ(n->nodeAttributes[0]->responseErrorSignal, "");

    ASSERT_TRUE(DeleteTreeItem(*n, SignalItem(*n, 2)));  // DoorOpen
    EXPECT_EQ(n->signalRepresentations[1]->signalNames, (std::vector<std::string>{"LightLevel"}));
}

TEST(TreeDelete, EventTriggeredAndSporadicFramesLeaveTheirSlots)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, EventTriggeredFrames, {0})));
    EXPECT_TRUE(n->eventTriggeredFrames.empty());
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, SporadicFrames, {0})));
    EXPECT_TRUE(n->sporadicFrames.empty());
    const auto& normal = n->scheduleTables[0]->entries;
    ASSERT_EQ(normal.size(), 2u);
    EXPECT_EQ(normal[1]->FrameSlot()->frameName, "MotorState");
}

TEST(TreeDelete, RecordsWithoutReferencesGoAlone)
{
    auto n = MakeRichNetwork();
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, NodeComposition, {0, 0})));
    ASSERT_EQ(n->compositeConfigurations[0]->compositeNodes.size(), 1u);
    EXPECT_EQ(n->compositeConfigurations[0]->compositeNodes[0]->name, "CompB");
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, NodeComposition, {0})));
    EXPECT_TRUE(n->compositeConfigurations.empty());
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, Signals, {0, 0})));
    EXPECT_EQ(n->encodingTypes[0]->name, "Mixed");
    EXPECT_EQ(n->signalRepresentations.size(), 3u);  // the rebuild aligns them
    ASSERT_TRUE(DeleteTreeItem(*n, ItemAt(*n, Schedules, {0})));
    ASSERT_EQ(n->scheduleTables.size(), 1u);
    EXPECT_EQ(n->scheduleTables[0]->name, "Diag");
}

TEST(TreeDelete, FixedItemsAndVanishedPositionsDeleteNothing)
{
    auto n = MakeRichNetwork();
    const std::string before = DumpNetwork(*n);
    const TreeItemRef untouchable[] = {
        ItemAt(*n, Nodes, {0}),
        ItemAt(*n, Frames, {0}),
        ItemAt(*n, Frames, {1}),
        ItemAt(*n, Signals),
        ItemAt(*n, Nodes),
        ItemAt(*n, Signals, {1}),
        ItemAt(*n, Signals, {1, 0}),
        ItemAt(*n, Network),
        ItemAt(*n, DynamicFrames),
        // Positions past the end of their lists.
        Slave(*n, 3),
        FrameItem(*n, 3),
        SignalItem(*n, 4),
        ItemShowing(*n, {EntityKind::ScheduleTable, 2}),
        ItemShowing(*n, {EntityKind::Configuration, 1}),
        ItemShowing(*n, {EntityKind::CompositeNode, 2, 0}),
        ItemShowing(*n, {EntityKind::CompositeNode, 0, 3}),
        ItemShowing(*n, {EntityKind::EncodingType, 3}),
        ItemShowing(*n, {EntityKind::EventTriggeredFrame, 1}),
        ItemShowing(*n, {EntityKind::SporadicFrame, -1}),
    };
    for (const TreeItemRef& item : untouchable) {
        SCOPED_TRACE(item.itemText + " " + std::to_string(item.depth));
        EXPECT_FALSE(DeleteTreeItem(*n, item));
    }
    EXPECT_EQ(DumpNetwork(*n), before);
}

TEST(TreeProperties, EachItemOpensItsSheetOnlyForAnExistingRecord)
{
    auto n = MakeRichNetwork();
    struct Row {
        TreeItemRef item;
        SheetId sheet;
        const char* caption;
        int index, second;
    };
    const Row rows[] = {
        {ItemAt(*n, Network), SheetId::NetworkSheet, "Properties", -1, -1},
        {ItemAt(*n, Nodes, {0}), SheetId::MasterSheet, "Master", -1, -1},
        {Slave(*n, 2), SheetId::NAttSheet, "Attributes", 2, -1},
        {ItemAt(*n, DynamicFrames), SheetId::DynFrmSheet, "Dynamic Frames", -1, -1},
        {ItemAt(*n, SporadicFrames, {0}), SheetId::SporadicFrmSheet, "Sporadic Frame", 0, -1},
        {ItemAt(*n, EventTriggeredFrames, {0}), SheetId::ETFrameSheet, "Event Triggered Frame", 0, -1},
        {ItemAt(*n, NodeComposition, {0}), SheetId::CompConfigSheet, "Configuration", 0, -1},
        {ItemAt(*n, NodeComposition, {0, 1}), SheetId::CompFuncSheet, "Properties", 0, 1},
        {ItemAt(*n, Signals, {1, 2}), SheetId::SignalRepSheet, "Representation", 2, -1},
        {FrameItem(*n, 2), SheetId::FrameSheet, "Frame", 2, -1},
        {SignalItem(*n, 3), SheetId::SignalSheet, "Signals", 3, -1},
        {ItemAt(*n, Schedules, {1}), SheetId::ScheduleNameSheet, "Schedule", 1, -1},
        {ItemAt(*n, Signals, {0, 1}), SheetId::SigEncSheet, "Encoding Type", 1, -1},
        {ItemAt(*n, Frames, {0}), SheetId::None, "", -1, -1},
        {ItemAt(*n, Signals), SheetId::None, "", -1, -1},
        {ItemAt(*n, Signals, {1}), SheetId::None, "", -1, -1},
        {Slave(*n, 3), SheetId::None, "", -1, -1},
        {FrameItem(*n, 3), SheetId::None, "", -1, -1},
        {ItemShowing(*n, {EntityKind::CompositeNode, 2, 0}), SheetId::None, "", -1, -1},
        {ItemShowing(*n, {EntityKind::Representation, 3}), SheetId::None, "", -1, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item.itemText + " " + std::to_string(row.item.depth));
        const SheetRequest request = TreePropertiesFor(*n, row.item);
        EXPECT_EQ(request.sheet, row.sheet);
        EXPECT_EQ(request.caption, row.caption);
        EXPECT_EQ(request.index, row.index);
        EXPECT_EQ(request.second, row.second);
    }
}

TEST(TreeProperties, ASlaveNamedMasterOpensItsOwnSheet)
{
    auto n = MakeRichNetwork();
    n->slaves[1]->name = Master;
    const SheetRequest request = TreePropertiesFor(*n, Slave(*n, 1));
    EXPECT_EQ(request.sheet, SheetId::NAttSheet);
    EXPECT_EQ(request.index, 1);
}

}  // namespace
