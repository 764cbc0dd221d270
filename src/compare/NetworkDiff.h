#pragma once

#include "compare/NetworkFields.h"

#include <functional>
#include <string>
#include <vector>

// One difference between two networks by meaning: an entity added or
// removed, a field changed, or an item of a list field added or removed.
struct Difference {
    enum class Change { Added, Removed, Changed };

    // The tree's captions down to the entity: {"Frames", "LSM_Frm1"}.
    std::vector<std::string> path;
    // What changed inside the entity ("length", "signal S1 offset"); empty
    // when the entity itself was added or removed.
    std::string field;
    // The list item added or removed ("RSM" of "subscriber RSM added").
    std::string item;
    Change change = Change::Changed;
    FieldValue oldValue;  // None when added
    FieldValue newValue;  // None when removed

    // "Frames / LSM_Frm1: length 2 -> 4", "Signals / LightReq: subscriber RSM added".
    std::string Text() const;
};

const char* ChangeName(Difference::Change change);  // "added", "removed", "changed"

// The differences from older to newer, section by section in the tree's
// order. Entities are matched by name, list items by their key (the n-th
// of a name with the n-th), schedule entries and physical ranges by
// position. Within a section the new network's order holds; removed
// entities follow. Layout, comments and number bases are not in the
// networks, so they never count.
std::vector<Difference> CompareNetworks(const NetworkContent& older, const NetworkContent& newer);

using DifferenceSink = std::function<void(const Difference&)>;
// The same, each difference handed to out as it is found, none kept.
void CompareNetworks(const NetworkContent& older, const NetworkContent& newer, const DifferenceSink& out);
// The same over the networks' sections as DescribeNetwork gives them, or as
// a store of them gives them back.
void CompareSections(const std::vector<NetworkSection>& older, const std::vector<NetworkSection>& newer,
                     const DifferenceSink& out);
