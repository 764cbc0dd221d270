#pragma once

#include "model/FrameRecords.h"

#include <memory>

class LinNetwork;

// Reordering, inserting and copying the entries of a schedule table, for the
// table's sheet (on its working copy) and for the data list (on the
// network). A row outside the list changes nothing.

// Moves the entry one place up (step -1) or down (step 1); false at either
// end.
bool MoveScheduleEntry(OwnedList<ScheduleEntry>& entries, int row, int step);
// Inserts the entry after the selected row, at the end without a selection
// (-1 or a row outside); returns the row it went to.
int InsertScheduleEntry(OwnedList<ScheduleEntry>& entries, int selected, std::unique_ptr<ScheduleEntry> entry);
// Inserts a copy of the entry right after it; returns the copy's row, -1 for
// a row outside.
int DuplicateScheduleEntry(OwnedList<ScheduleEntry>& entries, int row);

// The same on a table of the network, with its entry removed by Delete; the
// table's index is checked too.
bool MoveScheduleEntry(LinNetwork& network, int table, int row, int step);
int DuplicateScheduleEntry(LinNetwork& network, int table, int row);
bool RemoveScheduleEntry(LinNetwork& network, int table, int row);
