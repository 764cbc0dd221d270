#pragma once

#include "validation/TreeOutline.h"

#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// Copy, Paste and Duplicate of entities. The clipboard holds the text of an
// LDF file, written by the network's own writer, so it can be pasted into a
// text editor, and text from a text editor can be pasted back: it is read
// as a file of its own and what it holds is added.

// The text of an LDF file with the signals, frames, event-triggered and
// sporadic frames, schedule tables and encoding types, and with what they
// need to be read back: a frame's signals, the frames an event-triggered or
// sporadic frame or a schedule table names, a signal's encoding type and
// the nodes they mention. Records of other kinds are left out; empty when
// nothing is left.
std::string CopyEntities(const LinNetwork& network, const std::vector<EntityRef>& entities);
// The same for entries of one schedule table: the table with only these.
std::string CopyScheduleEntries(const LinNetwork& network, int table, const std::vector<int>& entries);

// Where the entries of a pasted schedule table go: into this table after
// this entry (-1: at its end). Without a table, tables are added as tables.
struct PasteTarget {
    int scheduleTable = -1;
    int afterEntry = -1;
};

struct PasteOutcome {
    bool changed = false;
    std::optional<EntityRef> shown;  // the first entity added at the top, to select
};

// Adds what the LDF text holds. Every signal, frame, event-triggered or
// sporadic frame, schedule table and encoding type is added with a name
// made unique as Add makes it, and every mention of it follows; a frame
// takes its signals along. What the text holds only because another record
// names it (the frames of an event-triggered frame or a schedule table, the
// encoding type of a signal) is taken from the network where it has one of
// that name. The text's master stands for the network's master.
PasteOutcome PasteEntities(LinNetwork& network, const std::string& text, const PasteTarget& target = {});

// Copy followed by Paste into the same network.
PasteOutcome DuplicateEntities(LinNetwork& network, const std::vector<EntityRef>& entities);
// The entries once more, right after the last of them.
bool DuplicateScheduleEntries(LinNetwork& network, int table, const std::vector<int>& entries);
