#pragma once

#include "model/Name.h"
#include "validation/TreeOutline.h"

#include <string>
#include <vector>

class LinNetwork;

// One record that names an entity, and the tree item that shows it.
struct Usage {
    std::string text;  // "Frame F1", "Schedule table T1", ...
    EntityRef record;
};

// Every record that refers to the entity by its name, grouped by the kind
// of the referring record and in list order, each record once: frames that
// carry a signal or are published by a node, signal groups that hold a
// signal, schedule tables, event-triggered and sporadic frames that name a
// frame, slaves whose attributes configure a frame or report errors with a
// signal, representations, composite nodes, and event-triggered frames
// resolving on a table. Empty for an entity no record names (a signal group,
// for one) and for a reference outside its list.
std::vector<Usage> WhereUsed(const LinNetwork& network, const EntityRef& entity);

// The name of the entity (a representation's is its encoding type's); null
// for a reference outside its list and for configurations and composite
// nodes.
const Name* NameOfEntity(const LinNetwork& network, const EntityRef& entity);
