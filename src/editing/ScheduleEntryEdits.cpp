#include "editing/ScheduleEntryEdits.h"

#include "model/LinNetwork.h"

#include <utility>

bool MoveScheduleEntry(OwnedList<ScheduleEntry>& entries, int row, int step)
{
    const int to = row + step;
    if (!entries.Exists(row) || !entries.Exists(to))
        return false;
    std::swap(entries[static_cast<std::size_t>(row)], entries[static_cast<std::size_t>(to)]);
    return true;
}

int InsertScheduleEntry(OwnedList<ScheduleEntry>& entries, int selected, std::unique_ptr<ScheduleEntry> entry)
{
    const int row = entries.Exists(selected) ? selected + 1 : static_cast<int>(entries.size());
    entries.insert(entries.begin() + row, std::move(entry));
    return row;
}

int DuplicateScheduleEntry(OwnedList<ScheduleEntry>& entries, int row)
{
    const ScheduleEntry* original = entries.RecordAt(row);
    return original ? InsertScheduleEntry(entries, row, std::make_unique<ScheduleEntry>(*original)) : -1;
}

bool MoveScheduleEntry(LinNetwork& network, int table, int row, int step)
{
    ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    return schedule && MoveScheduleEntry(schedule->entries, row, step);
}

int DuplicateScheduleEntry(LinNetwork& network, int table, int row)
{
    ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    return schedule ? DuplicateScheduleEntry(schedule->entries, row) : -1;
}

bool RemoveScheduleEntry(LinNetwork& network, int table, int row)
{
    ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    if (!schedule || !schedule->entries.Exists(row))
        return false;
    schedule->entries.erase(schedule->entries.begin() + row);
    return true;
}
