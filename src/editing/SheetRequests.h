#pragma once

#include "editing/ListIndex.h"
#include "editing/SheetRequest.h"
#include "model/LinNetwork.h"

// Building sheet requests whose indexes are checked against the network:
// a position that names no record gives the empty request.

inline SheetRequest Request(SheetId sheet, const char* caption, int index = -1, int second = -1)
{
    return SheetRequest{sheet, caption, index, second};
}

template <typename Record>
SheetRequest RequestFor(const OwnedList<Record>& list, int index, SheetId sheet, const char* caption)
{
    return Exists(list, index) ? Request(sheet, caption, index) : SheetRequest{};
}

inline SheetRequest CompositeNodeRequest(const LinNetwork& network, int configuration, int node, const char* caption)
{
    const CompositeConfiguration* owner = RecordAt(network.compositeConfigurations, configuration);
    return owner && Exists(owner->compositeNodes, node) ? Request(SheetId::CompFuncSheet, caption, configuration, node)
                                                        : SheetRequest{};
}
