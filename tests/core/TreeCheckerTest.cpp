// The tree's consistency checks against a recorder of item marks.

#include "validation/TreeChecker.h"
#include "model/LinNetwork.h"
#include "validation/ItemMarks.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const int kItem = 7;

TEST(ItemMarks, JoinsReasonsMostRecentFirst)
{
    EXPECT_EQ("", JoinItemMessages({}));
    EXPECT_EQ("a", JoinItemMessages({"a"}));
    EXPECT_EQ("c; b; a", JoinItemMessages({"a", "b", "c"}));
}

TEST(ItemMarks, RecorderShowsReasonsOfRedItemsOnly)
{
    MarkRecorder marks;
    EXPECT_EQ(ItemMarks::kNoColour, marks.GetItemColor(1));
    marks.AddItemMessage(1, "first");
    EXPECT_EQ(ItemMarks::kNoColour, marks.GetItemColor(1));
    EXPECT_EQ("", marks.GetItemMessages(1));
    marks.SetItemColor(1, ItemMarks::kRed);
    marks.AddItemMessage(1, "second");
    EXPECT_EQ("second; first", marks.GetItemMessages(1));
    marks.SetItemColor(1, ItemMarks::kBlack);
    EXPECT_EQ("", marks.GetItemMessages(1));
    EXPECT_EQ("", marks.GetItemMessages(2));
}

class TreeCheckerTest : public testing::Test {
protected:
    TreeCheckerTest() : network(*LinNetwork::CreateDefault()) {}

    // Colour and reasons of the item, as the status bar would tell them.
    std::string Marks() const { return std::to_string(marks.GetItemColor(kItem)) + " " + marks.GetItemMessages(kItem); }

    LinSignal& AddSignal(const std::string& name, int size)
    {
        auto signal = std::make_unique<LinSignal>(name);
        signal->size = size;
        signal->publisher = "Slave1";
        signal->subscribers = {"Master"};
        signal->initValues = {0};
        return network.signals.Append(std::move(signal));
    }

    LinFrame& AddFrame(const std::string& name, int id, int length)
    {
        auto frame = std::make_unique<LinFrame>();
        frame->name = name;
        frame->frameId = id;
        frame->length = length;
        frame->publisher = "Slave1";
        return network.frames.Append(std::move(frame));
    }

    ScheduleTable& AddTable(const std::string& name)
    {
        return network.scheduleTables.Append(std::make_unique<ScheduleTable>(name));
    }

    LinNetwork network;
    MarkRecorder marks;
};

TEST_F(TreeCheckerTest, SoundNetworkAndMasterAreBlack)
{
    TreeChecker checker(network, marks);
    checker.CheckNetwork(kItem);
    EXPECT_EQ("0 ", Marks());
    checker.CheckMaster(kItem);
    EXPECT_EQ("0 ", Marks());
}

TEST_F(TreeCheckerTest, RedItemWithoutFailuresTurnsBlack)
{
    marks.SetItemColor(kItem, ItemMarks::kRed);
    TreeChecker(network, marks).CheckNetwork(kItem);
    EXPECT_EQ("0 ", Marks());
}

TEST_F(TreeCheckerTest, NetworkCheckMarksMissingAndOutOfRangeHeaderValues)
{
    network.protocolVersion = -1.0f;
    network.languageVersion = 99.99f;
    network.speedKbps = 4.8f;
    TreeChecker(network, marks).CheckNetwork(kItem);
    EXPECT_EQ("255 Speed definition false; Protocol version false", Marks());
}

TEST_F(TreeCheckerTest, MasterCheck)
{
    network.jitterMs = 9.99f;
    TreeChecker(network, marks).CheckMaster(kItem);
    EXPECT_EQ("0 ", Marks());

    marks.Clear();
    network.jitterMs = 10.0f;
    TreeChecker(network, marks).CheckMaster(kItem);
    EXPECT_EQ("255 Jitter / Time Base suspicous", Marks());

    marks.Clear();
    network.masterName = "";
    network.timeBaseMs = 0;
    network.jitterMs = 0.1f;
    network.slaves.Append(std::make_unique<LinNode>(""));
    TreeChecker(network, marks).CheckMaster(kItem);
    EXPECT_EQ("255 Slave/Master name collision; Jitter / Time Base suspicous; Time Base wrong; Master name wrong",
              Marks());
}

TEST_F(TreeCheckerTest, SlaveCheckComparesNadsOfAllAttributesAndMessageIdsOfItsFrames)
{
    auto& first = network.nodeAttributes.Append(std::make_unique<NodeAttributes>("Slave1"));
    auto& second = network.nodeAttributes.Append(std::make_unique<NodeAttributes>("Slave2"));
    second.configuredNad = 5;
    for (int id : {1, 2, 1, 2})
        second.configurableFrames.Append(std::make_unique<ConfigurableFrame>("F", id));
    TreeChecker checker(network, marks);
    checker.CheckSlave(kItem, second);
    EXPECT_EQ("255 MID's not unique", Marks());

    // A long list is compared through a set; its last id repeats its fourth.
    auto& many = network.nodeAttributes.Append(std::make_unique<NodeAttributes>("Slave3"));
    many.configuredNad = 6;
    for (int id = 0; id < 20; ++id)
        many.configurableFrames.Append(std::make_unique<ConfigurableFrame>("F", id));
    many.configurableFrames.Append(std::make_unique<ConfigurableFrame>("F", 3));
    marks.Clear();
    TreeChecker(network, marks).CheckSlave(kItem, many);
    EXPECT_EQ("255 MID's not unique", Marks());

    first.configuredNad = 5;
    marks.Clear();
    TreeChecker(network, marks).CheckSlave(kItem, first);
    EXPECT_EQ("255 New NAD not unique", Marks());
}

TEST_F(TreeCheckerTest, SignalCheckRulesInOrder)
{
    AddSignal("S", 8);
    TreeChecker(network, marks).CheckSignal(kItem, *network.signals[0]);
    EXPECT_EQ("0 ", Marks());

    LinSignal& bad = AddSignal("", 17);
    bad.publisher = "";
    bad.subscribers = {};
    bad.initValues = {};
    AddSignal("", 0).subscribers = {"Slave1"};
    marks.Clear();
    TreeChecker checker(network, marks);
    checker.CheckSignal(kItem, bad);
    EXPECT_EQ("255 Signal name not unique; Wrong signal name; No init value; No publisher; No subscriber; "
              "Signal size wrong",
              Marks());
    marks.Clear();
    checker.CheckSignal(kItem, *network.signals[2]);
    EXPECT_EQ("255 Publisher and Subscriber identical; Signal name not unique; Wrong signal name; Signal size wrong",
              Marks());

    LinSignal& array = AddSignal("Array", 72);
    array.isByteArray = true;
    marks.Clear();
    TreeChecker(network, marks).CheckSignal(kItem, array);
    EXPECT_EQ("255 Byte Array size wrong", Marks());
}

TEST_F(TreeCheckerTest, FrameWithoutLengthTakesTheDefaultOfItsId)
{
    const std::pair<int, int> idToLength[] = {{0, 2}, {31, 2}, {32, 4}, {40, 4}, {47, 4}, {48, 8}, {62, 8}};
    for (auto [id, length] : idToLength) {
        SCOPED_TRACE(id);
        LinFrame& frame = AddFrame("F" + std::to_string(id), id, 0);
        marks.Clear();
        TreeChecker(network, marks).CheckFrame(kItem, frame);
        EXPECT_EQ(length, frame.length);
        EXPECT_EQ("0 ", Marks());
    }
}

TEST_F(TreeCheckerTest, FrameIdAndSizeRules)
{
    LinFrame& edge = AddFrame("Edge", 63, 0);
    TreeChecker(network, marks).CheckFrame(kItem, edge);
    EXPECT_EQ(8, edge.length);
    EXPECT_EQ("255 Frame ID wrong", Marks());

    LinFrame& far = AddFrame("", 64, 0);
    far.publisher = "";
    marks.Clear();
    TreeChecker(network, marks).CheckFrame(kItem, far);
    EXPECT_EQ(0, far.length);
    EXPECT_EQ("255 Publisher not defined; Frame name wrong; Frame size wrong; Frame ID wrong", Marks());

    LinFrame& large = AddFrame("Large", 1, 9);
    marks.Clear();
    TreeChecker(network, marks).CheckFrame(kItem, large);
    EXPECT_EQ("255 Frame size wrong", Marks());
}

TEST_F(TreeCheckerTest, SignalsMustFitTheFrame)
{
    AddSignal("A", 8);
    AddSignal("B", 8);
    LinFrame& frame = AddFrame("F", 1, 2);
    frame.AddSignal("A", "0");
    frame.AddSignal("B", "8");
    TreeChecker(network, marks).CheckFrame(kItem, frame);
    EXPECT_EQ("0 ", Marks());

    frame.offsets[1] = 9;
    frame.AddSignal("A", "20");
    marks.Clear();
    TreeChecker(network, marks).CheckFrame(kItem, frame);
    EXPECT_EQ("255 Signal/Offset out of range", Marks());
}

TEST_F(TreeCheckerTest, OnlyASignalInsideAnotherOverlaps)
{
    AddSignal("Byte", 8);
    AddSignal("Nibble", 4);
    LinFrame& partly = AddFrame("Partly", 1, 8);
    partly.AddSignal("Byte", "0");
    partly.AddSignal("Byte", "4");
    TreeChecker(network, marks).CheckFrame(kItem, partly);
    EXPECT_EQ("0 ", Marks());

    LinFrame& inside = AddFrame("Inside", 2, 8);
    inside.AddSignal("Byte", "0");
    inside.AddSignal("Nibble", "2");
    marks.Clear();
    TreeChecker(network, marks).CheckFrame(kItem, inside);
    EXPECT_EQ("255 Overlapped signals", Marks());
}

TEST_F(TreeCheckerTest, OverlapAgreesWithComparingEveryPair)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> size(-3, 12);
    std::uniform_int_distribution<int> offset(0, 40);
    std::uniform_int_distribution<int> count(0, 6);
    for (int n = 0; n < 16; ++n)
        AddSignal("S" + std::to_string(n), size(random));
    for (int round = 0; round < 2000; ++round) {
        LinFrame frame;
        frame.length = 8;
        frame.frameId = 1;
        frame.publisher = "Slave1";
        std::vector<std::pair<long, long>> spans;
        for (int i = count(random); i > 0; --i) {
            const int pick = std::uniform_int_distribution<int>(0, 15)(random);
            const int first = offset(random);
            frame.AddSignal("S" + std::to_string(pick), std::to_string(first));
            spans.push_back({first, first + network.signals[static_cast<std::size_t>(pick)]->size});
        }
        bool expected = false;
        for (std::size_t i = 0; i < spans.size(); ++i)
            for (std::size_t j = 0; j < spans.size(); ++j)
                if (i != j && spans[i].first <= spans[j].first && spans[j].first <= spans[i].second &&
                    spans[j].second <= spans[i].second)
                    expected = true;
        marks.Clear();
        TreeChecker(network, marks).CheckFrame(kItem, frame);
        EXPECT_EQ(expected, marks.GetItemMessages(kItem).find("Overlapped signals") != std::string::npos)
            << "round " << round;
    }
}

TEST_F(TreeCheckerTest, EventTriggeredFramesNeedFramesOfOneLength)
{
    AddFrame("Two", 1, 2);
    AddFrame("AlsoTwo", 2, 2);
    AddFrame("Eight", 3, 8);
    EventTriggeredFrame same("E");
    same.frameNames = {"Two", "AlsoTwo"};
    TreeChecker(network, marks).CheckEventTriggeredFrame(kItem, same);
    EXPECT_EQ("0 ", Marks());

    EventTriggeredFrame mixed("E");
    mixed.frameNames = {"Two", "AlsoTwo", "Eight", "Gone"};
    marks.Clear();
    TreeChecker(network, marks).CheckEventTriggeredFrame(kItem, mixed);
    EXPECT_EQ("255 Length of frames different", Marks());

    network.scheduleTables.Append(std::make_unique<ScheduleTable>("Resolver"));
    for (const char* table : {"Resolver", "Gone"}) {
        same.collisionTable = table;
        marks.Clear();
        TreeChecker(network, marks).CheckEventTriggeredFrame(kItem, same);
        EXPECT_EQ(same.collisionTable == "Gone" ? "255 Collision table not a schedule table" : "0 ", Marks());
    }
}

// The master sends a sporadic frame's frames, slaves answer an event-triggered
// frame's header; a frame the network does not hold is left to other rules.
TEST_F(TreeCheckerTest, GroupedFramesNeedTheirKindOfPublisher)
{
    AddFrame("FromSlave", 1, 2);
    AddFrame("FromMaster", 2, 2).publisher = network.masterName;
    const struct {
        NameList frames;
        const char* eventTriggered;
        const char* sporadic;
    } cases[] = {
        {{}, "0 ", "0 "},
        {{"Gone"}, "0 ", "0 "},
        {{"FromSlave"}, "0 ", "255 Frame not published by the master"},
        {{"FromMaster"}, "255 Frame not published by a slave", "0 "},
        {{"FromSlave", "FromMaster"}, "255 Frame not published by a slave", "255 Frame not published by the master"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.frames));
        EventTriggeredFrame eventTriggered("E");
        eventTriggered.frameNames = c.frames;
        marks.Clear();
        TreeChecker(network, marks).CheckEventTriggeredFrame(kItem, eventTriggered);
        EXPECT_EQ(c.eventTriggered, Marks());
        SporadicFrame sporadic("S");
        sporadic.frameNames = c.frames;
        marks.Clear();
        TreeChecker(network, marks).CheckSporadicFrame(kItem, sporadic);
        EXPECT_EQ(c.sporadic, Marks());
    }
}

TEST_F(TreeCheckerTest, ScheduleTableCheck)
{
    AddFrame("F", 1, 2);
    ScheduleTable& table = AddTable("T");
    AddTable("T");
    auto add = [&](int delay, int kind, std::unique_ptr<ScheduleCommand> command) {
        table.entries.Append(std::make_unique<ScheduleEntry>(delay, kind, std::move(command)));
    };
    add(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F"));
    add(15, kAssignFrameId, std::make_unique<FrameIdCommand>("Slave1", "F"));
    add(25, kAssignFrameId, std::make_unique<FrameIdCommand>("Nobody", "F"));
    add(10, kUnassignFrameId, std::make_unique<FrameIdCommand>("Slave1", "Gone"));
    TreeChecker(network, marks).CheckScheduleTable(kItem, table);
    EXPECT_EQ("255 Node name not found; Delay no divider of Time Base; Schedule not unique", Marks());
}

TEST_F(TreeCheckerTest, ScheduleEntryNamingNeitherNodeNorFrameGetsBothReasons)
{
    ScheduleTable& table = AddTable("T");
    table.entries.Append(
        std::make_unique<ScheduleEntry>(0, kAssignFrameId, std::make_unique<FrameIdCommand>("N", "F")));
    TreeChecker(network, marks).CheckScheduleTable(kItem, table);
    EXPECT_EQ("255 Frame not found; Node name not found; Delay no divider of Time Base", Marks());
}

TEST_F(TreeCheckerTest, TimeBaseOfZeroFailsEveryDelayWithoutDividing)
{
    network.timeBaseMs = 0;
    ScheduleTable& table = AddTable("T");
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kMasterReq, std::make_unique<ScheduleCommand>()));
    TreeChecker(network, marks).CheckScheduleTable(kItem, table);
    EXPECT_EQ("255 Delay no divider of Time Base", Marks());
}

TEST_F(TreeCheckerTest, DelayShorterThanMaximumFrameTimeIsRed)
{
    AddFrame("F8", 0x30, 8);  // 9.04 ms at most at 19.2 kbit/s
    network.timeBaseMs = 5;
    for (int delay : {5, 10}) {
        ScheduleTable& table = AddTable("T" + std::to_string(delay));
        table.entries.Append(
            std::make_unique<ScheduleEntry>(delay, kFrameSlot, std::make_unique<FrameSlotCommand>("F8")));
        marks.Clear();
        TreeChecker(network, marks).CheckScheduleTable(kItem, table);
        EXPECT_EQ(delay == 5 ? "255 Delay shorter than frame time" : "0 ", Marks());
    }
}

TEST_F(TreeCheckerTest, EncodingTypeNeedsMinNotAboveMax)
{
    EncodingType type("E");
    type.AddPhysicalRange(5, 5, 1.0f, 0.0f, "");
    TreeChecker(network, marks).CheckEncodingType(kItem, type);
    EXPECT_EQ("0 ", Marks());
    type.AddPhysicalRange(6, 5, 1.0f, 0.0f, "");
    type.AddPhysicalRange(9, 1, 1.0f, 0.0f, "");
    marks.Clear();
    TreeChecker(network, marks).CheckEncodingType(kItem, type);
    EXPECT_EQ("255 Min > Max", Marks());
}

}  // namespace
