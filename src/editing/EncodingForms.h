#pragma once

#include "editing/EntryRules.h"
#include "model/LinNetwork.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

// The kinds of value an encoding type lists, in the order it lists them.
enum class EncodingValueKind { Logical, Physical, Bcd, Ascii };

// The lines the values of an encoding type are shown as: the logical
// values, the physical ranges, then one line per BCD and per ASCII value.
std::vector<std::string> EncodingValueLines(const EncodingType& type);

// What the encoding type sheet works on: a copy of the type, changed by
// adding and deleting values, and written back as a whole on commit.
struct EncodingTypeForm {
    std::string name;
    EncodingType values;

    // An index that names no encoding type gives an empty form.
    static EncodingTypeForm Read(const LinNetwork& network, int type);

    void AddValue(EncodingValueKind kind);
    // Removes the value shown on that line; nothing for a line out of range.
    void DeleteLine(int line);

    // Replaces the stored values and renames the type with every mention of
    // it (unique among the encoding types; an empty name keeps the old one).
    void Commit(LinNetwork& network, int type) const;
};

// What the sheet of one logical or physical value shows and writes. Scale
// and offset show two decimals; a field left as shown keeps the stored
// value, so that opening and confirming never rounds it.
struct EncodingValueForm {
    static constexpr std::size_t kDecimalLength = 8;
    // Scale and offset take any number, a sign included.
    static constexpr NumberRange kSignedRange{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(),
                                              false, true};

    bool physical = false;
    std::string value;  // logical
    std::string min;
    std::string max;
    std::string scale;
    std::string offset;
    std::string text;

    // The value on that line of the type's list; nothing for BCD and ASCII
    // lines or indexes out of range.
    static std::optional<EncodingValueForm> Read(const LinNetwork& network, int type, int line);
    void Commit(LinNetwork& network, int type, int line) const;
};
