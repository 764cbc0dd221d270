#pragma once

#include "editing/SheetRequest.h"
#include "editing/TreeCommands.h"
#include "editing/TreeItem.h"

#include <optional>
#include <string>

class LinNetwork;

// The commands of the data list's context menu and its double-click. What
// they act on is decided by the tree's selected item and the list's
// selected row, given as the row's DataRow::source (-1: no row selected).
// Add is the tree's Add for the tree's selected item.

MenuState ListMenuFor(const TreeItemRef& treeSelection, int row);

// The entity that a row of a category's list shows; none for a row of
// details or of a fixed entry (the master, the diagnostic frames).
std::optional<EntityRef> EntityOfRow(const TreeItemRef& treeSelection, int row);

// Removes the entity of the row with every reference to it; false (nothing
// changed) where the list offers no Delete or the row names no record.
bool DeleteListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row);

// The entries of a schedule table, the only rows whose order the list
// changes: Ctrl+Up and Ctrl+Down move the row one place (step -1 or 1),
// false at either end or for another list; Duplicate puts a copy after the
// row and returns the copy's row, -1 where there is none.
bool MoveListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row, int step);
int DuplicateListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row);

// The sheet for the row (or for the tree's item where the row does not
// matter); empty when there is none or its record no longer exists.
SheetRequest ListPropertiesFor(const LinNetwork& network, const TreeItemRef& treeSelection, int row);

// The offset sheet of the signal at position row of a frame (by index or by
// name); no request for a frame or position that does not exist, nor for
// the diagnostic frames, which have no such sheet.
SheetRequest FrameSignalRequest(const LinNetwork& network, int frame, int row);
SheetRequest FrameSignalRequest(const LinNetwork& network, const std::string& frameName, int position);
