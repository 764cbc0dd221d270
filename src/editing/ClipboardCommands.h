#pragma once

#include "editing/EntityClipboard.h"
#include "editing/TreeItem.h"

#include <string>
#include <vector>

class LinNetwork;

// What Edit > Copy, Paste and Duplicate act on. The rows selected in the
// list beside the tree (as DataRow::source) are what the commands take when
// there are any, else the tree's selected item: a category's rows are its
// entities, a schedule table's rows its entries.

struct ClipboardSelection {
    std::vector<EntityRef> entities;
    int scheduleTable = -1;    // with entries: the table they belong to
    std::vector<int> entries;  // entries of scheduleTable

    bool Empty() const { return entities.empty() && entries.empty(); }
};

ClipboardSelection SelectionToCopy(const TreeItemRef& treeSelection, const std::vector<int>& listRows);

// The LDF text of the selection; empty when it holds nothing to copy.
std::string CopySelection(const LinNetwork& network, const ClipboardSelection& selection);

// Pasting into a schedule table (its item, or rows of its entries) inserts
// the entries after the last selected row; anywhere else adds records.
PasteTarget PasteTargetFor(const TreeItemRef& treeSelection, const std::vector<int>& listRows);

// The selection once more: entities beside the originals, entries right
// after the last of them.
PasteOutcome DuplicateSelection(LinNetwork& network, const ClipboardSelection& selection);

// Deletes the entities of the rows, each with every reference to it; false
// when none of the rows names one.
bool DeleteListRows(LinNetwork& network, const TreeItemRef& treeSelection, std::vector<int> rows);
