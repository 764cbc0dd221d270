#pragma once

#include "editing/EntryRules.h"

#include <climits>
#include <optional>
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

    // What the number fields store: the ids within the file's ranges (their
    // wildcards 0x7FFF and 0xFFFF included) and in hex as the file gives them.
    static constexpr NumberField kSupplierIdField{0x7FFF, true};
    static constexpr NumberField kFunctionIdField{0xFFFF, true};
    static constexpr NumberField kVariantField{0xFF, true};
    static constexpr NumberField kMessageIdField{0xFFFF, true};
    static constexpr NumberField kMillisecondsField{INT_MAX, false};

    static const std::vector<std::string>& ProtocolChoices();
    static std::vector<std::string> NadChoices();  // "1" to "127"
    static std::vector<std::string> SignalChoices(const LinNetwork& network);

    // Gives the slave default attributes when it has none; they stay even
    // when the sheet is cancelled. An index that names no slave gives an
    // empty form.
    static NodeAttributesForm Read(LinNetwork& network, int slaveIndex);

    // Drops attributes of nodes that are no longer slaves, renames the slave
    // with every mention of it (unique among the slaves, never the master's
    // name; an empty name keeps the one it had) and writes its
    // attributes. Nothing happens for an index that names no slave.
    void Commit(LinNetwork& network, int slaveIndex) const;
};

// The message id of a field's text; values above 65535 count as 65535, and
// a text the field refuses gives nothing.
std::optional<int> MessageIdOf(const std::string& text);
