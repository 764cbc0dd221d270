#pragma once

#include "model/LinNetwork.h"

#include <string>

// The unique-name rule of every name an edit writes: the typed name made
// unique within its own list (ignoring the record's own index), then the
// result made unique within each further list in turn, ignoring nothing
// there. A clash yields the name followed by 0, 1, ... (the first free one).
template <typename Own, typename... Others>
std::string MakeUniqueNameAcross(const std::string& typed, int ownIndex, const Own& ownList,
                                 const Others&... otherLists)
{
    std::string name = MakeUniqueName(ownList, typed, ownIndex);
    ((name = MakeUniqueName(otherLists, name)), ...);
    return name;
}

// A slave's name: unique among the slaves; when that is the master's name,
// the typed name with "_" appended, made unique among the slaves instead.
inline std::string MakeUniqueSlaveName(const LinNetwork& network, const std::string& typed, int ownIndex)
{
    const std::string name = MakeUniqueName(network.slaves, typed, ownIndex);
    if (name != network.masterName)
        return name;
    return MakeUniqueName(network.slaves, typed + "_", ownIndex);
}
