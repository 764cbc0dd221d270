#pragma once

#include <string>
#include <vector>

class LinNetwork;

// One unconditional frame as the configurable-frames tree offers it, with
// the message id the user works on.
struct ConfigurableFrameChoice {
    static constexpr int kNotSet = 65535;

    std::string frameName;
    bool checked = false;
    int messageId = kNotSet;
    bool hasMessageId = true;  // false: listed by name alone (LIN 2.1)

    // "name (id)", the text of the frame's tree item.
    std::string ItemText() const;
};

// What the slave attribute sheet shows and writes: the slave's name and its
// node attributes, as the texts of the fields and the selected entries of
// the lists (empty when none is selected).
struct NodeAttributesForm {
    std::string name;
    std::string protocol;
    std::string configuredNad;
    std::string responseErrorSignal;
    std::string p2Min;
    std::string stMin;
    std::string supplierId;
    std::string functionId;
    std::string variant;
    std::vector<ConfigurableFrameChoice> frames;  // one per unconditional frame, in network order

    static const std::vector<std::string>& ProtocolChoices();
    static std::vector<std::string> NadChoices();  // "1" to "127"
    static std::vector<std::string> SignalChoices(const LinNetwork& network);

    // Gives the slave default attributes when it has none; they stay even
    // when the sheet is cancelled. An index that names no slave gives an
    // empty form.
    static NodeAttributesForm Read(LinNetwork& network, int slaveIndex);

    // Drops attributes of nodes that are no longer slaves, renames the slave
    // (unique among the slaves, never the master's name) and writes its
    // attributes. Nothing happens for an index that names no slave.
    void Commit(LinNetwork& network, int slaveIndex) const;
};

// The message id of a field's text; values above 65535 count as 65535.
int MessageIdOf(const std::string& text);
