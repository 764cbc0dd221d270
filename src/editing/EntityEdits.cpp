#include "editing/EntityEdits.h"

#include "editing/ListIndex.h"
#include "editing/UniqueNames.h"
#include "model/LinNetwork.h"

#include <algorithm>

namespace {

// The base of every generated name.
const char* const kNewName = "Unknown";

template <typename List, typename Drop> void EraseIf(List& list, Drop drop)
{
    list.erase(std::remove_if(list.begin(), list.end(), drop), list.end());
}

void EraseName(std::vector<std::string>& names, const std::string& name)
{
    EraseIf(names, [&](const std::string& n) { return n == name; });
}

// Appends the record and reports where it went.
template <typename Record>
EntityRef AppendTo(OwnedList<Record>& list, std::unique_ptr<Record> record, EntityKind kind, int parent = -1)
{
    list.Append(std::move(record));
    return EntityRef{kind, static_cast<int>(list.size()) - 1, parent};
}

void RemoveSlaveReferences(LinNetwork& network, const std::string& name)
{
    for (auto& frame : network.frames)
        if (frame->publisher == name)
            frame->publisher.clear();
    for (auto& configuration : network.compositeConfigurations)
        for (auto& node : configuration->compositeNodes)
            EraseName(node->logicalNodes, name);
    for (auto& signal : network.signals) {
        if (signal->publisher == name)
            signal->publisher.clear();
        EraseName(signal->subscribers, name);
    }
    for (auto& table : network.scheduleTables)
        EraseIf(table->entries, [&](const auto& entry) {
            const FrameIdCommand* command = entry->FrameId();
            return command && command->nodeName == name;
        });
}

void RemoveSignalReferences(LinNetwork& network, const std::string& name)
{
    for (auto& frame : network.frames) {
        for (std::size_t i = frame->signalNames.size(); i-- > 0;) {
            if (frame->signalNames[i] != name)
                continue;
            frame->signalNames.erase(frame->signalNames.begin() + static_cast<std::ptrdiff_t>(i));
            if (i < frame->offsets.size())
                frame->offsets.erase(frame->offsets.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    for (auto& attributes : network.nodeAttributes)
        if (attributes->responseErrorSignal == name)
            attributes->responseErrorSignal.clear();
    for (auto& representation : network.signalRepresentations)
        EraseName(representation->signalNames, name);
}

// Event-triggered and sporadic frames are named only by frame slots.
void RemoveFrameSlots(LinNetwork& network, const std::string& name)
{
    for (auto& table : network.scheduleTables)
        EraseIf(table->entries, [&](const auto& entry) {
            const FrameSlotCommand* slot = entry->FrameSlot();
            return slot && slot->frameName == name;
        });
}

void RemoveFrameReferences(LinNetwork& network, const std::string& name)
{
    for (auto& attributes : network.nodeAttributes)
        EraseIf(attributes->configurableFrames, [&](const auto& c) { return c->frameName == name; });
    for (auto& frame : network.eventTriggeredFrames)
        EraseName(frame->frameNames, name);
    for (auto& frame : network.sporadicFrames)
        EraseName(frame->frameNames, name);
    RemoveFrameSlots(network, name);
    for (auto& table : network.scheduleTables)
        EraseIf(table->entries, [&](const auto& entry) {
            const FrameIdCommand* command = entry->FrameId();
            return command && command->frameName == name;
        });
}

// Removes the record at the index; the cleanup sees its name first.
template <typename Record, typename Cleanup> bool RemoveAt(OwnedList<Record>& list, int index, Cleanup cleanup)
{
    if (!Exists(list, index))
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

}  // namespace

std::optional<EntityRef> AddEntity(LinNetwork& network, EntityKind kind, int parent)
{
    LinNetwork& n = network;
    switch (kind) {
    case EntityKind::Slave: {
        const std::string name = MakeUniqueSlaveName(n, kNewName, -1);
        n.nodeAttributes.Append(std::make_unique<NodeAttributes>(name));
        return AppendTo(n.slaves, std::make_unique<LinNode>(name), kind);
    }
    case EntityKind::Configuration:
        return AppendTo(n.compositeConfigurations,
                        std::make_unique<CompositeConfiguration>(MakeUniqueName(n.compositeConfigurations, kNewName)),
                        kind);
    case EntityKind::CompositeNode: {
        CompositeConfiguration* owner = RecordAt(n.compositeConfigurations, parent);
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
    }
    return std::nullopt;
}

bool RemoveEntity(LinNetwork& network, const EntityRef& entity)
{
    LinNetwork& n = network;
    switch (entity.kind) {
    case EntityKind::Slave:
        return RemoveAt(n.slaves, entity.index, [&](const std::string& name) { RemoveSlaveReferences(n, name); });
    case EntityKind::Configuration:
        return RemoveAt(n.compositeConfigurations, entity.index);
    case EntityKind::CompositeNode:
        if (CompositeConfiguration* owner = RecordAt(n.compositeConfigurations, entity.parent))
            return RemoveAt(owner->compositeNodes, entity.index);
        return false;
    case EntityKind::Frame:
        return RemoveAt(n.frames, entity.index, [&](const std::string& name) { RemoveFrameReferences(n, name); });
    case EntityKind::EventTriggeredFrame:
        return RemoveAt(n.eventTriggeredFrames, entity.index,
                        [&](const std::string& name) { RemoveFrameSlots(n, name); });
    case EntityKind::SporadicFrame:
        return RemoveAt(n.sporadicFrames, entity.index, [&](const std::string& name) { RemoveFrameSlots(n, name); });
    case EntityKind::Signal:
        return RemoveAt(n.signals, entity.index, [&](const std::string& name) { RemoveSignalReferences(n, name); });
    case EntityKind::EncodingType:
        return RemoveAt(n.encodingTypes, entity.index);
    case EntityKind::ScheduleTable:
        return RemoveAt(n.scheduleTables, entity.index);
    }
    return false;
}
