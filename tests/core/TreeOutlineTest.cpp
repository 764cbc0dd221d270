// The outline a rebuild of the tree produces, and what the rebuild does to
// the network on the way.

#include "validation/TreeOutline.h"
#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "validation/ItemMarks.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// One line per item: indented by depth, "*" for entity items, the colour and
// the reasons.
Lines Describe(const TreeOutline& outline)
{
    Lines lines;
    for (std::size_t i = 0; i < outline.items.size(); ++i) {
        const OutlineItem& item = outline.items[i];
        std::size_t depth = 0;
        for (int parent = item.parent; parent >= 0; parent = outline.items[static_cast<std::size_t>(parent)].parent)
            ++depth;
        std::string line = std::string(depth * 2, ' ') + std::string(outline.Text(item));
        if (item.kind == OutlineItem::Kind::Entity)
            line += " *";
        line += " " + std::to_string(item.colour);
        if (const std::string& reasons = outline.ReasonsOf(static_cast<int>(i)); !reasons.empty())
            line += " " + reasons;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> NamesOf(const OwnedList<NodeAttributes>& list)
{
    std::vector<std::string> names;
    for (const auto& record : list)
        names.push_back(record->nodeName);
    return names;
}

TEST(TreeOutline, NewNetwork)
{
    auto network = LinNetwork::CreateDefault();
    const TreeOutline outline = PrepareTreeOutline(*network);
    EXPECT_EQ((Lines{"Network 0", "Nodes -1", "  Master 0", "  Slave1 * 0", "Node Composition -1", "Frames -1",
                     "  MasterReq -1", "  SlaveRes -1", "Event Triggered Frames -1", "Sporadic Frames -1",
                     "Dynamic Frames -1", "Signals -1", "  Encoding Types -1", "  Representation -1",
                     "  Signal Groups -1", "Schedules -1"}),
              Describe(outline));

    const std::pair<int, int> parentAndSiblingIndex[] = {{-1, 0}, {-1, 1}, {1, 0},  {1, 1},  {-1, 2}, {-1, 3},
                                                         {5, 0},  {5, 1},  {-1, 4}, {-1, 5}, {-1, 6}, {-1, 7},
                                                         {11, 0}, {11, 1}, {11, 2}, {-1, 8}};
    ASSERT_EQ(std::size(parentAndSiblingIndex), outline.items.size());
    for (std::size_t i = 0; i < outline.items.size(); ++i) {
        SCOPED_TRACE(outline.Text(outline.items[i]));
        EXPECT_EQ(parentAndSiblingIndex[i].first, outline.items[i].parent);
        EXPECT_EQ(parentAndSiblingIndex[i].second, outline.items[i].siblingIndex);
    }

    EXPECT_EQ("Network / ", outline.PathOf(0));
    EXPECT_EQ("Nodes / Slave1 / ", outline.PathOf(3));
    EXPECT_EQ("Signals / Representation / ", outline.PathOf(13));
    EXPECT_EQ("", outline.PathOf(-1));
    EXPECT_EQ("", outline.PathOf(static_cast<int>(outline.items.size())));

    EXPECT_EQ(std::vector<std::string>{"Slave1"}, NamesOf(network->nodeAttributes));
}

// A network with something for every part of the rebuild: dangling
// references for the clean-up, slaves without attributes, a frame without a
// length, misaligned representations, and an item for every check to mark.
std::unique_ptr<LinNetwork> RichNetwork()
{
    auto network = LinNetwork::CreateDefault();
    network->speedKbps = 4.8f;
    network->slaves.clear();
    for (const char* name : {"S1", "S2", "S3"})
        network->slaves.Append(std::make_unique<LinNode>(name));
    network->nodeAttributes.Append(std::make_unique<NodeAttributes>("Gone"));
    network->nodeAttributes.Append(std::make_unique<NodeAttributes>("S1")).configuredNad = 5;

    auto& configuration = network->compositeConfigurations.Append(std::make_unique<CompositeConfiguration>("Cfg"));
    configuration.compositeNodes.Append(std::make_unique<CompositeNode>("CN1")).logicalNodes = {"S1", "Gone"};
    configuration.compositeNodes.Append(std::make_unique<CompositeNode>("CN2"));

    auto& f1 = network->frames.Append(std::make_unique<LinFrame>());
    f1.name = "F1";
    f1.frameId = 40;
    f1.publisher = "S1";
    f1.AddSignal("Sig1", "0");
    f1.AddSignal("Unknown", "8");
    auto& f2 = network->frames.Append(std::make_unique<LinFrame>());
    f2.name = "F2";
    f2.frameId = 63;
    f2.publisher = "S2";
    network->eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("E")).frameNames = {"F1", "F2", "GoneF"};
    network->sporadicFrames.Append(std::make_unique<SporadicFrame>("SP")).frameNames = {"F1"};

    for (const char* name : {"Sig1", "Sig2"}) {
        auto& signal = network->signals.Append(std::make_unique<LinSignal>(name));
        signal.size = 8;
        signal.publisher = "S1";
        signal.initValues = {0};
    }
    network->signals[0]->subscribers = {"Master"};

    network->encodingTypes.Append(std::make_unique<EncodingType>("Enc1"));
    network->encodingTypes.Append(std::make_unique<EncodingType>("Enc2")).AddPhysicalRange(9, 1, 1.0f, 0.0f, "");
    network->signalRepresentations.Append(std::make_unique<SignalRepresentation>("Stray"));
    network->signalRepresentations.Append(std::make_unique<SignalRepresentation>("Enc2")).signalNames = {"Sig2",
                                                                                                         "GoneSig"};

    auto& table = network->scheduleTables.Append(std::make_unique<ScheduleTable>("T1"));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F1")));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("GoneF")));
    table.entries.Append(
        std::make_unique<ScheduleEntry>(10, kAssignFrameId, std::make_unique<FrameIdCommand>("S9", "F1")));
    return network;
}

TEST(TreeOutline, RichNetworkIsLaidOutInTreeOrderAndMarkedByItsChecks)
{
    auto network = RichNetwork();
    const TreeOutline outline = PrepareTreeOutline(*network);
    EXPECT_EQ((Lines{"Network 255 Speed definition false",
                     "Nodes -1",
                     "  Master 0",
                     "  S1 * 0",
                     "  S2 * 255 New NAD not unique",
                     "  S3 * 255 New NAD not unique",
                     "Node Composition -1",
                     "  Cfg * -1",
                     "    CN1 * -1",
                     "    CN2 * -1",
                     "Frames -1",
                     "  MasterReq -1",
                     "  SlaveRes -1",
                     "  F1 * 0",
                     "  F2 * 255 Frame ID wrong",
                     "Event Triggered Frames -1",
                     "  E * 255 Length of frames different",
                     "Sporadic Frames -1",
                     "  SP * 255 Frame not published by the master",
                     "Dynamic Frames -1",
                     "Signals -1",
                     "  Encoding Types -1",
                     "    Enc1 * 0",
                     "    Enc2 * 255 Min > Max",
                     "  Representation -1",
                     "    Enc1 * -1",
                     "    Enc2 * -1",
                     "  Signal Groups -1",
                     "  Sig1 * 0",
                     "  Sig2 * 255 No subscriber",
                     "Schedules -1",
                     "  T1 * 255 Node name not found; Delay shorter than frame time"}),
              Describe(outline));
    EXPECT_EQ("Node Composition / Cfg / CN2 / ", outline.PathOf(9));
    EXPECT_EQ("Signals / Encoding Types / Enc2 / ", outline.PathOf(23));
}

// What every item is, whatever it is called: "kind list index outer" per
// item with a record, "kind" for fixed items.
Lines KindsAndRecords(const TreeOutline& outline)
{
    Lines lines;
    for (const OutlineItem& item : outline.items) {
        std::string line = std::to_string(static_cast<int>(item.itemKind));
        if (const std::optional<EntityRef> record = item.Record())
            line += " " + std::to_string(static_cast<int>(record->kind)) + " " + std::to_string(record->index) + " " +
                    std::to_string(record->parent);
        lines.push_back(line);
    }
    return lines;
}

TEST(TreeOutline, ItemsKnowWhatTheyShowWhateverTheyAreCalled)
{
    auto network = RichNetwork();
    const Lines laidOut = KindsAndRecords(PrepareTreeOutline(*network));
    network->slaves[0]->name = outline_text::Master;
    network->compositeConfigurations[0]->compositeNodes[1]->name = outline_text::NodeComposition;
    network->frames[0]->name = outline_text::MasterReq;
    network->signals[0]->name = outline_text::Representation;
    const TreeOutline outline = PrepareTreeOutline(*network);
    EXPECT_EQ(laidOut, KindsAndRecords(outline));

    struct Expected {
        int item;
        TreeItemKind kind;
        std::optional<EntityKind> record;
        int index;
        int outer;
    };
    const Expected expected[] = {
        {2, TreeItemKind::Master, std::nullopt, 0, -1},
        {3, TreeItemKind::Slave, EntityKind::Slave, 0, -1},
        {7, TreeItemKind::Configuration, EntityKind::Configuration, 0, -1},
        {9, TreeItemKind::CompositeNode, EntityKind::CompositeNode, 1, 0},
        {11, TreeItemKind::MasterRequestFrame, std::nullopt, 0, -1},
        {12, TreeItemKind::SlaveResponseFrame, std::nullopt, 0, -1},
        {13, TreeItemKind::Frame, EntityKind::Frame, 0, -1},
        {16, TreeItemKind::EventTriggeredFrame, EntityKind::EventTriggeredFrame, 0, -1},
        {18, TreeItemKind::SporadicFrame, EntityKind::SporadicFrame, 0, -1},
        {23, TreeItemKind::EncodingType, EntityKind::EncodingType, 1, -1},
        {26, TreeItemKind::Representation, EntityKind::Representation, 1, -1},
        {28, TreeItemKind::Signal, EntityKind::Signal, 0, -1},
        {31, TreeItemKind::ScheduleTable, EntityKind::ScheduleTable, 0, -1},
    };
    for (const Expected& e : expected) {
        const OutlineItem& item = outline.items[static_cast<std::size_t>(e.item)];
        SCOPED_TRACE(outline.PathOf(e.item));
        EXPECT_EQ(e.kind, item.itemKind);
        const std::optional<EntityRef> record = item.Record();
        ASSERT_EQ(e.record.has_value(), record.has_value());
        if (record) {
            EXPECT_EQ(*e.record, record->kind);
            EXPECT_EQ(e.index, record->index);
            EXPECT_EQ(e.outer, record->parent);
        }
    }
}

TEST(TreeOutline, RebuildCleansUpAndCompletesTheNetwork)
{
    auto network = RichNetwork();
    PrepareTreeOutline(*network);

    EXPECT_EQ((std::vector<std::string>{"S1", "S2", "S3"}), NamesOf(network->nodeAttributes));
    EXPECT_EQ(5, network->nodeAttributes[0]->configuredNad);
    EXPECT_EQ(127, network->nodeAttributes[2]->configuredNad);
    EXPECT_EQ(std::vector<std::string>{"S1"}, network->compositeConfigurations[0]->compositeNodes[0]->logicalNodes);

    const LinFrame& f1 = *network->frames[0];
    EXPECT_EQ(std::vector<std::string>{"Sig1"}, f1.signalNames);
    EXPECT_EQ(std::vector<std::uint32_t>{0}, f1.offsets);
    EXPECT_EQ(4, f1.length);
    EXPECT_EQ(8, network->frames[1]->length);
    EXPECT_EQ((std::vector<std::string>{"F1", "F2"}), network->eventTriggeredFrames[0]->frameNames);

    const auto& entries = network->scheduleTables[0]->entries;
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ("", entries[1]->FrameId()->nodeName);

    ASSERT_EQ(2u, network->signalRepresentations.size());
    EXPECT_EQ("Enc1", network->signalRepresentations[0]->encodingName);
    EXPECT_EQ("Enc2", network->signalRepresentations[1]->encodingName);
    EXPECT_EQ(std::vector<std::string>{"Sig2"}, network->signalRepresentations[1]->signalNames);
}

// The project's own example opens as a user first meets it: no message, no
// red item, and nothing the rebuild changes, so closing it asks nothing.
TEST(TreeOutline, TheExampleOpensCleanAndUnmodified)
{
    LoadResult loaded = LinNetwork::Load(TestDataDir() + "/../../examples/body-control.ldf");
    ASSERT_TRUE(loaded) << loaded.error;
    LinNetwork& network = *loaded.network;
    EXPECT_EQ(Lines{}, FormattedMessages(network.messages));
    const std::string written = network.BuildLdfText();
    const TreeOutline outline = PrepareTreeOutline(network);
    EXPECT_EQ(written, network.BuildLdfText());
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        EXPECT_NE(ItemMarks::kRed, outline.items[i].colour)
            << outline.Text(outline.items[i]) << ": " << outline.ReasonsOf(static_cast<int>(i));
}

}  // namespace
