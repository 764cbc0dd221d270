// The post-load repair on networks built in code: what it restores and the
// exact messages it appends, in the order of its steps.

#include "validation/PostLoadRepair.h"
#include "model/LinNetwork.h"
#include "validation/CheckRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

using Lines = std::vector<std::string>;

// A network as a complete, sound file leaves it: the repair has nothing to say.
LinNetwork SoundNetwork()
{
    LinNetwork network;
    network.descriptionFileSeen = true;
    network.protocolVersion = 2.0f;
    network.languageVersion = 2.0f;
    network.speedKbps = 19.2f;
    network.masterName = "M";
    network.timeBaseMs = 10;
    network.jitterMs = 0.1f;
    network.slaves.Append(std::make_unique<LinNode>("S"));
    return network;
}

Lines Repair(LinNetwork& network)
{
    RunPostLoadRepair(network);
    Lines lines;
    for (const Message& message : network.messages)
        lines.push_back(FormatMessage(message));
    return lines;
}

LinSignal& AddSignal(LinNetwork& network, const std::string& name, int size, const std::string& publisher,
                     std::vector<std::string> subscribers)
{
    auto signal = std::make_unique<LinSignal>(name);
    signal->size = size;
    signal->publisher = publisher;
    signal->subscribers = NamesOf(subscribers);
    return network.signals.Append(std::move(signal));
}

LinFrame& AddFrame(LinNetwork& network, const std::string& name, int id, const std::string& publisher)
{
    auto frame = std::make_unique<LinFrame>();
    frame->name = name;
    frame->frameId = id;
    frame->publisher = publisher;
    return network.frames.Append(std::move(frame));
}

TEST(PostLoadRepair, SoundNetworkGivesNoMessage)
{
    LinNetwork network = SoundNetwork();
    EXPECT_EQ(Lines{}, Repair(network));
}

TEST(PostLoadRepair, HeaderValuesAreReportedAndRestored)
{
    struct Case {
        int line;
        float LinNetwork::*field;
        float given;
        const char* message;  // null when the value is accepted
        float after;
    };
    const float nan = std::nanf("");
    const Case cases[] = {
        {__LINE__, &LinNetwork::protocolVersion, -1.0f, "Protocol version not here", -1.0f},
        {__LINE__, &LinNetwork::protocolVersion, 0.01f, nullptr, 0.01f},
        {__LINE__, &LinNetwork::protocolVersion, 99.99f, nullptr, 99.99f},
        {__LINE__, &LinNetwork::protocolVersion, 0.0f, "Protocol version wrong, Standard is restored", 2.0f},
        {__LINE__, &LinNetwork::protocolVersion, nan, "Protocol version wrong, Standard is restored", 2.0f},
        {__LINE__, &LinNetwork::languageVersion, -1.0f, "Language version not here", -1.0f},
        {__LINE__, &LinNetwork::languageVersion, 100.0f, "Language version wrong, Standard is restored", 2.0f},
        {__LINE__, &LinNetwork::speedKbps, -1.0f, "No speed declaration", -1.0f},
        {__LINE__, &LinNetwork::speedKbps, 1.0f, nullptr, 1.0f},
        {__LINE__, &LinNetwork::speedKbps, 20.0f, nullptr, 20.0f},
        {__LINE__, &LinNetwork::speedKbps, 20.1f, "Speed version wron, Standrad is restored", 19.2f},
        {__LINE__, &LinNetwork::speedKbps, nan, "Speed version wron, Standrad is restored", 19.2f},
        {__LINE__, &LinNetwork::jitterMs, -1.0f, "Jitter false, Standard is restored", 0.1f},
        {__LINE__, &LinNetwork::jitterMs, 0.0f, nullptr, 0.0f},
        {__LINE__, &LinNetwork::jitterMs, -0.5f, "Jitter wrong, Standard is restored", 0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case at line " << c.line);
        LinNetwork network = SoundNetwork();
        network.*c.field = c.given;
        EXPECT_EQ(c.message ? Lines{c.message} : Lines{}, Repair(network));
        EXPECT_EQ(c.after, network.*c.field);
    }
}

TEST(PostLoadRepair, TimeBaseIsRestoredWhenMissingOrNotPositive)
{
    for (auto [given, message] : {std::pair<int, const char*>{-1, "No time base, was configured to standard"},
                                  {0, "Time base wrong, Standard is restored"},
                                  {-5, "Time base wrong, Standard is restored"}}) {
        LinNetwork network = SoundNetwork();
        network.timeBaseMs = given;
        EXPECT_EQ(Lines{message}, Repair(network));
        EXPECT_EQ(10, network.timeBaseMs);
    }
}

TEST(PostLoadRepair, NetworkWithNothingReadReportsEveryMissingHeaderValueInOrder)
{
    LinNetwork network;
    network.descriptionFileSeen = true;
    EXPECT_EQ((Lines{"Protocol version not here", "Language version not here", "No speed declaration",
                     "No Master here, was added", "No slaves here", "No time base, was configured to standard",
                     "Jitter false, Standard is restored"}),
              Repair(network));
}

TEST(PostLoadRepair, MissingDescriptionFileRestoresEveryHeaderValueAndAddsTheStandardSlave)
{
    LinNetwork network;
    network.headerComment = "kept?";
    network.protocolVersion = 1.3f;
    network.speedKbps = 9.6f;
    network.masterName = "Head";
    network.timeBaseMs = 0;
    network.slaves.Append(std::make_unique<LinNode>("A"));
    AddSignal(network, "Sig", 0, "Head", {"A"});

    EXPECT_EQ((Lines{"String LIN_description_file doesn't exist", "Initialization with standard values",
                     "Signal size out of range (1-16): Sig", "Publisher not here: Sig"}),
              Repair(network));
    EXPECT_TRUE(network.descriptionFileSeen);
    EXPECT_EQ("", network.headerComment);
    EXPECT_EQ(2.0f, network.protocolVersion);
    EXPECT_EQ(2.0f, network.languageVersion);
    EXPECT_EQ(19.2f, network.speedKbps);
    EXPECT_EQ("Master", network.masterName);
    EXPECT_EQ(10, network.timeBaseMs);
    EXPECT_EQ(0.1f, network.jitterMs);
    ASSERT_EQ(2u, network.slaves.size());
    EXPECT_EQ("A", network.slaves[0]->name);
    EXPECT_EQ("Slave1", network.slaves[1]->name);
}

TEST(PostLoadRepair, MissingDescriptionFileNeverDoublesAnExistingSlave1)
{
    LinNetwork network;
    network.slaves.Append(std::make_unique<LinNode>("Slave1"));
    EXPECT_EQ(2u, Repair(network).size());
    EXPECT_EQ(1u, network.slaves.size());
}

TEST(PostLoadRepair, DiagnosticAddressesAreCheckedInTwoPasses)
{
    LinNetwork network = SoundNetwork();
    for (auto [node, address] :
         {std::pair<const char*, const char*>{"X", "300"}, {"S", "0"}, {"M", "1"}, {"S", "255"}}) {
        auto record = std::make_unique<DiagnosticAddress>();
        record->Assign(node, address);
        network.diagnosticAddresses.Append(std::move(record));
    }
    EXPECT_EQ((Lines{"Node for Diagnostic Adr. not here.: X", "Node Diag. Adr. illegal (allowed: 1-255): X",
                     "Node Diag. Adr. illegal (allowed: 1-255): S"}),
              Repair(network));
}

TEST(PostLoadRepair, SignalsReportSizePublisherAndSubscribers)
{
    LinNetwork network = SoundNetwork();
    AddSignal(network, "Fine", 16, "M", {"S", "M", "S"});
    AddSignal(network, "Everything", 17, "Nobody", {});
    AddSignal(network, "Twice", 1, "S", {"M", "M", "S", "S"});
    AddSignal(network, "Empty", 0, "S", {"M"});
    AddSignal(network, "Array24", 24, "S", {"M"}).isByteArray = true;
    AddSignal(network, "Array20", 20, "S", {"M"}).isByteArray = true;
    AddSignal(network, "Array72", 72, "S", {"M"}).isByteArray = true;
    AddSignal(network, "Array0", 0, "S", {"M"}).isByteArray = true;
    EXPECT_EQ((Lines{"Signal size out of range (1-16): Everything", "Publisher not here: Everything",
                     "Warning: Subscriber not here: Everything", "Subscriber in signal exists multiple times Twice",
                     "Signal size out of range (1-16): Empty", "Byte Array size wrong (8-64, mod8=0): Array20",
                     "Byte Array size wrong (8-64, mod8=0): Array72", "Byte Array size wrong (8-64, mod8=0): Array0"}),
              Repair(network));
}

TEST(PostLoadRepair, SignalGroupsNamedLikeSignalsOrHoldingUnknownSignals)
{
    LinNetwork network = SoundNetwork();
    AddSignal(network, "Sig", 8, "S", {"M"});
    auto group = std::make_unique<SignalGroup>();
    group->name = "Sig";
    group->AddSignal("Sig", "0");
    group->AddSignal("Gone", "8");
    network.signalGroups.Append(std::move(group));
    EXPECT_EQ((Lines{"Signal Group identical with signal:  Sig", "Signal in Signal-Group not defined:  Gone"}),
              Repair(network));
}

TEST(PostLoadRepair, SporadicAndEventTriggeredFramesInTheirPasses)
{
    LinNetwork network = SoundNetwork();
    AddFrame(network, "F", 1, "M");
    AddFrame(network, "G", 2, "M");
    network.sporadicFrames.Append(std::make_unique<SporadicFrame>("F")).frameNames = {"F", "Gone"};
    network.sporadicFrames.Append(std::make_unique<SporadicFrame>("Both"));
    auto& g = network.eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("G"));
    g.frameId = 64;
    g.frameNames = {"Gone2", "F"};
    network.eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Both")).frameId = 63;
    EXPECT_EQ((Lines{"Ev. Tr. Frm. identical with nor. Frm.: F", "Name of Sp. Frm identical with E. T. Frame",
                     "Ev. Tr. Frm.: Frame not here:  Gone", "Ev. Tr. Frm. identical with nor. Frm.: G",
                     "E. T. Frame identical with Sp. Frame", "Ev. Tr. Frm. - ID invalid (0..63): G",
                     "Ev. Tr. Frm.: Frame not here:  Gone2"}),
              Repair(network));
}

TEST(PostLoadRepair, DiagnosticFramesAreCheckedOnlyWhenOneHoldsSignals)
{
    LinNetwork untouched = SoundNetwork();
    EXPECT_EQ(Lines{}, Repair(untouched));

    LinNetwork network = SoundNetwork();
    for (int i = 0; i < 8; ++i)
        network.masterRequest.AddSignal("Q" + std::to_string(i), std::to_string(i % 2 == 0 ? 0 : 8 * i));
    network.slaveResponse.AddSignal("R0", "16");
    network.slaveResponse.AddSignal("R1", "16");
    EXPECT_EQ((Lines{"Dia. Fr. Def.: 8 Signals required", "Dia. Fr. Def.: Offsets identical Q0",
                     "Dia. Fr. Def.: Offsets identical Q2", "Dia. Fr. Def.: Offsets identical Q4",
                     "Dia. Fr. Def.: Offsets identical R0"}),
              Repair(network));

    LinNetwork responseOnly = SoundNetwork();
    responseOnly.slaveResponse.AddSignal("R0", "0");
    EXPECT_EQ((Lines{"Dia. Fr. Def.: 8 signals required", "Dia. Fr. Def.: 8 Signals required"}), Repair(responseOnly));
}

TEST(PostLoadRepair, FramesReportEachRuleInOrder)
{
    LinNetwork network = SoundNetwork();
    AddSignal(network, "Mine", 8, "S", {"M"});
    AddSignal(network, "Theirs", 8, "M", {"S"});
    LinFrame& bad = AddFrame(network, "Bad", 64, "Nobody");
    bad.length = 9;
    bad.AddSignal("Mine", "0");
    bad.AddSignal("Gone", "0");
    bad.AddSignal("Theirs", "0");
    AddFrame(network, "Low", -1, "M").length = -1;
    AddFrame(network, "Edge", 63, "S").length = 8;
    AddFrame(network, "Unsized", 62, "S").AddSignal("Mine", "0");
    EXPECT_EQ(
        (Lines{"Frame ID wrong (0-63):  Bad", "Frame-Publisher wrong: Bad", "Frame - Size wrong (1-8) Bad",
               "Signal-Pub. different from Frame-Pub.: Bad", "Frame-Signal not here: Gone",
               "Signal-Pub. different from Frame-Pub.: Bad", "Fr.: Signal-Offset identical:  Bad",
               "Fr.: Signal-Offset identical:  Bad", "Frame ID wrong (0-63):  Low", "Frame - Size wrong (1-8) Low"}),
        Repair(network));
}

TEST(PostLoadRepair, DoubledFrameIdIsReportedOnEveryFrameWithALaterTwin)
{
    LinNetwork network = SoundNetwork();
    AddFrame(network, "A", 5, "M");
    AddFrame(network, "B", 6, "M");
    AddFrame(network, "C", 5, "M");
    AddFrame(network, "D", 5, "M");
    AddFrame(network, "E", 6, "M");
    EXPECT_EQ(
        (Lines{"Frame ID obviously doubled: A", "Frame ID obviously doubled: B", "Frame ID obviously doubled: C"}),
        Repair(network));
}

TEST(PostLoadRepair, ScheduleEntriesNeedWholeTimeBasesAndKnownFrames)
{
    LinNetwork network = SoundNetwork();
    AddFrame(network, "F", 1, "M");
    network.sporadicFrames.Append(std::make_unique<SporadicFrame>("Sp"));
    network.eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Ev")).frameId = 2;
    auto& table = network.scheduleTables.Append(std::make_unique<ScheduleTable>("T"));
    auto add = [&](int delay, int kind, std::unique_ptr<ScheduleCommand> command) {
        table.entries.Append(std::make_unique<ScheduleEntry>(delay, kind, std::move(command)));
    };
    add(10, kFrameSlot, std::make_unique<FrameSlotCommand>("F"));
    add(15, kFrameSlot, std::make_unique<FrameSlotCommand>("Gone"));
    add(0, kFrameSlot, std::make_unique<FrameSlotCommand>("Sp"));
    add(20, kFrameSlot, std::make_unique<FrameSlotCommand>("Ev"));
    add(10, kAssignFrameId, std::make_unique<FrameIdCommand>("Nobody", "Gone"));
    add(5, kMasterReq, std::make_unique<ScheduleCommand>());
    EXPECT_EQ((Lines{"Schedule-Frame-Time wrong (x*t_base): T", "Schedule - Frame not here: Gone",
                     "Schedule-Frame-Time wrong (x*t_base): T"}),
              Repair(network));
}

TEST(PostLoadRepair, PhysicalRangesAreCheckedIndependently)
{
    LinNetwork network = SoundNetwork();
    auto& type = network.encodingTypes.Append(std::make_unique<EncodingType>("E"));
    type.AddPhysicalRange(0, 65535, 1.0f, 0.0f, "");
    type.AddPhysicalRange(5, 5, 1.0f, 0.0f, "");
    type.AddPhysicalRange(70000, -1, 1.0f, 0.0f, "");
    type.AddPhysicalRange(-1, 65536, 1.0f, 0.0f, "");
    EXPECT_EQ((Lines{"Signal Enc. Physical (min<max) wrong: E", "Warning: Signal Enc. Physical (min) < 0: E",
                     "Warning: Signal Enc. Physical (max) too big: E", "Signal Enc. Physical (min<max) wrong: E",
                     "Warning: Signal Enc. Physical (min) < 0: E", "Warning: Signal Enc. Physical (max) too big: E"}),
              Repair(network));
}

TEST(PostLoadRepair, RepresentationsNeedKnownSignalsAndEncodingTypes)
{
    LinNetwork noTypes = SoundNetwork();
    noTypes.signalRepresentations.Append(std::make_unique<SignalRepresentation>("E"));
    EXPECT_EQ(Lines{"Encoding type in Sig. Rep. not defined: E"}, Repair(noTypes));

    LinNetwork network = SoundNetwork();
    AddSignal(network, "Sig", 8, "S", {"M"});
    network.encodingTypes.Append(std::make_unique<EncodingType>("E"));
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("E")).signalNames = {"Sig", "Gone"};
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("Unused"));
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("Other")).signalNames = {"Sig"};
    EXPECT_EQ((Lines{"Signal Rep. , Signal not here: Gone", "Encoding type in Sig. Rep. not defined: Other"}),
              Repair(network));
}

TEST(PostLoadRepair, StepsReportInTheirOrder)
{
    // One finding per step from 9 on, entered in the reverse order of the steps.
    LinNetwork network = SoundNetwork();
    network.signalRepresentations.Append(std::make_unique<SignalRepresentation>("Rep")).signalNames = {"Sig"};
    network.encodingTypes.Append(std::make_unique<EncodingType>("Enc")).AddPhysicalRange(1, 0, 1.0f, 0.0f, "");
    network.scheduleTables.Append(std::make_unique<ScheduleTable>("T"))
        .entries.Append(std::make_unique<ScheduleEntry>(10, kFrameSlot, std::make_unique<FrameSlotCommand>("NoFrame")));
    AddFrame(network, "Frm", 99, "M");
    network.masterRequest.AddSignal("Q", "0");
    network.eventTriggeredFrames.Append(std::make_unique<EventTriggeredFrame>("Ev")).frameNames = {"NoEvFrame"};
    network.sporadicFrames.Append(std::make_unique<SporadicFrame>("Sp")).frameNames = {"NoSpFrame"};
    network.signalGroups.Append(std::make_unique<SignalGroup>()).signalNames = {"NoMember"};
    AddSignal(network, "Sig", 8, "M", {});
    auto address = std::make_unique<DiagnosticAddress>();
    address->Assign("S", "0");
    network.diagnosticAddresses.Append(std::move(address));

    EXPECT_EQ((Lines{"Node Diag. Adr. illegal (allowed: 1-255): S", "Warning: Subscriber not here: Sig",
                     "Signal in Signal-Group not defined:  NoMember", "Ev. Tr. Frm.: Frame not here:  NoSpFrame",
                     "Ev. Tr. Frm. - ID invalid (0..63): Ev", "Ev. Tr. Frm.: Frame not here:  NoEvFrame",
                     "Dia. Fr. Def.: 8 signals required", "Dia. Fr. Def.: 8 Signals required",
                     "Frame ID wrong (0-63):  Frm", "Schedule - Frame not here: NoFrame",
                     "Signal Enc. Physical (min<max) wrong: Enc", "Encoding type in Sig. Rep. not defined: Rep"}),
              Repair(network));
}

TEST(CheckRules, NoDelayFitsATimeBaseOfZeroOrLess)
{
    EXPECT_TRUE(IsWholeMultipleOfTimeBase(20, 10));
    EXPECT_TRUE(IsWholeMultipleOfTimeBase(0, 10));
    EXPECT_FALSE(IsWholeMultipleOfTimeBase(15, 10));
    EXPECT_FALSE(IsWholeMultipleOfTimeBase(0, 0));
    EXPECT_FALSE(IsWholeMultipleOfTimeBase(10, 0));
    EXPECT_FALSE(IsWholeMultipleOfTimeBase(INT_MIN, -1));
}

}  // namespace
