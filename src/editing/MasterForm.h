#pragma once

#include "editing/EntryRules.h"

#include <climits>
#include <string>

class LinNetwork;

// What the master sheet shows and writes, as the texts of its fields.
struct MasterForm {
    std::string name;
    std::string timeBase;  // ms, decimal
    std::string jitter;    // ms, two decimals

    static constexpr NumberField kTimeBaseField{INT_MAX, false};

    static MasterForm Read(const LinNetwork& network);
    // An empty name writes "Master"; empty numbers write 0. A new name
    // replaces every mention of the old one; it is not checked against the
    // slaves.
    void Commit(LinNetwork& network) const;
};
