#pragma once

#include "editing/TreeItem.h"

class LinNetwork;

// Creating and removing the entities of a network, as the tree and the data
// list do it. No index is trusted: an index that names no record changes
// nothing.

// Appends a new record of the kind with a unique default name ("Unknown",
// "Unknown0", ...); a composite node goes into configuration parent.
// Returns where it went, or nothing when the parent does not exist.
std::optional<EntityRef> AddEntity(LinNetwork& network, EntityKind kind, int parent = -1);

// Removes the record and every reference to its name that would otherwise
// dangle. True when a record was removed. A slave's attributes stay until
// the next tree rebuild drops orphaned attributes.
bool RemoveEntity(LinNetwork& network, const EntityRef& entity);
