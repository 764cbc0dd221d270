// What happens to the references of records that are gone. The post-load
// purges drop every reference to a name no record has; a deletion drops the
// references to the one name it removes. Both walk the same lists here.

#include "model/EraseIf.h"
#include "model/LinNetwork.h"
#include "model/NetworkNameIndexes.h"

#include <string_view>

namespace {

// A frame-id command that names a gone record: the purge keeps it with the
// name cleared, so the check reports it; a deletion removes it.
enum class Dangling { ClearName, RemoveCommand };

template <typename Gone>
void ForgetInFrameIdCommands(LinNetwork& network, Name FrameIdCommand::*field, Gone gone, Dangling dangling)
{
    for (auto& table : network.scheduleTables) {
        if (dangling == Dangling::RemoveCommand) {
            EraseIf(table->entries, [&](const auto& entry) {
                const FrameIdCommand* command = entry->FrameId();
                return command && gone(command->*field);
            });
            continue;
        }
        for (auto& entry : table->entries)
            if (FrameIdCommand* command = entry->FrameId())
                if (gone(command->*field))
                    (command->*field).clear();
    }
}

// The commands that name a slave besides the frame-id ones go with it; the
// purge keeps them as read, and the checks leave them to the user.
template <typename GoneSlave> void ForgetNodeCommands(LinNetwork& network, GoneSlave goneSlave)
{
    for (auto& table : network.scheduleTables)
        EraseIf(table->entries, [&](const auto& entry) {
            const NodeCommand* command = entry->Node();
            const AssignNadCommand* assignNad = entry->AssignNad();
            return (command && !command->nodeName.empty() && goneSlave(command->nodeName)) ||
                   (assignNad && !assignNad->nodeName.empty() && goneSlave(assignNad->nodeName));
        });
}

// Publishers and subscribers may be the master; logical nodes and the
// nodes of frame-id commands are slaves.
template <typename GoneNode, typename GoneSlave>
void ForgetNodes(LinNetwork& network, GoneNode goneNode, GoneSlave goneSlave, Dangling dangling)
{
    for (auto& frame : network.frames)
        if (goneNode(frame->publisher))
            frame->publisher.clear();
    for (auto& configuration : network.compositeConfigurations)
        for (auto& node : configuration->compositeNodes)
            EraseIf(node->logicalNodes, goneSlave);
    for (auto& signal : network.signals) {
        if (goneNode(signal->publisher))
            signal->publisher.clear();
        EraseIf(signal->subscribers, goneNode);
    }
    ForgetInFrameIdCommands(network, &FrameIdCommand::nodeName, goneSlave, dangling);
    if (dangling == Dangling::RemoveCommand)
        ForgetNodeCommands(network, goneSlave);
}

// Removes the names (and their offsets) that are gone.
template <typename Gone> void RemovePlacedSignals(NameList& names, std::vector<std::uint32_t>& offsets, Gone gone)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (gone(names[i]))
            continue;
        if (kept != i) {
            names[kept] = std::move(names[i]);
            if (i < offsets.size())
                offsets[kept] = offsets[i];
        }
        ++kept;
    }
    names.resize(kept);
    offsets.resize(std::min(offsets.size(), kept));
}

template <typename Gone> void ForgetSignals(LinNetwork& network, Gone gone)
{
    for (auto& frame : network.frames)
        RemovePlacedSignals(frame->signalNames, frame->offsets, gone);
    for (auto& attributes : network.nodeAttributes) {
        if (gone(attributes->responseErrorSignal))
            attributes->responseErrorSignal.clear();
        EraseIf(attributes->faultStateSignals, gone);
    }
    for (auto& representation : network.signalRepresentations)
        EraseIf(representation->signalNames, gone);
}

// Frame slots may name unconditional, event-triggered and sporadic frames.
template <typename GoneSlot> void ForgetFrameSlots(LinNetwork& network, GoneSlot goneSlot)
{
    for (auto& table : network.scheduleTables)
        EraseIf(table->entries, [&](const auto& entry) {
            const FrameSlotCommand* slot = entry->FrameSlot();
            return slot && goneSlot(slot->frameName);
        });
}

template <typename GoneFrame, typename GoneSlot>
void ForgetFrames(LinNetwork& network, GoneFrame goneFrame, GoneSlot goneSlot, Dangling dangling)
{
    // A configurable frame may be event-triggered (LIN 2.1).
    for (auto& attributes : network.nodeAttributes)
        EraseIf(attributes->configurableFrames, [&](const auto& c) { return goneSlot(c->frameName); });
    for (auto& frame : network.eventTriggeredFrames)
        EraseIf(frame->frameNames, goneFrame);
    for (auto& frame : network.sporadicFrames)
        EraseIf(frame->frameNames, goneFrame);
    ForgetFrameSlots(network, goneSlot);
    // A frame-id command naming a frame of another kind is kept for the checks.
    ForgetInFrameIdCommands(network, &FrameIdCommand::frameName, goneSlot, dangling);
}

auto Is(const std::string& name)
{
    return [&name](std::string_view candidate) { return candidate == name; };
}

}  // namespace

void LinNetwork::PurgeDeletedNodes(NetworkNameIndexes& names)
{
    const RecordNameIndex& slaveNames = names.Slaves();
    auto notSlave = [&](std::string_view name) { return !slaveNames.Contains(name); };
    auto notNode = [&](std::string_view name) { return name != masterName && notSlave(name); };
    ForgetNodes(*this, notNode, notSlave, Dangling::ClearName);
}

void LinNetwork::PurgeDeletedSignals(NetworkNameIndexes& names)
{
    const RecordNameIndex& signalNames = names.Signals();
    ForgetSignals(*this, [&](std::string_view name) { return !signalNames.Contains(name); });
}

void LinNetwork::PurgeDeletedFrames(NetworkNameIndexes& names)
{
    const RecordNameIndex& frameNames = names.Frames();
    const RecordNameIndex& eventTriggeredNames = names.EventTriggeredFrames();
    const RecordNameIndex& sporadicNames = names.SporadicFrames();
    auto notFrame = [&](std::string_view name) { return !frameNames.Contains(name); };
    auto notSlotted = [&](std::string_view name) {
        return notFrame(name) && !eventTriggeredNames.Contains(name) && !sporadicNames.Contains(name);
    };
    ForgetFrames(*this, notFrame, notSlotted, Dangling::ClearName);
}

void LinNetwork::RemoveSlaveReferences(const std::string& name)
{
    ForgetNodes(*this, Is(name), Is(name), Dangling::RemoveCommand);
}

void LinNetwork::RemoveSignalReferences(const std::string& name) { ForgetSignals(*this, Is(name)); }

void LinNetwork::RemoveFrameReferences(const std::string& name)
{
    ForgetFrames(*this, Is(name), Is(name), Dangling::RemoveCommand);
}

void LinNetwork::RemoveFrameSlots(const std::string& name) { ForgetFrameSlots(*this, Is(name)); }

void LinNetwork::RemoveScheduleTableReferences(const std::string& name)
{
    for (auto& frame : eventTriggeredFrames)
        if (frame->collisionTable == name)
            frame->collisionTable.clear();
}
