#pragma once

#include "validation/TreeOutline.h"

#include <string>
#include <vector>

class LinNetwork;

// What a Delete takes with it besides the entity: one line per reference
// that RemoveEntity drops ("Schedule table Normal, entry 2: MotorCmd"), in
// list order. Empty when nothing refers to the entity, for a reference
// outside its list and for kinds whose deletion touches nothing else.
std::vector<std::string> DeletionConsequences(const LinNetwork& network, const EntityRef& entity);

// The question the editor asks before such a Delete.
struct DeletionQuestion {
    std::string text;                       // "Delete frame MotorCmd? These go with it:"
    std::vector<std::string> consequences;  // as DeletionConsequences lists them
};

// Nothing to ask (an empty question) when the deletion takes nothing else.
DeletionQuestion AskBeforeDeleting(const LinNetwork& network, const EntityRef& entity);
