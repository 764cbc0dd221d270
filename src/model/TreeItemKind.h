#pragma once

// What the items of the navigation tree are and which record each shows:
// the outline lays them out, the editing layer acts on them.

// What an item of the navigation tree is.
enum class TreeItemKind {
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
};

// The records that items show. Add creates and Delete removes every kind but
// the representations, which follow the encoding types.
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
};

// The record an item shows: its list, its index there and, for a record
// nested in another, the index of the outer record.
struct EntityRef {
    EntityKind kind = EntityKind::Signal;
    int index = 0;    // in the record's list
    int parent = -1;  // the configuration of a composite node
};
