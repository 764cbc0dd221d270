#pragma once

// What a schedule table entry is: a frame slot or one of the commands.
enum ScheduleEntryKind {
    kFrameSlot = 0,
    kMasterReq = 1,
    kSlaveResp = 2,
    kAssignFrameId = 3,
    kUnassignFrameId = 4,
    kAssignNad = 5,
    kFreeFormat = 6,
    kAssignFrameIdRange = 7,
    kConditionalChangeNad = 8,
    kDataDump = 9,
    kSaveConfiguration = 10,
};
