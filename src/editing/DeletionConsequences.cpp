#include "editing/DeletionConsequences.h"

#include "editing/ScheduleForms.h"
#include "editing/WhereUsed.h"
#include "model/Contains.h"
#include "model/LinNetwork.h"

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kQuestion = "Delete %1? These go with it:";
const char* const kListedBy = " lists it";
const char* const kEventTriggered = "Event triggered frame ";
const char* const kSporadic = "Sporadic frame ";
const char* const kConfigurableOf = "Configurable frame of ";
const char* const kEntryOf = "Schedule table %1, entry %2: %3";
const char* const kPlacement = "Frame %1: placement at offset %2";
const char* const kRepresentation = "Representation of ";
const char* const kResponseError = "Slave %1: response_error";
const char* const kFaultState = "Slave %1: fault state signal";
const char* const kPublisherOf = "Signal %1: publisher";
const char* const kSubscriberOf = "Signal %1: subscriber";
const char* const kFramePublisher = "Frame %1: publisher";
const char* const kAttributesOf = "Node attributes of ";
const char* const kLogicalNode = "Composite node %1: logical node";
const char* const kCollisionTable = "Event triggered frame %1: collision resolving table";
const char* const kKindFrame = "frame ";
const char* const kKindEventTriggered = "event triggered frame ";
const char* const kKindSporadic = "sporadic frame ";
const char* const kKindSignal = "signal ";
const char* const kKindNode = "node ";
const char* const kKindSchedule = "schedule table ";
const char* const kKindEntity = "";

// Fills %1, %2, %3 in turn.
std::string Fill(std::string text, const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string placeholder = "%" + std::to_string(i + 1);
        const std::size_t at = text.find(placeholder);
        if (at != std::string::npos)
            text.replace(at, placeholder.size(), values[i]);
    }
    return text;
}

// One line per schedule entry the test picks, numbered from 1 as the list shows them.
template <typename Picks> void AddEntries(const LinNetwork& n, Picks picks, std::vector<std::string>& lines)
{
    for (const auto& table : n.scheduleTables)
        for (std::size_t i = 0; i < table->entries.size(); ++i)
            if (picks(*table->entries[i]))
                lines.push_back(Fill(kEntryOf, {table->name, std::to_string(i + 1), EntryText(*table->entries[i])}));
}

bool IsSlotOf(const ScheduleEntry& entry, const std::string& name)
{
    const FrameSlotCommand* slot = entry.FrameSlot();
    return slot && slot->frameName == name;
}

std::vector<std::string> OfFrame(const LinNetwork& n, const std::string& name)
{
    std::vector<std::string> lines;
    for (const auto& frame : n.eventTriggeredFrames)
        if (ListsName(frame->frameNames, name))
            lines.push_back(kEventTriggered + frame->name + kListedBy);
    for (const auto& frame : n.sporadicFrames)
        if (ListsName(frame->frameNames, name))
            lines.push_back(kSporadic + frame->name + kListedBy);
    for (const auto& attributes : n.nodeAttributes)
        for (const auto& configurable : attributes->configurableFrames)
            if (configurable->frameName == name)
                lines.push_back(kConfigurableOf + attributes->nodeName);
    AddEntries(
        n,
        [&](const ScheduleEntry& entry) {
            const FrameIdCommand* command = entry.FrameId();
            return IsSlotOf(entry, name) || (command && command->frameName == name);
        },
        lines);
    return lines;
}

std::vector<std::string> OfSignal(const LinNetwork& n, const std::string& name)
{
    std::vector<std::string> lines;
    for (const auto& frame : n.frames)
        for (std::size_t i = 0; i < frame->signalNames.size(); ++i)
            if (frame->signalNames[i] == name)
                lines.push_back(Fill(
                    kPlacement,
                    {frame->name, i < frame->offsets.size() ? std::to_string(frame->offsets[i]) : std::string("?")}));
    for (const auto& representation : n.signalRepresentations)
        if (ListsName(representation->signalNames, name))
            lines.push_back(kRepresentation + representation->encodingName);
    for (const auto& attributes : n.nodeAttributes) {
        if (attributes->responseErrorSignal == name)
            lines.push_back(Fill(kResponseError, {attributes->nodeName}));
        if (ListsName(attributes->faultStateSignals, name))
            lines.push_back(Fill(kFaultState, {attributes->nodeName}));
    }
    return lines;
}

std::vector<std::string> OfSlave(const LinNetwork& n, const std::string& name)
{
    std::vector<std::string> lines;
    for (const auto& frame : n.frames)
        if (frame->publisher == name)
            lines.push_back(Fill(kFramePublisher, {frame->name}));
    for (const auto& signal : n.signals) {
        if (signal->publisher == name)
            lines.push_back(Fill(kPublisherOf, {signal->name}));
        if (ListsName(signal->subscribers, name))
            lines.push_back(Fill(kSubscriberOf, {signal->name}));
    }
    for (const auto& attributes : n.nodeAttributes)
        if (attributes->nodeName == name)
            lines.push_back(kAttributesOf + name);
    for (const auto& configuration : n.compositeConfigurations)
        for (const auto& node : configuration->compositeNodes)
            if (ListsName(node->logicalNodes, name))
                lines.push_back(Fill(kLogicalNode, {node->name}));
    AddEntries(
        n,
        [&](const ScheduleEntry& entry) {
            const FrameIdCommand* frameId = entry.FrameId();
            const NodeCommand* command = entry.Node();
            const AssignNadCommand* assignNad = entry.AssignNad();
            return (frameId && frameId->nodeName == name) || (command && command->nodeName == name) ||
                   (assignNad && assignNad->nodeName == name);
        },
        lines);
    return lines;
}

std::vector<std::string> OfScheduleTable(const LinNetwork& n, const std::string& name)
{
    std::vector<std::string> lines;
    for (const auto& frame : n.eventTriggeredFrames)
        if (frame->collisionTable == name)
            lines.push_back(Fill(kCollisionTable, {frame->name}));
    return lines;
}

const char* KindText(EntityKind kind)
{
    switch (kind) {
    case EntityKind::Frame:
        return kKindFrame;
    case EntityKind::EventTriggeredFrame:
        return kKindEventTriggered;
    case EntityKind::SporadicFrame:
        return kKindSporadic;
    case EntityKind::Signal:
        return kKindSignal;
    case EntityKind::Slave:
        return kKindNode;
    case EntityKind::ScheduleTable:
        return kKindSchedule;
    default:
        return kKindEntity;
    }
}

}  // namespace

std::vector<std::string> DeletionConsequences(const LinNetwork& network, const EntityRef& entity)
{
    const Name* name = NameOfEntity(network, entity);
    if (!name)
        return {};
    switch (entity.kind) {
    case EntityKind::Frame:
        return OfFrame(network, *name);
    case EntityKind::EventTriggeredFrame:
    case EntityKind::SporadicFrame: {
        std::vector<std::string> lines;
        AddEntries(
            network, [&](const ScheduleEntry& entry) { return IsSlotOf(entry, *name); }, lines);
        return lines;
    }
    case EntityKind::Signal:
        return OfSignal(network, *name);
    case EntityKind::Slave:
        return OfSlave(network, *name);
    case EntityKind::ScheduleTable:
        return OfScheduleTable(network, *name);
    default:
        return {};
    }
}

DeletionQuestion AskBeforeDeleting(const LinNetwork& network, const EntityRef& entity)
{
    DeletionQuestion question;
    question.consequences = DeletionConsequences(network, entity);
    if (!question.consequences.empty())
        question.text = Fill(kQuestion, {KindText(entity.kind) + *NameOfEntity(network, entity)});
    return question;
}
