#pragma once

#include "editing/EntryRules.h"
#include "editing/ListChoices.h"
#include "model/FrameRecords.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class LinNetwork;

// The text a schedule entry is shown with: its frame, or its command.
std::string EntryText(const ScheduleEntry& entry);

// What the schedule table sheet shows and writes: the name and a working
// copy of the entries. Adding and removing entries changes the copy only, so
// a cancelled sheet leaves the stored table as it was.
struct ScheduleTableForm {
    std::string name;
    OwnedList<ScheduleEntry> entries;

    // "Add Frame": the diagnostic commands (the LIN 2.1 ones where the
    // text's version has them), then the unconditional, event-triggered and
    // sporadic frames under their headings.
    static ChoiceMenu AddChoices(const LinNetwork& network);
    // Inserts a new entry (delay 0) for the chosen entry of AddChoices after
    // the selected row, at the end without one; returns its row, nothing for
    // a number that names no entry.
    std::optional<int> AddChosen(const LinNetwork& network, int choice, int selected = -1);
    void Remove(int row);
    // One place up (step -1) or down (step 1); false at either end.
    bool Move(int row, int step);
    // A copy of the entry right after it; returns its row, -1 for none.
    int Duplicate(int row);
    std::vector<std::string> EntryTexts() const;

    static ScheduleTableForm Read(const LinNetwork& network, int index);
    // Renames the table (unique among the tables; an empty name keeps the old
    // one) and gives it the working entries.
    void Commit(LinNetwork& network, int index) const;
};

// One number of a LIN 2.1 configuration command as its page edits it.
struct CommandValue {
    const char* caption;
    int min;
    int max;
    int initial;    // of a new command, and of an optional number left empty
    bool optional;  // the optional numbers go together: all of them or none
};

// What the schedule entry sheet shows and writes. Lists are given by the
// selected entry, empty when none is selected.
struct ScheduleEntryForm {
    // The delays the time field takes, in ms.
    static constexpr NumberRange kTimeRange{0, 9999.9999, false, true};

    int kind = kFrameSlot;
    std::string typeName;
    std::string time;  // ms, with a fraction where it has one
    std::string minimumTime;
    std::string node;        // every command that names a slave
    std::string frame;       // AssignFrameId, UnassignFrameId
    bool nadOfNode = false;  // AssignNAD { node }: the slave alone (LIN 2.1)
    std::string oldNad;      // AssignNAD: the entry's initial NAD, then the node's attributes
    std::string newNad;
    std::string supplierId;
    std::string functionId;
    std::array<std::string, 8> data;  // FreeFormat
    std::vector<std::string> values;  // the other LIN 2.1 commands, as CommandValues gives them

    // The time base that stands in for a network without one.
    static constexpr int kSubstituteTimeBase = 10;
    static constexpr int kMaxTime = 10000;

    // "Minimum time:   " and the time the entry's frame takes on the bus at
    // the network's speed, plus jitter ("undefined" for a frame of unknown
    // length or a network without a speed).
    static std::string MinimumTimeLine(const LinNetwork& network, const ScheduleEntry& entry);
    static std::vector<std::string> SlaveChoices(const LinNetwork& network);
    // The configurable frames of the node's attributes; none without them.
    static std::vector<std::string> FrameChoices(const LinNetwork& network, const std::string& node);
    static std::vector<std::string> ByteChoices();  // "0" to "255"
    // The numbers the LIN 2.1 command of the kind takes besides its slave,
    // the optional ones only where the text's version takes them; none for
    // other kinds.
    static std::vector<CommandValue> CommandValues(const LinNetwork& network, int kind);
    // Whether the entry's page chooses a slave besides its numbers.
    bool ChoosesSlave() const;
    // The time after one click of the spin control (step 1 up, -1 down): on
    // the time base's grid, at least one time base, at most kMaxTime. A
    // network without a time base gets the substitute.
    static double SpinTime(LinNetwork& network, double time, int step);
    // The same for the text of the time field; nothing for a text that is no
    // decimal number.
    static std::optional<std::string> SpinTimeText(LinNetwork& network, const std::string& time, int step);

    // AssignNAD: shows the node's attributes, which the node is given (with
    // the defaults) when it has none; they stay even if the sheet is
    // cancelled.
    void ChooseNadNode(LinNetwork& network, const std::string& nodeName);

    // Empty when the table or its entry does not exist.
    static ScheduleEntryForm Read(LinNetwork& network, int table, int entry);
    // A time shown as it is stored keeps the stored delay. Another is the
    // delay when it is a multiple of the time base, else one time base.
    // AssignNAD without a node keeps its numbers, and FreeFormat bytes
    // without a selection keep theirs. The other LIN 2.1 commands keep their
    // slave when none is chosen, and the numbers left empty or shown as
    // stored.
    void Commit(LinNetwork& network, int table, int entry) const;
};
