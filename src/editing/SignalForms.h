#pragma once

#include "editing/EntryRules.h"

#include <string>
#include <vector>

class LinNetwork;

// What the signal sheet shows and writes: the texts of its fields, the
// selected entries of its lists (empty when none is selected), the Init list
// and the checked subscribers.
struct SignalForm {
    std::string name;
    std::string length;  // bits
    bool byteArray = false;
    std::vector<std::string> initValues;  // as the Init list shows them: decimal, or 0x.. in hex display
    std::string publisher;
    std::vector<std::string> subscribers;
    std::string encoding;  // empty: no representation

    // The initial values the Init field accepts.
    static constexpr IntegerRange kInitRange{-1000, 1000};

    // 1 to 16 bits for a scalar, 8 to 64 in steps of 8 for a byte array.
    static std::vector<std::string> LengthChoices(bool byteArray);
    // The master, then the slaves.
    static std::vector<std::string> NodeChoices(const LinNetwork& network);
    // An empty entry, then every encoding type.
    static std::vector<std::string> EncodingChoices(const LinNetwork& network);

    // The Init list after Add of a checked value: a scalar holds one value.
    static std::vector<std::string> InitAfterAdd(std::vector<std::string> values, int value, bool byteArray);

    // An index that names no signal gives an empty form.
    static SignalForm Read(const LinNetwork& network, int index);
    // Renames the signal with every mention of it (unique among the signals;
    // an empty name keeps the old one), writes its fields and puts it into
    // the representation of the chosen encoding type only. A byte array
    // keeps as many initial values as its size has bytes, a scalar the first.
    void Commit(LinNetwork& network, int index) const;
};

// What the representation sheet shows and writes: its encoding type and the
// checked signals.
struct SignalRepForm {
    std::string encoding;
    std::vector<std::string> signalNames;

    static std::vector<std::string> SignalChoices(const LinNetwork& network);

    static SignalRepForm Read(const LinNetwork& network, int index);
    // The checked signals replace the representation's list; other
    // representations keep theirs.
    void Commit(LinNetwork& network, int index) const;
};
