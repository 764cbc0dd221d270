#pragma once

#include "editing/SheetRequest.h"
#include "model/LinNetwork.h"
#include "model/OwnedList.h"

// Building sheet requests whose indexes are checked against the network:
// a position that names no record gives the empty request.

inline SheetRequest Request(SheetId sheet, const char* caption, int index = -1, int second = -1)
{
    return SheetRequest{sheet, caption, index, second};
}

template <typename Record>
SheetRequest RequestFor(const OwnedList<Record>& list, int index, SheetId sheet, const char* caption)
{
    return list.Exists(index) ? Request(sheet, caption, index) : SheetRequest{};
}

inline SheetRequest CompositeNodeRequest(const LinNetwork& network, int configuration, int node, const char* caption)
{
    const CompositeConfiguration* owner = network.compositeConfigurations.RecordAt(configuration);
    return owner && owner->compositeNodes.Exists(node) ? Request(SheetId::CompFuncSheet, caption, configuration, node)
                                                       : SheetRequest{};
}
