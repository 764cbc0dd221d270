#pragma once

#include "ldf/ScheduleEntryKind.h"
#include "model/NameList.h"
#include "model/OwnedList.h"
#include "model/UnreadStatement.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Records that describe what is sent on the bus and when.

// The length a frame without one takes from its id: 2 bytes up to id 31, 4
// up to 47, 8 up to 63; 0 (no length) for any other id.
inline int DefaultFrameLength(int frameId)
{
    if (frameId >= 0 && frameId <= 31)
        return 2;
    if (frameId >= 32 && frameId <= 47)
        return 4;
    if (frameId >= 48 && frameId <= 63)
        return 8;
    return 0;
}

struct LinFrame {
    LinFrame() = default;
    ~LinFrame() = default;
    LinFrame(const LinFrame&) = default;
    LinFrame& operator=(const LinFrame&) = default;

    // 0 name, 1 frameId, 2 publisher, 3 length; later calls only count.
    bool AddParameter(const std::string& text);
    void AddSignal(const std::string& signalName, const std::string& offsetText);

    Name name;
    int fillCount = 0;
    int frameId = 0;
    Name publisher;
    int length = 0;  // 0: the file gave no length
    NameList signalNames;
    std::vector<std::uint32_t> offsets;
    UnreadStatements unread;
};

// What the preparation does to a frame the file gave no length: it takes
// the default length of its id.
inline void GiveDefaultLength(LinFrame& frame)
{
    if (frame.length == 0)
        frame.length = DefaultFrameLength(frame.frameId);
}

struct EventTriggeredFrame {
    explicit EventTriggeredFrame(std::string frameName = {}) : name(std::move(frameName)) {}
    ~EventTriggeredFrame() = default;
    EventTriggeredFrame(const EventTriggeredFrame&) = default;
    EventTriggeredFrame& operator=(const EventTriggeredFrame&) = default;

    // The first call gives the id, every later call an associated frame.
    bool AddParameter(const std::string& text);

    Name name;
    Name collisionTable;  // the schedule table that resolves collisions; empty when none
    int frameId = -1;
    int fillCount = 0;
    NameList frameNames;
};

struct SporadicFrame {
    explicit SporadicFrame(std::string frameName = {}) : name(std::move(frameName)) {}
    ~SporadicFrame() = default;
    SporadicFrame(const SporadicFrame&) = default;
    SporadicFrame& operator=(const SporadicFrame&) = default;

    Name name;
    NameList frameNames;
};

// One line of the Diagnostic_signals section: "<name> : <size>, <initial value>;".
struct DiagnosticSignal {
    Name name;
    int size = 0;
    int initValue = 0;
};

// MasterReq (id 60) or SlaveResp (id 61); names and ids are fixed, not stored.
struct DiagnosticFrame {
    DiagnosticFrame() = default;
    virtual ~DiagnosticFrame() = default;
    DiagnosticFrame(const DiagnosticFrame&) = default;
    DiagnosticFrame& operator=(const DiagnosticFrame&) = default;

    bool AddSignal(const std::string& signalName, const std::string& offsetText);

    NameList signalNames;
    std::vector<std::uint32_t> offsets;
    UnreadStatements unread;
};

// A diagnostic frame the file gives besides MasterReq and SlaveResp
// ("ProxyRequest : 59 { ... }"), kept with its name and id as read.
struct OtherDiagnosticFrame : DiagnosticFrame {
    Name name;
    int frameId = 0;
};

// Parameters of a schedule entry; one payload type per kind.
struct ScheduleCommand {
    ScheduleCommand() = default;
    virtual ~ScheduleCommand() = default;
    ScheduleCommand(const ScheduleCommand&) = default;
    ScheduleCommand& operator=(const ScheduleCommand&) = default;
    // MasterReq and SlaveResp carry this empty payload.
    virtual std::unique_ptr<ScheduleCommand> Clone() const { return std::make_unique<ScheduleCommand>(*this); }
};

struct FrameSlotCommand : ScheduleCommand {
    explicit FrameSlotCommand(std::string frame = {}) : frameName(std::move(frame)) {}
    std::unique_ptr<ScheduleCommand> Clone() const override { return std::make_unique<FrameSlotCommand>(*this); }
    Name frameName;
};

// AssignFrameId and UnassignFrameId.
struct FrameIdCommand : ScheduleCommand {
    FrameIdCommand(std::string node = {}, std::string frame = {})
        : nodeName(std::move(node)), frameName(std::move(frame))
    {
    }
    std::unique_ptr<ScheduleCommand> Clone() const override { return std::make_unique<FrameIdCommand>(*this); }
    Name nodeName;
    Name frameName;
};

// AssignNAD: LIN 2.1 names the slave, whose attributes give the values;
// LIN 2.0 gives the four numbers (nodeName empty).
struct AssignNadCommand : ScheduleCommand {
    std::unique_ptr<ScheduleCommand> Clone() const override { return std::make_unique<AssignNadCommand>(*this); }
    Name nodeName;
    int initialNad = 0;
    int newNad = 0;
    int supplierId = 0;
    int functionId = 0;
};

struct FreeFormatCommand : ScheduleCommand {
    std::unique_ptr<ScheduleCommand> Clone() const override { return std::make_unique<FreeFormatCommand>(*this); }
    std::array<int, 8> data{};  // data1 .. data8
};

// The LIN 2.1 configuration commands: the slave addressed, then the numbers
// of the block in file order. AssignFrameIdRange: the index of the first
// configurable frame and none or four PIDs; DataDump: five user bytes;
// SaveConfiguration: none; ConditionalChangeNAD, which names no slave: NAD,
// identifier, byte, mask, invert and new NAD.
struct NodeCommand : ScheduleCommand {
    std::unique_ptr<ScheduleCommand> Clone() const override { return std::make_unique<NodeCommand>(*this); }
    Name nodeName;
    std::vector<int> values;
};

struct ScheduleEntry {
    ScheduleEntry(double delay, int entryKind, std::unique_ptr<ScheduleCommand> payload);
    ~ScheduleEntry() = default;
    ScheduleEntry(const ScheduleEntry& other);
    ScheduleEntry& operator=(const ScheduleEntry& other);

    // Typed access to the payload; null when the entry is of another kind.
    FrameSlotCommand* FrameSlot() const;
    FrameIdCommand* FrameId() const;  // AssignFrameId and UnassignFrameId
    AssignNadCommand* AssignNad() const;
    FreeFormatCommand* FreeFormat() const;
    NodeCommand* Node() const;  // the LIN 2.1 configuration commands

    double delayMs = 0;
    int kind = kFrameSlot;
    std::unique_ptr<ScheduleCommand> command;
};

struct ScheduleTable {
    explicit ScheduleTable(std::string tableName = {}) : name(std::move(tableName)) {}
    ~ScheduleTable() = default;
    ScheduleTable(const ScheduleTable&) = default;
    ScheduleTable& operator=(const ScheduleTable&) = default;

    Name name;
    OwnedList<ScheduleEntry> entries;
    UnreadStatements unread;
};
