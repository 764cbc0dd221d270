#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "writer/LdfWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

std::string GoldenPath(const std::string& name) { return TestDataDir() + "/writer/" + name + ".written.ldf"; }

template <typename Record, typename... Args>

Record& Append(OwnedList<Record>& list, Args&&... args)
{
    return list.Append(std::make_unique<Record>(std::forward<Args>(args)...));
}

LinSignal& AddSignal(LinNetwork& n, const std::string& name, int size, std::vector<std::uint16_t> init,
                     const std::string& publisher, std::vector<std::string> subscribers)
{
    LinSignal& signal = Append(n.signals, name);
    signal.size = size;
    signal.initValues = std::move(init);
    signal.publisher = publisher;
    signal.subscribers = NamesOf(subscribers);
    return signal;
}

LinFrame& AddFrame(LinNetwork& n, const std::string& name, int id, const std::string& publisher, int length)
{
    LinFrame& frame = Append(n.frames);
    frame.name = name;
    frame.frameId = id;
    frame.publisher = publisher;
    frame.length = length;
    return frame;
}

void AddEntry(ScheduleTable& table, int delay, int kind, std::unique_ptr<ScheduleCommand> command = nullptr)
{
    Append(table.entries, delay, kind, std::move(command));
}

// Every block of the format, with the cases the writer must leave out or
// complete marked by their names (Empty..., NoPublisher...).
std::unique_ptr<LinNetwork> RichNetwork()
{
    auto n = LinNetwork::CreateDefault();
    n->headerComment = "Rich network\r\nsecond line";
    n->protocolVersion = 2.1f;
    n->languageVersion = 2.0f;
    n->speedKbps = 10.417f;
    n->masterName = "Gateway";
    n->timeBaseMs = 5;
    n->jitterMs = 0.125f;
    n->slaves.clear();
    for (const char* name : {"DoorLeft", "DoorRight", "Seat"})
        Append(n->slaves, name);

    CompositeConfiguration& doors = Append(n->compositeConfigurations, "Doors");
    Append(doors.compositeNodes, "BothDoors").logicalNodes = {"DoorLeft", "DoorRight"};
    Append(doors.compositeNodes, "EmptyComposite");
    Append(n->compositeConfigurations, "EmptyConfiguration");

    AddSignal(*n, "Lock", 8, {65535}, "DoorLeft", {"Gateway", "Seat"});  // read as -1
    AddSignal(*n, "Window", 16, {1, 2}, "Gateway", {"DoorLeft"}).isByteArray = true;
    AddSignal(*n, "EmptyBytes", 24, {}, "Gateway", {"Seat"}).isByteArray = true;
    AddSignal(*n, "NoInit", 4, {}, "Seat", {});
    AddSignal(*n, "NoPublisher", 8, {0}, "", {"Gateway"});

    n->dynamicFrameIds = {58, 59};

    LinFrame& status = AddFrame(*n, "Status", 0x10, "DoorLeft", 2);
    status.AddSignal("Lock", "0");
    status.AddSignal("NoInit", "8");
    AddFrame(*n, "Command", 17, "Gateway", 0).AddSignal("Window", "0");
    AddFrame(*n, "NoPublisherFrame", 18, "", 1);

    Append(n->sporadicFrames, "Sporadic").frameNames = {"Status", "Command"};
    Append(n->sporadicFrames, "EmptySporadic");
    EventTriggeredFrame& event = Append(n->eventTriggeredFrames, "Event");
    event.frameId = 58;
    event.frameNames = {"Status"};
    Append(n->eventTriggeredFrames, "EmptyEvent").frameId = 59;
    n->masterRequest.AddSignal("Not//Written", "0");

    // Attributes in another order than the slaves, and one for a non-slave.
    NodeAttributes& seat = Append(n->nodeAttributes, "Seat");
    seat.p2MinMs = -1;
    seat.stMinMs = -1;
    NodeAttributes& left = Append(n->nodeAttributes, "DoorLeft");
    left.configuredNad = 2;
    left.supplierId = 0x1E;
    left.functionId = 1;
    left.variant = 3;
    left.responseErrorSignal = "Lock";
    left.p2MinMs = 50;
    left.stMinMs = 10;
    Append(left.configurableFrames, "Status", 1);
    Append(left.configurableFrames, "Command", 2);
    NodeAttributes& right = Append(n->nodeAttributes, "DoorRight");
    right.SetProtocol("1.3");
    right.configuredNad = 3;
    right.responseErrorSignal = "Lock";
    Append(right.configurableFrames, "Status", 4);
    Append(n->nodeAttributes, "NotASlave");

    ScheduleTable& table = Append(n->scheduleTables, "Normal");
    AddEntry(table, 10, kFrameSlot, std::make_unique<FrameSlotCommand>("Status"));
    AddEntry(table, 20, kMasterReq);
    AddEntry(table, 20, kSlaveResp);
    AddEntry(table, 10, kAssignFrameId, std::make_unique<FrameIdCommand>("DoorLeft", "Status"));
    AddEntry(table, 10, kUnassignFrameId, std::make_unique<FrameIdCommand>("DoorLeft", "Status"));
    AddEntry(table, 10, kAssignFrameId, std::make_unique<FrameIdCommand>("", "Status"));
    AddEntry(table, 10, kUnassignFrameId, std::make_unique<FrameIdCommand>("DoorLeft", ""));
    auto nad = std::make_unique<AssignNadCommand>();
    nad->initialNad = 127;
    nad->newNad = 2;
    nad->supplierId = 30;
    nad->functionId = 1;
    AddEntry(table, 10, kAssignNad, std::move(nad));
    auto freeFormat = std::make_unique<FreeFormatCommand>();
    freeFormat->data = {178, 0, 1, 2, 3, 4, 5, 255};
    AddEntry(table, 10, kFreeFormat, std::move(freeFormat));
    AddEntry(table, 10, 9);
    Append(n->scheduleTables, "EmptyTable");

    EncodingType& voltage = Append(n->encodingTypes, "Voltage");
    voltage.AddLogicalValue(0, "off");
    voltage.AddLogicalValue(1, "");
    voltage.AddPhysicalRange(1, 1000, 0.001, -32.766, "V");
    voltage.AddPhysicalRange(1001, 2000, 0.5, 0.0, "");
    voltage.bcdCount = 1;
    voltage.asciiCount = 1;
    Append(n->encodingTypes, "EmptyEncoding");
    Append(n->signalRepresentations, "Voltage").signalNames = {"Lock", "NoInit"};
    Append(n->signalRepresentations, "EmptyEncoding");
    return n;
}

TEST(LdfWriter, NewNetworkMatchesGoldenFile)
{
    const std::string difference =
        CompareWithGolden(LinNetwork::CreateDefault()->BuildLdfText(), GoldenPath("new-network"));
    EXPECT_TRUE(difference.empty()) << difference;
}

TEST(LdfWriter, RichNetworkMatchesGoldenFile)
{
    const std::string difference = CompareWithGolden(RichNetwork()->BuildLdfText(), GoldenPath("rich-network"));
    EXPECT_TRUE(difference.empty()) << difference;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(LdfWriter, LeavesOutStatementsTheReaderCannotTakeBack)
{
    const std::string text = RichNetwork()->BuildLdfText();
    for (const char* name : {"EmptyComposite", "NoPublisher", "NoPublisherFrame", "EmptySporadic", "EmptyEvent",
                             "NotASlave", "EmptyEncoding:", "{ , Status }", "{ DoorLeft,  }", "Not//Written"})
        EXPECT_FALSE(Contains(text, name)) << name;
    EXPECT_TRUE(Contains(text, "\tconfiguration EmptyConfiguration {\n\t}\n"));
    EXPECT_TRUE(Contains(text, "\tEmptyBytes: 24, { 0, 0, 0 }, Gateway, Seat;\n"));
}

std::vector<std::string> LeftOutLines(const LinNetwork& network)
{
    std::vector<std::string> lines;
    for (const LeftOutRecord& leftOut : RecordsLeftOut(network))
        lines.push_back(FormatLeftOut(leftOut));
    return lines;
}

TEST(LdfWriter, ListsEveryRecordItLeavesOutWithTheReason)
{
    EXPECT_TRUE(LeftOutLines(*LinNetwork::CreateDefault()).empty());
    const std::vector<std::string> expected = {
        "Composite node Doors / EmptyComposite: no logical nodes",
        "Signal NoPublisher: no publisher",
        "Frame NoPublisherFrame: no publisher",
        "Sporadic frame EmptySporadic: none of its frames is written",
        "Event-triggered frame EmptyEvent: none of its frames is written",
        "Node attributes of NotASlave: no slave of that name",
        "Schedule table Normal, entry 6: names no frame or node that is written",
        "Schedule table Normal, entry 7: names no frame or node that is written",
        "Schedule table Normal, entry 10: names no frame or node that is written",
    };
    EXPECT_EQ(LeftOutLines(*RichNetwork()), expected);
}

TEST(LdfWriter, LeavesOutRecordsWhoseNamesBeginAComment)
{
    auto network = LinNetwork::CreateDefault();
    Append(network->compositeConfigurations, "C//1");
    Append(network->encodingTypes, "E/*2");
    Append(network->signalRepresentations, "E/*2").signalNames = {"S1"};
    AddSignal(*network, "S1", 8, {0}, "Master", {"Slave1"});
    Append(network->scheduleTables, "T//3");
    const std::string text = network->BuildLdfText();
    for (const char* part : {"composite", "C//1", "E/*2", "T//3"})
        EXPECT_FALSE(Contains(text, part)) << part;
    EXPECT_EQ(LeftOutLines(*network), (std::vector<std::string>{
                                          "Configuration C//1: its name would begin a comment",
                                          "Schedule table T//3: its name would begin a comment",
                                          "Encoding type E/*2: its name would begin a comment",
                                          "Representation E/*2: its encoding type is not written",
                                      }));
    EXPECT_TRUE(Contains(text, "\tS1: 8, 0, Master, Slave1;\n"));
}

TEST(LdfWriter, ListsThatNameOnlyUnwrittenSignalsAreLeftOut)
{
    auto network = LinNetwork::CreateDefault();
    AddSignal(*network, "Orphan", 8, {0}, "", {});
    Append(network->encodingTypes, "Level").AddLogicalValue(0, "low");
    Append(network->signalRepresentations, "Level").signalNames = {"Orphan"};
    network->AttributesOf("Slave1").faultStateSignals = {"Orphan"};
    const std::string text = network->BuildLdfText();
    EXPECT_TRUE(Contains(text, "\t\tP2_min = 0 ms;\n"));
    for (const char* part : {"Orphan", "fault_state_signals", "Level:"})
        EXPECT_FALSE(Contains(text, part)) << part;
    EXPECT_TRUE(Contains(text, "Signal_representations {\n}\n"));
    EXPECT_EQ(LeftOutLines(*network), (std::vector<std::string>{
                                          "Signal Orphan: no publisher",
                                          "Representation Level: none of its signals is written",
                                      }));
}

TEST(LdfWriter, QuotedTextsLeaveOutWhatWouldEndThemEarly)
{
    auto network = LinNetwork::CreateDefault();
    network->channelName = "Door \"A\"\r\n";
    Append(network->encodingTypes, "Lamp").AddLogicalValue(0, "say \"off\"");
    const std::string text = network->BuildLdfText();
    EXPECT_TRUE(Contains(text, "Channel_name = \"Door A\";\n"));
    EXPECT_TRUE(Contains(text, "logical_value, 0, \"say off\";\n"));
}

TEST(LdfWriter, NetworkWithoutSlavesHasNoSlavesLine)
{
    auto network = LinNetwork::CreateDefault();
    network->slaves.clear();
    EXPECT_TRUE(Contains(network->BuildLdfText(), "Nodes {\n\tMaster: Master, 10 ms, 0.10 ms;\n}\n"));
}

TEST(LdfWriter, VersionNotGivenIsLeftOut)
{
    auto network = LinNetwork::CreateDefault();
    network->protocolVersion = -1.0f;
    const std::string text = network->BuildLdfText();
    EXPECT_FALSE(Contains(text, "LIN_protocol_version"));
    EXPECT_TRUE(Contains(text, "LIN_description_file;\nLIN_language_version = \"2.00\";\n\nLIN_speed"));
}

TEST(FormatLdfFloat, TwoDecimalsWhenExactElseShortestPlainDecimal)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {2.0f, "2.00"},        {19.2f, "19.20"},
        {0.1f, "0.10"},        {-1.0f, "-1.00"},
        {0.0f, "0.00"},        {0.001f, "0.001"},
        {-32.766f, "-32.766"}, {0.125f, "0.125"},
        {1e-7f, "0.0000001"},  {123456789.0f, "123456792.00"},
        {10.417f, "10.417"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatLdfFloat(c.value)) << c.value;
}

TEST(FormatLdfFloat, EveryFloatReadsBackExactlyWithoutExponent)
{
    std::mt19937 random(20240501);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t pattern = bits(random);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text = FormatLdfFloat(value);
        ASSERT_EQ(std::string::npos, text.find_first_of("eE")) << text;
        ASSERT_EQ(value, static_cast<float>(ParseDouble(text))) << text;
    }
}

TEST(FormatShortestNumber, WholeNumbersAsIntegersOthersAsShortestDecimal)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {10.0, "10"},
        {0.0, "0"},
        {-0.0, "-0"},
        {-25.0, "-25"},
        {999999999.0, "999999999"},
        {1e9, "1000000000"},
        {-1e15, "-1000000000000000"},
        {0.5, "0.5"},
        {2.25, "2.25"},
        {1e-7, "0.0000001"},
        {123456789.5, "123456789.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, FormatShortestNumber(c.value)) << c.value;
}

TEST(LineEnds, TextModeAddsCrOnlyWhereMissing)
{
    EXPECT_EQ("\r\na\r\nb\r\nc\r\r\n", ToCrLfLineEnds("\na\nb\r\nc\r\r\n"));
    EXPECT_EQ("a\nb\n\r", ToLfLineEnds("a\r\nb\n\r"));
    EXPECT_EQ("a\nb\r c\n", ToLfLineEnds("a\r\r\nb\r c\r\n"));
}

}  // namespace
