#pragma once

#include "editing/SheetRequest.h"
#include "editing/TreeItem.h"

#include <functional>
#include <optional>

class LinNetwork;

// Asks the user to confirm the sheet a request names; true when confirmed.
using SheetConfirmation = std::function<bool(const SheetRequest&)>;

// The tree's Add: appends a new entity for the selected item and runs its
// sheet. A sheet the user does not confirm takes back everything the Add
// did, so that Add and Cancel leave the network as it was. Returns the
// item of the new entity when it stays (an entity without a sheet always
// does); nothing when the item offers no Add or the sheet was cancelled.
std::optional<TreeItemRef> AddWithSheet(LinNetwork& network, const TreeItemRef& selected,
                                        const SheetConfirmation& confirm);
