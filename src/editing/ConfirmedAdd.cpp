#include "editing/ConfirmedAdd.h"

#include "editing/TreeCommands.h"
#include "model/LinNetwork.h"

std::optional<TreeItemRef> AddWithSheet(LinNetwork& network, const TreeItemRef& selected,
                                        const SheetConfirmation& confirm)
{
    NetworkContent before = network.Content();
    const std::optional<TreeItemRef> added = AddForTreeItem(network, selected);
    if (!added)
        return std::nullopt;
    const SheetRequest request = TreePropertiesFor(network, *added);
    if (!request || !confirm || confirm(request))
        return added;
    network.RestoreContent(std::move(before));
    return std::nullopt;
}
