#pragma once

#include "model/LinVersion.h"
#include "model/NameList.h"
#include "model/OwnedList.h"
#include "model/UnreadStatement.h"

#include <string>
#include <vector>

// Records that describe the nodes besides the master: slaves, their
// attributes with the configurable frames, composite configurations and
// diagnostic addresses. Each is owned by its list in LinNetwork.

struct LinNode {
    explicit LinNode(std::string nodeName = {}) : name(std::move(nodeName)) {}
    ~LinNode() = default;
    LinNode(const LinNode&) = default;
    LinNode& operator=(const LinNode&) = default;

    Name name;
};

// A frame a slave lets the master configure: with its LIN 2.0 message id,
// or (LIN 2.1 on) by name alone, its position giving its index.
struct ConfigurableFrame {
    ConfigurableFrame(std::string frame = {}, int id = 0) : frameName(std::move(frame)), messageId(id) {}
    ~ConfigurableFrame() = default;
    ConfigurableFrame(const ConfigurableFrame&) = default;
    ConfigurableFrame& operator=(const ConfigurableFrame&) = default;

    Name frameName;
    int messageId = 0;
    bool hasMessageId = true;
};

struct NodeAttributes {
    explicit NodeAttributes(std::string node = {}) : nodeName(std::move(node)) {}
    ~NodeAttributes() = default;
    NodeAttributes(const NodeAttributes&) = default;
    NodeAttributes& operator=(const NodeAttributes&) = default;

    // True, and the protocol taken, only for a supported version. A version
    // with optional LIN 2 attributes leaves P2_min and ST_min not given
    // unless they were.
    bool SetProtocol(const std::string& text);
    // The protocol text a file gave that names no supported version: the
    // standard protocol stands in for it, and it is written while that does.
    void KeepUnknownProtocol(const std::string& text) { unknownProtocol = text; }
    bool HasUnknownProtocol() const { return !unknownProtocol.empty() && protocol == lin::kStandardVersionText; }
    const std::string& ProtocolAsWritten() const { return HasUnknownProtocol() ? unknownProtocol : protocol; }
    // Fills product_id one value at a time; false once all three are consumed.
    bool AddProductValue(int value);
    // False for a node whose version leaves product_id optional and which
    // was given none.
    bool HasProductId() const { return productIdCount > 0 || !lin::Lin2AttributesAreOptional(protocol); }

    // A value of -1 means the file did not give it (from initialNad on).
    Name nodeName;
    std::string protocol = lin::kStandardVersionText;
    std::string unknownProtocol;
    int configuredNad = 127;
    int supplierId = 0x7FFF;
    int functionId = 0xFFFF;
    int variant = 0;
    Name responseErrorSignal;
    double p2MinMs = 0;
    double stMinMs = 0;
    int productIdCount = 0;
    OwnedList<ConfigurableFrame> configurableFrames;
    int initialNad = -1;
    NameList faultStateSignals;
    double nAsTimeoutMs = -1;
    double nCrTimeoutMs = -1;
    // J2602 only.
    double responseTolerancePercent = -1;
    double wakeupTimeMs = -1;
    double powerOnTimeMs = -1;
    UnreadStatements unread;
};

struct CompositeNode {
    explicit CompositeNode(std::string nodeName = {}) : name(std::move(nodeName)) {}
    ~CompositeNode() = default;
    CompositeNode(const CompositeNode&) = default;
    CompositeNode& operator=(const CompositeNode&) = default;

    Name name;
    NameList logicalNodes;
};

struct CompositeConfiguration {
    explicit CompositeConfiguration(std::string configName = {}) : name(std::move(configName)) {}
    ~CompositeConfiguration() = default;
    CompositeConfiguration(const CompositeConfiguration&) = default;
    CompositeConfiguration& operator=(const CompositeConfiguration&) = default;

    Name name;
    OwnedList<CompositeNode> compositeNodes;
    UnreadStatements unread;
};

struct DiagnosticAddress {
    DiagnosticAddress() = default;
    ~DiagnosticAddress() = default;
    DiagnosticAddress(const DiagnosticAddress&) = default;
    DiagnosticAddress& operator=(const DiagnosticAddress&) = default;

    // Takes the node name and the address text (number rule of ParseInt).
    bool Assign(const std::string& node, const std::string& addressText);

    Name nodeName;
    int address = -1;
};
