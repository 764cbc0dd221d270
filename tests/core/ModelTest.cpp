#include "TestFiles.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/NetworkNameIndexes.h"

#include <gtest/gtest.h>

namespace {

TEST(LinNetwork, DefaultIsTheNewDocumentNetwork)
{
    auto network = LinNetwork::CreateDefault();
    ASSERT_EQ(1u, network->slaves.size());
    EXPECT_EQ("Slave1", network->slaves[0]->name);
    EXPECT_EQ("Master", network->masterName);
    EXPECT_EQ(10, network->timeBaseMs);
    EXPECT_FLOAT_EQ(0.1f, network->jitterMs);
    EXPECT_FLOAT_EQ(19.2f, network->speedKbps);
    EXPECT_FLOAT_EQ(2.0f, network->protocolVersion);
    EXPECT_FLOAT_EQ(2.0f, network->languageVersion);
    EXPECT_TRUE(network->descriptionFileSeen);
    EXPECT_TRUE(network->strictLineEnds);
    EXPECT_TRUE(network->messages.Empty());
}

TEST(LinNetwork, LoadReportsAnUnreadableFile)
{
    LoadResult result = LinNetwork::Load("/nonexistent/folder/none.ldf");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string::npos, result.error.find("none.ldf"));
}

TEST(LinNetwork, LoadReportsAFolder)
{
    LoadResult result = LinNetwork::Load(TestDataDir());
    EXPECT_FALSE(result);
    EXPECT_EQ("Cannot open the file " + TestDataDir() + ": it is a folder", result.error);
}

TEST(LinNetwork, LoadReadsAFileLongerThanOneReadWhole)
{
    ScratchFolder folder;
    std::string text = "LIN_description_file;\n";
    while (text.size() < 200000)
        text += "// filler line " + std::to_string(text.size()) + "\r\n";
    WriteFileBytes(folder / "long.ldf", text);
    LoadResult result = LinNetwork::Load(folder / "long.ldf");
    ASSERT_TRUE(result);
    EXPECT_EQ(text, result.network->fileText);
}

TEST(LinNetwork, NulByteEndsTheTextWithAWarning)
{
    auto network = LinNetwork::LoadFromText(std::string("LIN_description_file;\0garbage", 30));
    EXPECT_EQ("LIN_description_file;", network->fileText);
    ASSERT_FALSE(network->messages.Empty());
    EXPECT_EQ("Warning: file contains a NUL byte, the text after it is not read", network->messages[0].Text());
}

TEST(LinNetwork, CopyIsDeep)
{
    auto network = LinNetwork::CreateDefault();
    auto& table = network->scheduleTables.Append(std::make_unique<ScheduleTable>("T"));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F")));
    LinNetwork copy(*network);
    copy.slaves[0]->name = "Other";
    copy.scheduleTables[0]->entries[0]->FrameSlot()->frameName = "G";
    EXPECT_EQ("Slave1", network->slaves[0]->name);
    EXPECT_EQ("F", network->scheduleTables[0]->entries[0]->FrameSlot()->frameName);
}

TEST(MakeUniqueName, CountsUpFromTheBase)
{
    EXPECT_EQ("Signal", MakeUniqueName(std::vector<std::string>{}, "Signal"));
    EXPECT_EQ("Signal1", MakeUniqueName({"Signal", "Signal0"}, "Signal"));
    EXPECT_EQ("Signal", MakeUniqueName({"Signal"}, "Signal", 0));
    EXPECT_EQ("Signal0", MakeUniqueName({"Signal"}, "Signal", 5));
}

TEST(NodeAttributes, ProductValuesFillInOrderAndDropOutOfRange)
{
    NodeAttributes attributes("A");
    EXPECT_TRUE(attributes.AddProductValue(0x7FFF));
    EXPECT_TRUE(attributes.AddProductValue(-1));
    EXPECT_TRUE(attributes.AddProductValue(3));
    EXPECT_FALSE(attributes.AddProductValue(4));
    EXPECT_EQ(0x7FFF, attributes.supplierId);
    EXPECT_EQ(0xFFFF, attributes.functionId);
    EXPECT_EQ(3, attributes.variant);
    EXPECT_TRUE(attributes.SetProtocol("2.0"));
    EXPECT_FALSE(attributes.SetProtocol("2"));
    EXPECT_EQ("2.0", attributes.protocol);
}

// Up to four values lie inside the record; a byte array may give more,
// and a signal with many subscribers counts its fields past any small type.
TEST(LinSignal, KeepsEveryInitByteAndEverySubscriber)
{
    LinSignal array("B");
    array.AddParameter("80");
    std::vector<std::uint16_t> bytes;
    for (std::uint16_t i = 0; i < 20; ++i) {
        array.AddInitByte(std::to_string(i));
        bytes.push_back(i);
        ASSERT_EQ(bytes, array.initValues.ToVector());
    }
    array.AddParameter("Slave1");
    for (int i = 0; i < 300; ++i)
        array.AddParameter("Node" + std::to_string(i));
    EXPECT_EQ("Slave1", array.publisher);
    EXPECT_EQ(300u, array.subscribers.size());
    EXPECT_EQ("Node299", array.subscribers.back());
    EXPECT_EQ("B", array.name);

    // Copies and moves, from the heap and from inside the record, keep the values.
    LinSignal copy = array;
    EXPECT_EQ(array.initValues, copy.initValues);
    InitValues moved = std::move(copy.initValues);
    EXPECT_EQ(bytes, moved.ToVector());
    InitValues small{1, 2};
    moved = small;
    EXPECT_EQ((std::vector<std::uint16_t>{1, 2}), moved.ToVector());
    small = std::move(array.initValues);
    EXPECT_EQ(bytes, small.ToVector());
    small.resize(3);
    EXPECT_EQ((std::vector<std::uint16_t>{0, 1, 2}), small.ToVector());
    moved.resize(12, 7);
    EXPECT_EQ((std::vector<std::uint16_t>{1, 2, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}), moved.ToVector());
}

TEST(LinSignal, ParametersFillInOrder)
{
    LinSignal scalar("S");
    for (const char* p : {"8", "-1", "Slave1", "Master"})
        scalar.AddParameter(p);
    EXPECT_EQ(8, scalar.size);
    EXPECT_EQ(std::vector<std::uint16_t>{65535}, scalar.initValues);
    EXPECT_EQ("Slave1", scalar.publisher);
    EXPECT_EQ(std::vector<std::string>{"Master"}, scalar.subscribers);

    LinSignal array("B");
    array.AddParameter("16");
    array.AddInitByte("1");
    array.AddInitByte("2");
    array.AddParameter("Slave1");
    EXPECT_TRUE(array.isByteArray);
    EXPECT_EQ((std::vector<std::uint16_t>{1, 2}), array.initValues);
    EXPECT_EQ("Slave1", array.publisher);

    SignalGroup group;
    EXPECT_TRUE(group.AddParameter("G"));
    EXPECT_FALSE(group.AddParameter("0x10"));
    EXPECT_EQ(0, group.groupSize);
}

TEST(LinNetwork, AlignRepresentationsFollowsTheEncodingTypes)
{
    LinNetwork network;
    network.encodingTypes.Append(std::make_unique<EncodingType>("A"));
    network.encodingTypes.Append(std::make_unique<EncodingType>("B"));
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("B"));
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("X"));
    network.signalRepresentations[0]->AddSignal("S");
    network.AlignRepresentations();
    ASSERT_EQ(2u, network.signalRepresentations.size());
    EXPECT_EQ("A", network.signalRepresentations[0]->encodingName);
    EXPECT_TRUE(network.signalRepresentations[0]->signalNames.empty());
    EXPECT_EQ("B", network.signalRepresentations[1]->encodingName);
    EXPECT_EQ("B", network.EncodingOfSignal("S"));
    EXPECT_EQ("", network.EncodingOfSignal("T"));

    network.AssignSignalToEncoding("A", "S");
    EXPECT_EQ("A", network.EncodingOfSignal("S"));
    network.AssignSignalToEncoding("", "S");
    EXPECT_EQ("", network.EncodingOfSignal("S"));
}

TEST(LinNetwork, PurgesRemoveReferencesToDeletedEntities)
{
    auto network = LinNetwork::CreateDefault();
    auto& frame = network->frames.Append(std::make_unique<LinFrame>());
    frame.name = "F";
    frame.publisher = "Gone";
    frame.AddSignal("S", "0");
    frame.AddSignal("Missing", "8");
    auto& signal = network->signals.Append(std::make_unique<LinSignal>("S"));
    signal.publisher = "Master";
    signal.subscribers = {"Slave1", "Gone", "Master"};
    network->nodeAttributes.Append(std::make_unique<NodeAttributes>("Gone"));
    network->nodeAttributes.Append(std::make_unique<NodeAttributes>("Slave1")).responseErrorSignal = "Missing";
    auto& table = network->scheduleTables.Append(std::make_unique<ScheduleTable>("T"));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("X")));
    table.entries.Append(
        std::make_unique<ScheduleEntry>(10, kAssignFrameId, std::make_unique<FrameIdCommand>("Gone", "X")));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F")));

    NetworkNameIndexes names(*network);
    network->RemoveOrphanNodeAttributes(names);
    network->PurgeDeletedNodes(names);
    network->PurgeDeletedSignals(names);
    network->PurgeDeletedFrames(names);

    ASSERT_EQ(1u, network->nodeAttributes.size());
    EXPECT_EQ("", network->nodeAttributes[0]->responseErrorSignal);
    EXPECT_EQ("", frame.publisher);
    EXPECT_EQ(std::vector<std::string>{"S"}, frame.signalNames);
    EXPECT_EQ(std::vector<std::uint32_t>{0}, frame.offsets);
    EXPECT_EQ("Master", signal.publisher);
    EXPECT_EQ((std::vector<std::string>{"Slave1", "Master"}), signal.subscribers);
    ASSERT_EQ(2u, table.entries.size());
    EXPECT_EQ("", table.entries[0]->FrameId()->nodeName);
    EXPECT_EQ("", table.entries[0]->FrameId()->frameName);
    EXPECT_EQ("F", table.entries[1]->FrameSlot()->frameName);
    EXPECT_EQ(-1, network->FrameLength("X"));
    EXPECT_EQ(0, network->FrameLength("F"));
}

TEST(LinNetwork, RemovalsDropOneNameAndTheCommandsThatNameIt)
{
    auto network = LinNetwork::CreateDefault();
    network->slaves.Append(std::make_unique<LinNode>("Slave2"));
    auto& frame = network->frames.Append(std::make_unique<LinFrame>());
    frame.name = "F";
    frame.publisher = "Slave1";
    frame.AddSignal("S", "0");
    frame.AddSignal("T", "8");
    auto& signal = network->signals.Append(std::make_unique<LinSignal>("S"));
    signal.subscribers = {"Slave1", "Slave2"};
    network->AttributesOf("Slave2").configurableFrames.Append(std::make_unique<ConfigurableFrame>("F", 1));
    auto& table = network->scheduleTables.Append(std::make_unique<ScheduleTable>("T"));
    table.entries.Append(
        std::make_unique<ScheduleEntry>(10, kAssignFrameId, std::make_unique<FrameIdCommand>("Slave1", "G")));
    table.entries.Append(
        std::make_unique<ScheduleEntry>(10, kAssignFrameId, std::make_unique<FrameIdCommand>("Slave2", "F")));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("E")));
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F")));

    network->RemoveSlaveReferences("Slave1");
    EXPECT_EQ("", frame.publisher);
    EXPECT_EQ(std::vector<std::string>{"Slave2"}, signal.subscribers);
    EXPECT_EQ(3u, table.entries.size());

    network->RemoveSignalReferences("S");
    EXPECT_EQ(std::vector<std::string>{"T"}, frame.signalNames);
    EXPECT_EQ(std::vector<std::uint32_t>{8}, frame.offsets);

    network->RemoveFrameSlots("E");
    EXPECT_EQ(2u, table.entries.size());
    network->RemoveFrameReferences("F");
    EXPECT_TRUE(table.entries.empty());
    EXPECT_TRUE(network->AttributesOf("Slave2").configurableFrames.empty());
}

TEST(LinNetwork, EverySlaveGetsTheDefaultAttributesOnce)
{
    auto network = LinNetwork::CreateDefault();
    network->slaves.Append(std::make_unique<LinNode>("Slave2"));
    network->AttributesOf("Slave2").configuredNad = 5;
    const std::vector<NodeAttributes*> attributes = network->AttributesOfEverySlave();
    ASSERT_EQ(2u, attributes.size());
    EXPECT_EQ(lin::kStandardVersionText, attributes[0]->protocol);
    EXPECT_EQ(5, attributes[1]->configuredNad);
    EXPECT_EQ(attributes[0], &network->AttributesOf("Slave1"));
    EXPECT_EQ(2u, network->nodeAttributes.size());
    EXPECT_EQ(nullptr, network->slaves.RecordAt(2));
    EXPECT_FALSE(network->slaves.Exists(-1));
}

TEST(LinVersion, OnlyTheOfferedVersionsAreTaken)
{
    NodeAttributes attributes;
    for (const std::string& version : lin::SupportedVersions())
        EXPECT_TRUE(attributes.SetProtocol(version)) << version;
    EXPECT_FALSE(attributes.SetProtocol("2.3"));
    EXPECT_FALSE(attributes.SetProtocol("J2602_1.0"));
    EXPECT_TRUE(attributes.SetProtocol("J2602_1_1.0"));
    EXPECT_EQ(2, lin::MajorVersion("2.0"));
    EXPECT_TRUE(lin::HasLin2Attributes(lin::kStandardVersionText));
}

TEST(LinVersion, NamedVersionsStandForTheLinVersionTheyBuildOn)
{
    struct Row {
        const char* text;
        double number;
        bool lin20OrOlder;
    };
    const Row rows[] = {
        {"1.3", 1.3, true},
        {"2.0", 2.0, true},
        {"2.1", 2.1, false},
        {"2.2", 2.2, false},
        {"ISO17987:2016", 2.2, false},
        {"J2602_1_1.0", 2.0, false},
        {"J2602_3_2.0", 2.2, false},
        {"ISO17987:", 0, true},
        {"J2602_1_x", 0, true},
        {"2.0abc", 0, true},
        {"", 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_DOUBLE_EQ(row.number, lin::VersionNumber(row.text));
        EXPECT_EQ(row.lin20OrOlder, lin::IsLin20OrOlder(row.text));
    }
    EXPECT_TRUE(lin::ShowsVersionText("J2602_1_1.0", 2.0f));
    EXPECT_FALSE(lin::ShowsVersionText("2.1", 2.2f));  // the number was edited
    EXPECT_FALSE(lin::ShowsVersionText("2.0", 2.0f));
}

}  // namespace
