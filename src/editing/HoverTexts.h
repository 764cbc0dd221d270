#pragma once

#include "editing/TreeItem.h"

#include <string>

struct EntryTiming;
struct LayoutBand;

// The texts the editor shows when the pointer rests on something, one line
// per fact.

// The reasons of a red tree item, one per line; empty for an item that is
// not red.
std::string ReasonsTip(const TreeOutline& outline, int item);
// The same for a row of the data list: the reasons of the item that shows
// the row's entity; empty for rows that show no entity or a fine one.
std::string RowReasonsTip(const TreeOutline& outline, const OutlineRecordIndex& items, const TreeItemRef& treeSelection,
                          int row);
// A band of the frame layout: the signal's full name, its offset and size,
// and the bits it covers.
std::string BandTip(const LayoutBand& band);
// A slot of the timing picture: what it sends, its delay, the frame time
// and the headroom left.
std::string SlotTip(const EntryTiming& entry);
// Which file stands on which side of the comparison's lines.
std::string CompareSidesText(const std::string& openFile, const std::string& otherFile);
