#pragma once

#include "model/FrameRecords.h"
#include "reader/Keywords.h"

// The commands a schedule table holds besides frame slots, as the reader,
// the writer and the data list know them. A new command is a row here, its
// payload record, and its case where the reader makes the payload and where
// the writer gives its values.
struct ScheduleCommandSpec {
    const char* keyword;
    ScheduleEntryKind kind;
    int argumentCount;  // values inside "{ ... }"; 0: the command has no block
};

inline constexpr ScheduleCommandSpec kScheduleCommands[] = {
    {kw::MasterReq, kMasterReq, 0},         {kw::SlaveResp, kSlaveResp, 0},
    {kw::AssignFrameId, kAssignFrameId, 2}, {kw::UnassignFrameId, kUnassignFrameId, 2},
    {kw::AssignNad, kAssignNad, 4},         {kw::FreeFormat, kFreeFormat, 8},
};

// The command of an entry kind; null for a frame slot or an unknown kind.
inline const ScheduleCommandSpec* FindScheduleCommand(int kind)
{
    for (const ScheduleCommandSpec& command : kScheduleCommands)
        if (command.kind == kind)
            return &command;
    return nullptr;
}
