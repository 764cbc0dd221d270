// What the node sections put into the network, beyond the messages the
// fixtures show.

#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kHeader = "LIN_description_file;\n"
                            "LIN_protocol_version = \"2.0\";\n"
                            "LIN_language_version = \"2.0\";\n"
                            "LIN_speed = 19.2 kbps;\n";

std::vector<std::string> SlaveNames(const LinNetwork& network)
{
    std::vector<std::string> names;
    for (const auto& slave : network.slaves)
        names.push_back(slave->name);
    return names;
}

bool HasMessage(const LinNetwork& network, const std::string& text)
{
    return std::any_of(network.messages.begin(), network.messages.end(),
                       [&](const Message& m) { return m.Text() == text; });
}

TEST(NodesSection, ReadsMasterAndSlaves)
{
    auto network = LinNetwork::LoadFromText(kHeader + "Nodes {\n  Master: M1, 5 ms, 0.1 ms;\n  Slaves: A, B, A;\n}\n");
    EXPECT_EQ("M1", network->masterName);
    EXPECT_EQ(5, network->timeBaseMs);
    EXPECT_FLOAT_EQ(0.1f, network->jitterMs);
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), SlaveNames(*network));
}

TEST(NodesSection, TakesValuesWithoutUnitAndSlavesOfLaterStatements)
{
    auto network = LinNetwork::LoadFromText(kHeader + "Nodes { Master: M1, 5, 0.25; Slaves: A; Slaves: B, A; }\n"
                                                      "Nodes { Slaves: C, B; }\n");
    EXPECT_EQ(5, network->timeBaseMs);
    EXPECT_FLOAT_EQ(0.25f, network->jitterMs);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), SlaveNames(*network));
    EXPECT_TRUE(HasMessage(*network, "Expression 'ms' not found"));
}

TEST(NodesSection, KeepsSlavesOfAListWithoutSemicolonOut)
{
    auto network = LinNetwork::LoadFromText(kHeader + "Nodes { Master: M, 10 ms, 0.1 ms; Slaves: A, B }\n");
    EXPECT_TRUE(network->slaves.empty());
    EXPECT_TRUE(HasMessage(*network, "No line end recognized"));
}

const std::string kTwoSlaves = kHeader + "Nodes { Master: M, 10 ms, 0.1 ms; Slaves: S1, S2; }\n";

TEST(NodeAttributesSection, FillsEveryAttribute)
{
    auto network =
        LinNetwork::LoadFromText(kTwoSlaves + "Node_attributes {\n"
                                              "  S1 {\n"
                                              "    LIN_protocol = \"1.3\";\n"
                                              "    configured_NAD = 0x7F;\n"
                                              "    product_id = 0x1E, 0x1, 0;\n"
                                              "    response_error = Err;\n"
                                              "    P2_min = 50 ms;\n"
                                              "    ST_min = 20 ms;\n"
                                              "    configurable_frames { F1 = 0x10; F2 = 65534; F3 = 0x10000; }\n"
                                              "  }\n"
                                              "}\n");
    ASSERT_EQ(1u, network->nodeAttributes.size());
    const NodeAttributes& attributes = *network->nodeAttributes[0];
    EXPECT_EQ("S1", attributes.nodeName);
    EXPECT_EQ("1.3", attributes.protocol);
    EXPECT_EQ(127, attributes.configuredNad);
    EXPECT_EQ(0x1E, attributes.supplierId);
    EXPECT_EQ(1, attributes.functionId);
    EXPECT_EQ(0, attributes.variant);
    EXPECT_EQ("Err", attributes.responseErrorSignal);
    EXPECT_EQ(50, attributes.p2MinMs);
    EXPECT_EQ(20, attributes.stMinMs);
    ASSERT_EQ(2u, attributes.configurableFrames.size());
    EXPECT_EQ("F1", attributes.configurableFrames[0]->frameName);
    EXPECT_EQ(0x10, attributes.configurableFrames[0]->messageId);
    EXPECT_EQ("F2", attributes.configurableFrames[1]->frameName);
    EXPECT_EQ(0xFFFE, attributes.configurableFrames[1]->messageId);
}

TEST(NodeAttributesSection, ReformatsTheProtocolWithOneDecimal)
{
    struct Row {
        const char* written;
        const char* protocol;
    };
    // Three characters, quotes included, are enough: "2" is taken as 2.0.
    const Row rows[] = {{"2.00", "2.0"}, {"\"2\"", "2.0"}, {"1.30", "1.3"},   {"\"1.25\"", "1.2"},
                        {"2", "1.2"},    {"2.1", "2.1"},   {"\"abc\"", "1.2"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.written);
        auto network = LinNetwork::LoadFromText(
            kTwoSlaves + "Node_attributes { S1 { LIN_protocol = 1.2; LIN_protocol = " + row.written +
            "; configured_NAD = 3; } }\n");
        ASSERT_EQ(1u, network->nodeAttributes.size());
        EXPECT_EQ(row.protocol, network->nodeAttributes[0]->protocol);
        EXPECT_EQ(3, network->nodeAttributes[0]->configuredNad);
    }
}

TEST(NodeAttributesSection, KeepsDefaultsForValuesOutOfRange)
{
    auto network = LinNetwork::LoadFromText(kTwoSlaves + "Node_attributes { S1 {\n"
                                                         "  configured_NAD = 0x100;\n"
                                                         "  product_id = 0x7FFF, -1, 5;\n"
                                                         "  product_id = 1, 2, 3;\n"
                                                         "  P2_min = -5 ms;\n"
                                                         "} }\n");
    ASSERT_EQ(1u, network->nodeAttributes.size());
    const NodeAttributes& attributes = *network->nodeAttributes[0];
    EXPECT_EQ(127, attributes.configuredNad);
    EXPECT_EQ(0x7FFF, attributes.supplierId);
    EXPECT_EQ(0xFFFF, attributes.functionId);
    EXPECT_EQ(5, attributes.variant);
    EXPECT_EQ(0, attributes.p2MinMs);
}

TEST(NodeAttributesSection, KeepsTheFirstBlockOfASlaveAndDropsOthers)
{
    auto network = LinNetwork::LoadFromText(kTwoSlaves + "Node_attributes {\n"
                                                         "  S1 { configured_NAD = 1; }\n"
                                                         "  Ghost { configured_NAD = 2; }\n"
                                                         "  S1 { configured_NAD = 3; }\n"
                                                         "  S2 { configured_NAD = 4; }\n"
                                                         "}\n"
                                                         "Node_attributes { S2 { configured_NAD = 5; } }\n");
    ASSERT_EQ(2u, network->nodeAttributes.size());
    EXPECT_EQ("S1", network->nodeAttributes[0]->nodeName);
    EXPECT_EQ(1, network->nodeAttributes[0]->configuredNad);
    EXPECT_EQ("S2", network->nodeAttributes[1]->nodeName);
    EXPECT_EQ(4, network->nodeAttributes[1]->configuredNad);
}

TEST(CompositeSection, ReadsConfigurationsAndTheirNodes)
{
    auto network = LinNetwork::LoadFromText(kTwoSlaves + "composite {\n"
                                                         "  configuration C1 { CN { S1, S2 } Bad { S1, } One {S2} }\n"
                                                         "  configuration C2 { }\n"
                                                         "}\n");
    ASSERT_EQ(2u, network->compositeConfigurations.size());
    const CompositeConfiguration& first = *network->compositeConfigurations[0];
    EXPECT_EQ("C1", first.name);
    ASSERT_EQ(2u, first.compositeNodes.size());
    EXPECT_EQ("CN", first.compositeNodes[0]->name);
    EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), first.compositeNodes[0]->logicalNodes);
    EXPECT_EQ("One", first.compositeNodes[1]->name);
    EXPECT_EQ((std::vector<std::string>{"S2"}), first.compositeNodes[1]->logicalNodes);
    EXPECT_EQ("C2", network->compositeConfigurations[1]->name);
    EXPECT_TRUE(network->compositeConfigurations[1]->compositeNodes.empty());
}

TEST(CompositeSection, DropsAConfigurationThatRunsToTheEnd)
{
    auto network = LinNetwork::LoadFromText(kTwoSlaves + "composite { configuration C1 { CN { S1 }");
    EXPECT_TRUE(network->compositeConfigurations.empty());
}

TEST(DiagnosticAddressesSection, KeepsTheFirstAddressOfANode)
{
    auto network = LinNetwork::LoadFromText(kTwoSlaves + "Diagnostic_addresses { S1: 2; S1: 3; S2: 0x10; S3: ; }\n");
    ASSERT_EQ(2u, network->diagnosticAddresses.size());
    EXPECT_EQ("S1", network->diagnosticAddresses[0]->nodeName);
    EXPECT_EQ(2, network->diagnosticAddresses[0]->address);
    EXPECT_EQ("S2", network->diagnosticAddresses[1]->nodeName);
    EXPECT_EQ(16, network->diagnosticAddresses[1]->address);
}

}  // namespace
