#pragma once

#include "ldf/Dialect.h"
#include "ldf/Keywords.h"
#include "ldf/ScheduleEntryKind.h"

// The commands a schedule table holds besides frame slots, as the reader,
// the writer and the data list know them. A new command is a row here, its
// payload record, and its case where the reader makes the payload and where
// the writer gives its values.
struct ScheduleCommandSpec {
    const char* keyword;
    ScheduleEntryKind kind;
    int argumentCount;       // values inside "{ ... }"; 0: the command has no block
    int lin21ArgumentCount;  // the count of the form LIN 2.1 adds, 0 when there is none
    bool namesNode;          // the first value names a slave
    lin::Dialect since;      // the first version that has the command

    bool TakesArguments(int count, bool lin21Forms) const
    {
        return count == argumentCount || (lin21Forms && lin21ArgumentCount > 0 && count == lin21ArgumentCount);
    }
};

// AssignNAD names its slave from LIN 2.1 on; LIN 2.0 gives four numbers.
// AssignFrameIdRange may add four PIDs.
inline constexpr ScheduleCommandSpec kScheduleCommands[] = {
    {kw::MasterReq, kMasterReq, 0, 0, false, lin::Dialect::Lin20},
    {kw::SlaveResp, kSlaveResp, 0, 0, false, lin::Dialect::Lin20},
    {kw::AssignFrameId, kAssignFrameId, 2, 0, true, lin::Dialect::Lin20},
    {kw::UnassignFrameId, kUnassignFrameId, 2, 0, true, lin::Dialect::Lin20},
    {kw::AssignNad, kAssignNad, 4, 1, false, lin::Dialect::Lin20},
    {kw::FreeFormat, kFreeFormat, 8, 0, false, lin::Dialect::Lin20},
    {kw::AssignFrameIdRange, kAssignFrameIdRange, 2, 6, true, lin::Dialect::Lin21},
    {kw::ConditionalChangeNad, kConditionalChangeNad, 6, 0, false, lin::Dialect::Lin21},
    {kw::DataDump, kDataDump, 6, 0, true, lin::Dialect::Lin21},
    {kw::SaveConfiguration, kSaveConfiguration, 1, 0, true, lin::Dialect::Lin21},
};

// The command of an entry kind; null for a frame slot or an unknown kind.
inline const ScheduleCommandSpec* FindScheduleCommand(int kind)
{
    for (const ScheduleCommandSpec& command : kScheduleCommands)
        if (command.kind == kind)
            return &command;
    return nullptr;
}
