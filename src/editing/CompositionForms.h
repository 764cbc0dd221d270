#pragma once

#include <string>
#include <vector>

class LinNetwork;

// What the configuration sheet shows and writes: the configuration's name.
struct CompConfigForm {
    std::string name;

    // An index that names no configuration gives an empty form.
    static CompConfigForm Read(const LinNetwork& network, int configuration);
    // The name, unique among the configurations; an empty one keeps the name
    // the configuration had.
    void Commit(LinNetwork& network, int configuration) const;
};

// What the composite node sheet shows and writes: the node's name and the
// slaves it is made of, one choice per slave in network order.
struct CompositeNodeForm {
    struct Choice {
        std::string slave;
        bool checked = false;
    };

    std::string name;
    std::vector<Choice> functionalNodes;

    // Names in the node's list that are no longer slaves are not offered.
    // Indexes that name no composite node give an empty form.
    static CompositeNodeForm Read(const LinNetwork& network, int configuration, int node);
    // The checked slaves in order replace the node's list; the name is made
    // unique within its own configuration only (an empty one keeps the old).
    void Commit(LinNetwork& network, int configuration, int node) const;
};
