#include "editing/EntityEdits.h"

#include "model/LinNetwork.h"
#include "model/UniqueNames.h"
#include "model/UnreadPlaces.h"

namespace {

// The base of every generated name.
const char* const kNewName = "Unknown";

// Appends the record and reports where it went.
template <typename Record>
EntityRef AppendTo(OwnedList<Record>& list, std::unique_ptr<Record> record, EntityKind kind, int parent = -1)
{
    list.Append(std::move(record));
    return EntityRef{kind, static_cast<int>(list.size()) - 1, parent};
}

// Removes the record at the index; the cleanup sees its name first.
template <typename Record, typename Cleanup> bool RemoveAt(OwnedList<Record>& list, int index, Cleanup cleanup)
{
    if (!list.Exists(index))
        return false;
    const std::string name = RecordName(*list[static_cast<std::size_t>(index)]);
    list.erase(list.begin() + index);
    cleanup(name);
    return true;
}

template <typename Record> bool RemoveAt(OwnedList<Record>& list, int index)
{
    return RemoveAt(list, index, [](const std::string&) {});
}

// A kept statement is named by its list's number in ForEachUnreadList's
// order and its index there.
bool RemoveKeptStatement(LinNetwork& network, const EntityRef& entity)
{
    bool removed = false;
    int number = 0;
    ForEachUnreadList(network, [&](const std::string&, const std::string&, UnreadStatements& list) {
        if (number++ != entity.parent || entity.index < 0 || static_cast<std::size_t>(entity.index) >= list.size())
            return;
        list.erase(list.begin() + entity.index);
        removed = true;
    });
    return removed;
}

}  // namespace

std::optional<EntityRef> AddEntity(LinNetwork& network, EntityKind kind, int parent)
{
    LinNetwork& n = network;
    switch (kind) {
    case EntityKind::Slave: {
        const std::string name = MakeUniqueSlaveName(n, kNewName, -1);
        n.AddDefaultAttributes(name);
        return AppendTo(n.slaves, std::make_unique<LinNode>(name), kind);
    }
    case EntityKind::Configuration:
        return AppendTo(n.compositeConfigurations,
                        std::make_unique<CompositeConfiguration>(MakeUniqueName(n.compositeConfigurations, kNewName)),
                        kind);
    case EntityKind::CompositeNode: {
        CompositeConfiguration* owner = n.compositeConfigurations.RecordAt(parent);
        if (!owner)
            return std::nullopt;
        auto& nodes = owner->compositeNodes;
        return AppendTo(nodes, std::make_unique<CompositeNode>(MakeUniqueName(nodes, kNewName)), kind, parent);
    }
    case EntityKind::Frame: {
        auto frame = std::make_unique<LinFrame>();
        frame->name = MakeUniqueNameAcross(kNewName, -1, n.frames, n.eventTriggeredFrames, n.sporadicFrames);
        return AppendTo(n.frames, std::move(frame), kind);
    }
    case EntityKind::EventTriggeredFrame: {
        auto frame = std::make_unique<EventTriggeredFrame>(
            MakeUniqueNameAcross(kNewName, -1, n.eventTriggeredFrames, n.sporadicFrames, n.frames));
        frame->frameId = 0;
        return AppendTo(n.eventTriggeredFrames, std::move(frame), kind);
    }
    case EntityKind::SporadicFrame:
        return AppendTo(n.sporadicFrames,
                        std::make_unique<SporadicFrame>(
                            MakeUniqueNameAcross(kNewName, -1, n.sporadicFrames, n.eventTriggeredFrames, n.frames)),
                        kind);
    case EntityKind::Signal:
        return AppendTo(n.signals, std::make_unique<LinSignal>(MakeUniqueName(n.signals, kNewName)), kind);
    case EntityKind::EncodingType:
        return AppendTo(n.encodingTypes, std::make_unique<EncodingType>(MakeUniqueName(n.encodingTypes, kNewName)),
                        kind);
    case EntityKind::ScheduleTable:
        return AppendTo(n.scheduleTables, std::make_unique<ScheduleTable>(MakeUniqueName(n.scheduleTables, kNewName)),
                        kind);
    case EntityKind::SignalGroup: {
        // A group is named unlike every signal too; its size is given, so
        // that the file can be read back.
        auto group = std::make_unique<SignalGroup>();
        group->name = MakeUniqueNameAcross(kNewName, -1, n.signalGroups, n.signals);
        group->groupSize = 0;
        return AppendTo(n.signalGroups, std::move(group), kind);
    }
    case EntityKind::Representation:
    case EntityKind::KeptStatement:
        break;
    }
    return std::nullopt;
}

bool RemoveEntity(LinNetwork& network, const EntityRef& entity)
{
    LinNetwork& n = network;
    switch (entity.kind) {
    case EntityKind::Slave:
        return RemoveAt(n.slaves, entity.index, [&](const std::string& name) { n.RemoveSlaveReferences(name); });
    case EntityKind::Configuration:
        return RemoveAt(n.compositeConfigurations, entity.index);
    case EntityKind::CompositeNode:
        if (CompositeConfiguration* owner = n.compositeConfigurations.RecordAt(entity.parent))
            return RemoveAt(owner->compositeNodes, entity.index);
        return false;
    case EntityKind::Frame:
        return RemoveAt(n.frames, entity.index, [&](const std::string& name) { n.RemoveFrameReferences(name); });
    case EntityKind::EventTriggeredFrame:
        return RemoveAt(n.eventTriggeredFrames, entity.index,
                        [&](const std::string& name) { n.RemoveFrameSlots(name); });
    case EntityKind::SporadicFrame:
        return RemoveAt(n.sporadicFrames, entity.index, [&](const std::string& name) { n.RemoveFrameSlots(name); });
    case EntityKind::Signal:
        return RemoveAt(n.signals, entity.index, [&](const std::string& name) { n.RemoveSignalReferences(name); });
    case EntityKind::EncodingType:
        return RemoveAt(n.encodingTypes, entity.index);
    case EntityKind::ScheduleTable:
        return RemoveAt(n.scheduleTables, entity.index,
                        [&](const std::string& name) { n.RemoveScheduleTableReferences(name); });
    case EntityKind::SignalGroup:
        return RemoveAt(n.signalGroups, entity.index);
    case EntityKind::KeptStatement:
        return RemoveKeptStatement(n, entity);
    case EntityKind::Representation:
        break;
    }
    return false;
}
