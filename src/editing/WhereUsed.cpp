#include "editing/WhereUsed.h"

#include "model/Contains.h"
#include "model/LinNetwork.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Shown to users verbatim; keep the spelling.
const char* const kFrameText = "Frame ";
const char* const kEventTriggeredText = "Event triggered frame ";
const char* const kSporadicText = "Sporadic frame ";
const char* const kScheduleText = "Schedule table ";
const char* const kSignalText = "Signal ";
const char* const kSlaveText = "Slave ";
const char* const kCompositeText = "Composite node ";
const char* const kRepresentationText = "Representation ";
const char* const kSignalGroupText = "Signal group ";

// The name of the record a reference points at; null outside its list.
template <typename Record> const Name* NameAt(const OwnedList<Record>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? &RecordName(*list[static_cast<std::size_t>(index)])
               : nullptr;
}

const Name* NameOf(const LinNetwork& n, const EntityRef& entity)
{
    switch (entity.kind) {
    case EntityKind::Slave:
        return NameAt(n.slaves, entity.index);
    case EntityKind::Frame:
        return NameAt(n.frames, entity.index);
    case EntityKind::EventTriggeredFrame:
        return NameAt(n.eventTriggeredFrames, entity.index);
    case EntityKind::SporadicFrame:
        return NameAt(n.sporadicFrames, entity.index);
    case EntityKind::Signal:
        return NameAt(n.signals, entity.index);
    case EntityKind::EncodingType:
    case EntityKind::Representation:  // its item shows the encoding type's name
        return NameAt(n.encodingTypes, entity.index);
    case EntityKind::ScheduleTable:
        return NameAt(n.scheduleTables, entity.index);
    case EntityKind::SignalGroup:
        return NameAt(n.signalGroups, entity.index);
    case EntityKind::Configuration:
    case EntityKind::CompositeNode:
    case EntityKind::KeptStatement:
        break;
    }
    return nullptr;
}

// Collects the usages, one per referring record.
class UsageList {
public:
    // Adds every record of the list for which refers is true.
    template <typename Record, typename Refers>
    void AddEach(const OwnedList<Record>& list, EntityKind kind, const char* caption, Refers refers)
    {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (refers(*list[i]))
                Add(caption + RecordName(*list[i]), {kind, static_cast<int>(i)});
    }

    void Add(std::string text, const EntityRef& record) { m_usages.push_back({std::move(text), record}); }

    std::vector<Usage> Take() { return std::move(m_usages); }

private:
    std::vector<Usage> m_usages;
};

bool TableNamesFrame(const ScheduleTable& table, const std::string& frame)
{
    return std::any_of(table.entries.begin(), table.entries.end(), [&](const auto& entry) {
        if (const FrameSlotCommand* slot = entry->FrameSlot())
            return slot->frameName == frame;
        const FrameIdCommand* command = entry->FrameId();
        return command && command->frameName == frame;
    });
}

bool TableNamesNode(const ScheduleTable& table, const std::string& node)
{
    return std::any_of(table.entries.begin(), table.entries.end(), [&](const auto& entry) {
        const FrameIdCommand* command = entry->FrameId();
        return command && command->nodeName == node;
    });
}

// The slaves whose attributes satisfy the test; the attributes of a name
// that is no slave are left out.
template <typename Test> void AddSlavesByAttributes(UsageList& usages, const LinNetwork& n, Test test)
{
    std::unordered_map<std::string, int> slaveIndexes;
    for (std::size_t i = 0; i < n.slaves.size(); ++i)
        slaveIndexes.emplace(n.slaves[i]->name, static_cast<int>(i));
    std::vector<bool> added(n.slaves.size(), false);
    for (const auto& attributes : n.nodeAttributes) {
        const auto slave = slaveIndexes.find(attributes->nodeName);
        if (slave == slaveIndexes.end() || added[static_cast<std::size_t>(slave->second)] || !test(*attributes))
            continue;
        added[static_cast<std::size_t>(slave->second)] = true;
        usages.Add(kSlaveText + attributes->nodeName, {EntityKind::Slave, slave->second});
    }
}

void AddFrameUsages(UsageList& usages, const LinNetwork& n, const std::string& frame)
{
    auto names = [&](const auto& record) { return ListsName(record.frameNames, frame); };
    usages.AddEach(n.eventTriggeredFrames, EntityKind::EventTriggeredFrame, kEventTriggeredText, names);
    usages.AddEach(n.sporadicFrames, EntityKind::SporadicFrame, kSporadicText, names);
    usages.AddEach(n.scheduleTables, EntityKind::ScheduleTable, kScheduleText,
                   [&](const ScheduleTable& table) { return TableNamesFrame(table, frame); });
    AddSlavesByAttributes(usages, n, [&](const NodeAttributes& attributes) {
        return std::any_of(attributes.configurableFrames.begin(), attributes.configurableFrames.end(),
                           [&](const auto& configurable) { return configurable->frameName == frame; });
    });
}

void AddSlaveUsages(UsageList& usages, const LinNetwork& n, const std::string& node)
{
    usages.AddEach(n.frames, EntityKind::Frame, kFrameText,
                   [&](const LinFrame& frame) { return frame.publisher == node; });
    usages.AddEach(n.signals, EntityKind::Signal, kSignalText, [&](const LinSignal& signal) {
        return signal.publisher == node || ListsName(signal.subscribers, node);
    });
    usages.AddEach(n.scheduleTables, EntityKind::ScheduleTable, kScheduleText,
                   [&](const ScheduleTable& table) { return TableNamesNode(table, node); });
    for (std::size_t c = 0; c < n.compositeConfigurations.size(); ++c) {
        const auto& nodes = n.compositeConfigurations[c]->compositeNodes;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (ListsName(nodes[i]->logicalNodes, node))
                usages.Add(kCompositeText + nodes[i]->name,
                           {EntityKind::CompositeNode, static_cast<int>(i), static_cast<int>(c)});
    }
}

void AddSignalUsages(UsageList& usages, const LinNetwork& n, const std::string& signal)
{
    usages.AddEach(n.frames, EntityKind::Frame, kFrameText,
                   [&](const LinFrame& frame) { return ListsName(frame.signalNames, signal); });
    usages.AddEach(n.signalGroups, EntityKind::SignalGroup, kSignalGroupText,
                   [&](const SignalGroup& group) { return ListsName(group.signalNames, signal); });
    // The representation items show the encoding types, one to one.
    std::unordered_map<std::string, int> encodingIndexes;
    for (std::size_t i = 0; i < n.encodingTypes.size(); ++i)
        encodingIndexes.emplace(n.encodingTypes[i]->name, static_cast<int>(i));
    for (const auto& representation : n.signalRepresentations) {
        const auto encoding = encodingIndexes.find(representation->encodingName);
        if (encoding != encodingIndexes.end() && ListsName(representation->signalNames, signal))
            usages.Add(kRepresentationText + representation->encodingName,
                       {EntityKind::Representation, encoding->second});
    }
    AddSlavesByAttributes(usages, n,
                          [&](const NodeAttributes& attributes) { return attributes.responseErrorSignal == signal; });
}

void AddEncodingUsages(UsageList& usages, const LinNetwork& n, const std::string& encoding)
{
    const SignalRepresentation* representation = n.FindRepresentation(encoding);
    if (!representation)
        return;
    usages.AddEach(n.signals, EntityKind::Signal, kSignalText,
                   [&](const LinSignal& signal) { return ListsName(representation->signalNames, signal.name); });
}

}  // namespace

std::vector<Usage> WhereUsed(const LinNetwork& network, const EntityRef& entity)
{
    UsageList usages;
    const Name* name = NameOf(network, entity);
    if (!name)
        return {};
    switch (entity.kind) {
    case EntityKind::Slave:
        AddSlaveUsages(usages, network, *name);
        break;
    case EntityKind::Frame:
    case EntityKind::EventTriggeredFrame:
    case EntityKind::SporadicFrame:
        AddFrameUsages(usages, network, *name);
        break;
    case EntityKind::Signal:
        AddSignalUsages(usages, network, *name);
        break;
    case EntityKind::EncodingType:
    case EntityKind::Representation:
        AddEncodingUsages(usages, network, *name);
        break;
    case EntityKind::ScheduleTable:
        usages.AddEach(network.eventTriggeredFrames, EntityKind::EventTriggeredFrame, kEventTriggeredText,
                       [&](const EventTriggeredFrame& frame) { return frame.collisionTable == *name; });
        break;
    case EntityKind::Configuration:
    case EntityKind::CompositeNode:
    case EntityKind::SignalGroup:
    case EntityKind::KeptStatement:
        break;
    }
    return usages.Take();
}

const Name* NameOfEntity(const LinNetwork& network, const EntityRef& entity) { return NameOf(network, entity); }
