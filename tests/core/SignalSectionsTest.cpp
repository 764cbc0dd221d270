// What the signal sections put into the network, beyond the messages the
// fixtures show.

#include "TestFiles.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kNetwork = "LIN_description_file;\n"
                             "LIN_protocol_version = \"2.0\";\n"
                             "LIN_language_version = \"2.0\";\n"
                             "LIN_speed = 19.2 kbps;\n"
                             "Nodes { Master: Master, 10 ms, 0.1 ms; Slaves: Slave1; }\n";

using Words = std::vector<std::uint16_t>;
using Names = std::vector<std::string>;

TEST(SignalsSection, ReadsScalarsAndByteArrays)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signals {\n"
                                                       "  S1 : 8, 0, Slave1, Master;\n"
                                                       "  S2 : 16, { 1, 2 }, Slave1, Master;\n"
                                                       "  S3 : 8, -1, Master, Slave1, Master;\n"
                                                       "}\n");
    ASSERT_EQ(3u, network->signals.size());
    const LinSignal& scalar = *network->signals[0];
    EXPECT_EQ("S1", scalar.name);
    EXPECT_EQ(8, scalar.size);
    EXPECT_EQ(Words{0}, scalar.initValues);
    EXPECT_FALSE(scalar.isByteArray);
    EXPECT_EQ("Slave1", scalar.publisher);
    EXPECT_EQ(Names{"Master"}, scalar.subscribers);

    const LinSignal& bytes = *network->signals[1];
    EXPECT_EQ(16, bytes.size);
    EXPECT_EQ((Words{1, 2}), bytes.initValues);
    EXPECT_TRUE(bytes.isByteArray);
    EXPECT_EQ("Slave1", bytes.publisher);
    EXPECT_EQ(Names{"Master"}, bytes.subscribers);

    EXPECT_EQ(Words{65535}, network->signals[2]->initValues);
    EXPECT_EQ((Names{"Slave1", "Master"}), network->signals[2]->subscribers);
    EXPECT_TRUE(network->messages.Empty());
}

TEST(SignalsSection, KeepsASignalWithTooFewParameters)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signals {\n"
                                                       "  S3 : 8, 0, Slave1;\n"
                                                       "  S4 : 16, { 1, 2 };\n"
                                                       "}\n");
    ASSERT_EQ(2u, network->signals.size());
    EXPECT_EQ("Slave1", network->signals[0]->publisher);
    EXPECT_TRUE(network->signals[0]->subscribers.empty());
    EXPECT_EQ((Words{1, 2}), network->signals[1]->initValues);
    EXPECT_TRUE(network->signals[1]->publisher.empty());
    EXPECT_EQ((std::vector<std::string>{"Z: 7 Count of parameters incorrect", "Z: 8 Count of parameters incorrect",
                                        "Warning: Subscriber not here: S3", "Publisher not here: S4",
                                        "Warning: Subscriber not here: S4"}),
              FormattedMessages(network->messages));
}

TEST(SignalsSection, LeavesTheInitialValueOfASecondCommaEmpty)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signals { S4 : 8, , Slave1, Master; }\n");
    ASSERT_EQ(1u, network->signals.size());
    const LinSignal& signal = *network->signals[0];
    EXPECT_TRUE(signal.initValues.empty());
    EXPECT_EQ("Slave1", signal.publisher);
    EXPECT_EQ(Names{"Master"}, signal.subscribers);
}

TEST(SignalsSection, DiscardsABrokenByteArrayAndReadsOn)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signals {\n"
                                                       "  S1 : 16, { 1, }, Slave1, Master;\n"
                                                       "  S2 : 8, 0, Slave1, Master;\n"
                                                       "  S3 : 16, { 1, 2 }\n"
                                                       "}\n"
                                                       "Signal_encoding_types { E1 { bcd_value; } }\n");
    ASSERT_EQ(1u, network->signals.size());
    EXPECT_EQ("S2", network->signals[0]->name);
    ASSERT_EQ(1u, network->encodingTypes.size());
    EXPECT_EQ((std::vector<std::string>{"Z: 7 No line end recognized", "Z: 9 No line end recognized"}),
              FormattedMessages(network->messages));
}

TEST(SignalsSection, RefusesANameOfAnEarlierSection)
{
    auto network =
        LinNetwork::LoadFromText(kNetwork + "Signals { S1 : 8, 0, Slave1, Master; }\n"
                                            "Signals { S1 : 4, 0, Slave1, Master; S2 : 4, 0, Slave1, Master; }\n");
    ASSERT_EQ(2u, network->signals.size());
    EXPECT_EQ(8, network->signals[0]->size);
    EXPECT_EQ("S2", network->signals[1]->name);
    EXPECT_EQ(std::vector<std::string>{"Z: 7 Identical slaves found"}, FormattedMessages(network->messages));
}

TEST(SignalGroupsSection, ReadsSizeAndMembers)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signal_groups {\n"
                                                       "  G1 : 16 { S1, 0; S2, 8; S1, 4; }\n"
                                                       "  G2 : 0x10 { S1, 0; }\n"
                                                       "  G1 : 8 { }\n"
                                                       "}\n");
    ASSERT_EQ(2u, network->signalGroups.size());
    const SignalGroup& group = *network->signalGroups[0];
    EXPECT_EQ("G1", group.name);
    EXPECT_EQ(16, group.groupSize);
    EXPECT_EQ((Names{"S1", "S2"}), group.signalNames);
    EXPECT_EQ((std::vector<std::uint32_t>{0, 8}), group.offsets);
    EXPECT_EQ(0, network->signalGroups[1]->groupSize);
}

TEST(EncodingTypesSection, ReadsEveryKindOfLine)
{
    auto network = LinNetwork::LoadFromText(
        kNetwork + "Signal_encoding_types {\n"
                   "  E1 { logical_value, 0, \"off\"; logical_value, 0x1; physical_value, 2, 254, 0.5, -1, \" V \";\n"
                   "       physical_value, 0, 10, 1e-3, 2.5; bcd_value; ascii_value; ascii_value; }\n"
                   "  E1 { logical_value, 7, \"again\"; }\n"
                   "}\n");
    ASSERT_EQ(1u, network->encodingTypes.size());
    const EncodingType& type = *network->encodingTypes[0];
    ASSERT_EQ(2u, type.logicalValues.size());
    EXPECT_EQ(0, type.logicalValues[0]->value);
    EXPECT_EQ("off", type.logicalValues[0]->text);
    EXPECT_EQ(1, type.logicalValues[1]->value);
    EXPECT_EQ("", type.logicalValues[1]->text);
    ASSERT_EQ(2u, type.physicalRanges.size());
    const PhysicalRange& range = *type.physicalRanges[0];
    EXPECT_EQ(2, range.min);
    EXPECT_EQ(254, range.max);
    EXPECT_FLOAT_EQ(0.5f, range.scale);
    EXPECT_FLOAT_EQ(-1.0f, range.offset);
    EXPECT_EQ(" V ", range.text);
    EXPECT_FLOAT_EQ(0.001f, type.physicalRanges[1]->scale);
    EXPECT_FLOAT_EQ(2.5f, type.physicalRanges[1]->offset);
    EXPECT_EQ("", type.physicalRanges[1]->text);
    EXPECT_EQ(1, type.bcdCount);
    EXPECT_EQ(2, type.asciiCount);
}

TEST(EncodingTypesSection, AddsNoValueWhoseNumberOrTextIsBroken)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signal_encoding_types { E1 {\n"
                                                       "  logical_value, 3, off;\n"
                                                       "  logical_value, , \"none\";\n"
                                                       "  physical_value, 0, 10, 1, 2 5, \"m\";\n"
                                                       "} }\n");
    ASSERT_EQ(1u, network->encodingTypes.size());
    EXPECT_TRUE(network->encodingTypes[0]->logicalValues.empty());
    EXPECT_TRUE(network->encodingTypes[0]->physicalRanges.empty());
}

TEST(RepresentationsSection, ReadsBothSpellingsAndKeepsTheFirstPerEncoding)
{
    auto network = LinNetwork::LoadFromText(kNetwork + "Signal_representation { E1 : S1, S2; E1 : S3; }\n"
                                                       "Signal_representations { E2 : S3; E1 : S4; }\n");
    ASSERT_EQ(2u, network->signalRepresentations.size());
    EXPECT_EQ("E1", network->signalRepresentations[0]->encodingName);
    EXPECT_EQ((Names{"S1", "S2"}), network->signalRepresentations[0]->signalNames);
    EXPECT_EQ("E2", network->signalRepresentations[1]->encodingName);
    EXPECT_EQ(Names{"S3"}, network->signalRepresentations[1]->signalNames);
}

}  // namespace
