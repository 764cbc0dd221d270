#pragma once

#include <string>
#include <vector>

class LinNetwork;

// The frames an event-triggered or sporadic frame lists: each name of an
// unconditional frame once, in the given order; other names are dropped.
std::vector<std::string> ListedFrames(const LinNetwork& network, const std::vector<std::string>& frameNames);

// One entry of the "Add Frame" chooser: an unconditional frame, offered
// unless the list already holds it.
struct FrameChoice {
    std::string name;
    bool listed = false;
};

// The record whose frame list a chooser fills.
enum class FrameGroup { EventTriggered, Sporadic };

// The unconditional frames the group may list, in network order: those of
// the slaves for an event-triggered frame, the master's for a sporadic frame.
std::vector<FrameChoice> AddFrameChoices(const LinNetwork& network, FrameGroup group,
                                         const std::vector<std::string>& listed);

// What the event-triggered frame sheet shows and writes.
struct EventTriggeredFrameForm {
    std::string name;
    std::string frameId;         // the selected entry of the id list; empty when none
    std::string collisionTable;  // the schedule table that resolves collisions; empty: none (LIN 2.0)
    std::vector<std::string> frames;

    // The ids 0 to 59 that no unconditional frame and no other event-triggered
    // frame uses; a used id stays on offer when it is a dynamic frame id.
    static std::vector<std::string> FrameIdChoices(const LinNetwork& network, int ownIndex);
    // "none" (the first entry, whatever a table is called), then the schedule
    // tables that may resolve the frame's collisions; a table the frame
    // names that does not exist stays on offer, so that an unchanged sheet
    // keeps it.
    static std::vector<std::string> CollisionTableChoices(const LinNetwork& network, int ownIndex);

    // The frame's own id is selected only when it is on offer. An index that
    // names no event-triggered frame gives an empty form.
    static EventTriggeredFrameForm Read(const LinNetwork& network, int index);
    // The name is made unique among the event-triggered, the sporadic and the
    // unconditional frames, and every mention follows it; no selected id
    // keeps the stored one.
    void Commit(LinNetwork& network, int index) const;
};

// What the sporadic frame sheet shows and writes.
struct SporadicFrameForm {
    std::string name;
    std::vector<std::string> frames;

    static SporadicFrameForm Read(const LinNetwork& network, int index);
    // The name is made unique among the sporadic, the event-triggered and the
    // unconditional frames, and every mention follows it.
    void Commit(LinNetwork& network, int index) const;
};

// What the dynamic frames sheet works on: the dynamic ids in the order they
// are listed and the free ids in ascending order, all within 0 to 59.
struct DynamicFramesForm {
    static constexpr unsigned kLastId = 59;

    std::vector<unsigned> dynamic;
    std::vector<unsigned> free;

    // Both lists ascending.
    static DynamicFramesForm Read(const LinNetwork& network);

    // Moves a free id to the end of the dynamic list; nothing for an id that
    // is not free.
    void Add(unsigned id);
    // Gives a dynamic id back to the free ones, in its place among them.
    void Remove(unsigned id);

    // The dynamic ids in list order.
    void Commit(LinNetwork& network) const;
};
