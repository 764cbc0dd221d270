#pragma once

#include "editing/EntryRules.h"

#include <climits>
#include <string>

class LinNetwork;

// What the master sheet shows and writes, as the texts of its fields.
struct MasterForm {
    std::string name;
    std::string timeBase;  // ms, decimal
    std::string jitter;    // ms, two decimals or as many as it takes
    // The J2602 pair, given or absent together; while absent the fields show
    // the J2602 defaults, ready to be given.
    bool j2602Given = false;
    std::string maxHeaderBits = {};
    std::string tolerancePercent = {};
    // Set by Read: a J2602 version or a given pair makes the sheet offer it.
    bool j2602Offered = false;

    static constexpr NumberField kTimeBaseField{INT_MAX, false};
    static constexpr NumberField kHeaderBitsField{INT_MAX, false};

    static MasterForm Read(const LinNetwork& network);
    // An empty name writes "Master"; empty numbers write 0. A new name
    // replaces every mention of the old one; it is not checked against the
    // slaves. A tolerance left as shown keeps its stored value; a negative
    // or unreadable one keeps it too.
    void Commit(LinNetwork& network) const;
};
