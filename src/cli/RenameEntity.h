#pragma once

#include <string>

class LinNetwork;

// rename KIND OLD NEW: which entity, by its kind's name on the command line.
struct RenameRequest {
    std::string kind;
    std::string oldName;
    std::string newName;
};

bool IsRenameKind(const std::string& kind);
// "node, signal, frame, ..." for usage texts.
std::string RenameKindNames();
// A name as LDF text takes it: letters, digits and '_'.
bool IsLdfName(const std::string& name);

// Renames the entity with the model's rename rules (every mention follows,
// as in the editor's sheets). Empty when renamed, else why not: no such
// entity, or the new name is taken in the kind's set of names (frames of
// every kind share one, and so do the master and the slaves).
std::string RenameEntity(LinNetwork& network, const RenameRequest& request);
