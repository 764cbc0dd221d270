#pragma once

// What the items of the navigation tree are and which record each shows:
// the outline lays them out, the editing layer acts on them.

#include <cstdint>

// What an item of the navigation tree is.
enum class TreeItemKind : std::uint8_t {
    None,
    Network,
    NodesCategory,
    Master,
    Slave,
    CompositionCategory,
    Configuration,
    CompositeNode,
    FramesCategory,
    MasterRequestFrame,
    SlaveResponseFrame,
    OtherDiagnosticFrame,  // a diagnostic frame the file gives besides the two
    Frame,
    EventTriggeredCategory,
    EventTriggeredFrame,
    SporadicCategory,
    SporadicFrame,
    DynamicFrames,
    SignalsCategory,
    EncodingTypesCategory,
    RepresentationCategory,
    Signal,
    EncodingType,
    Representation,  // an item under "Representation"
    SignalGroupsCategory,
    SignalGroup,
    SchedulesCategory,
    ScheduleTable,
    KeptStatement,  // a statement the reader kept as written, under its block
};

// The records that items show. Add creates and Delete removes every kind but
// the representations, which follow the encoding types, and the kept
// statements, which only Delete removes.
enum class EntityKind {
    Slave,
    Configuration,
    CompositeNode,
    Frame,
    EventTriggeredFrame,
    SporadicFrame,
    Signal,
    EncodingType,
    ScheduleTable,
    Representation,
    SignalGroup,
    KeptStatement,
};

// The record an item shows: its list, its index there and, for a record
// nested in another, the index of the outer record.
struct EntityRef {
    EntityKind kind = EntityKind::Signal;
    int index = 0;  // in the record's list
    // The configuration of a composite node; for a kept statement, its list
    // counted in the order of ForEachUnreadList.
    int parent = -1;
};
