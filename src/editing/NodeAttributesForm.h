#pragma once

#include "editing/EntryRules.h"

#include <climits>
#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// One entry of the configurable-frames tree: an unconditional frame the
// slave may list, or another entry its list holds, with the message id the
// user works on.
struct ConfigurableFrameChoice {
    static constexpr int kNotSet = 65535;

    std::string frameName;
    bool checked = false;
    int messageId = kNotSet;
    bool hasMessageId = true;  // false: listed by name alone (LIN 2.1)

    // "name (id)", or the name alone for an entry without message id: the
    // text of the frame's tree item.
    std::string ItemText() const;
};

// What the slave attribute sheet shows and writes: the slave's name and its
// node attributes, as the texts of the fields and the selected entries of
// the lists (empty when none is selected). A value the file may leave out
// is nothing while it is not given.
struct NodeAttributesForm {
    std::string name;
    std::string protocol;
    std::string configuredNad;
    std::optional<std::string> initialNad;
    std::string responseErrorSignal;
    std::vector<std::string> faultStateSignals;  // in the order written
    std::optional<std::string> p2Min;
    std::optional<std::string> stMin;
    std::optional<std::string> nAsTimeout;
    std::optional<std::string> nCrTimeout;
    std::string supplierId;
    std::string functionId;
    std::optional<std::string> variant;
    std::optional<std::string> responseTolerance;
    std::optional<std::string> wakeupTime;
    std::optional<std::string> powerOnTime;
    // One per unconditional frame, in network order, then the entries of the
    // slave's list that name no unconditional frame or one listed before. The checked ones are the
    // slave's list in the order they stand here: reading puts them in the
    // places the checked frames take, in the order of the list.
    std::vector<ConfigurableFrameChoice> frames;

    // What the number fields store: the ids within the ranges the page shows
    // (the wildcards 0x7FFF and 0xFFFF a file gives stay while the field is
    // left as it was) and in hex as the file gives them.
    static constexpr NumberField kSupplierIdField{0x7FFE, true};
    static constexpr NumberField kFunctionIdField{0xFFFE, true};
    static constexpr NumberField kVariantField{0xFF, true};
    static constexpr NumberField kMessageIdField{0xFFFF, true};
    static constexpr NumberField kInitialNadField{0xFF, true};
    // Times and percentages keep their fractions; a value outside this
    // range is refused.
    static constexpr NumberField kMillisecondsField{INT_MAX, false};
    static constexpr NumberRange kTimeRange{0, INT_MAX, false, true};
    // Characters a time or percentage field takes ("0.00056785558246").
    static constexpr int kDecimalLength = 20;

    // The versions offered, with the one the slave has when the list lacks it.
    static std::vector<std::string> ProtocolChoices(const std::string& current = {});
    // "1" to "127", with the configured NAD a file gives outside them.
    static std::vector<std::string> NadChoices(const std::string& current = {});
    static std::vector<std::string> SignalChoices(const LinNetwork& network);
    // The signals the node publishes: those that can report its fault state.
    static std::vector<std::string> PublishedSignals(const LinNetwork& network, const std::string& node);

    // The J2602 times belong to a J2602 node or any node of a J2602 network.
    static bool HasJ2602Attributes(const LinNetwork& network, const std::string& protocol);

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

// Moves the entry at row one place up (step -1) or down (step 1); false, and
// nothing moved, when there is no place to go.
bool MoveChoice(std::vector<ConfigurableFrameChoice>& frames, int row, int step);
