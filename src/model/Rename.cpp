#include "model/Rename.h"

#include "model/LinNetwork.h"

#include <utility>

namespace {

using MentionRenamer = void (*)(LinNetwork&, Name, Name);

void Replace(Name& mention, Name from, Name to)
{
    if (mention == from)
        mention = to;
}

void Replace(NameList& mentions, Name from, Name to)
{
    for (Name& mention : mentions)
        Replace(mention, from, to);
}

void RenameNodeMentions(LinNetwork& n, Name from, Name to)
{
    for (const auto& signal : n.signals) {
        Replace(signal->publisher, from, to);
        Replace(signal->subscribers, from, to);
    }
    for (const auto& frame : n.frames)
        Replace(frame->publisher, from, to);
    for (const auto& attributes : n.nodeAttributes)
        Replace(attributes->nodeName, from, to);
    for (const auto& address : n.diagnosticAddresses)
        Replace(address->nodeName, from, to);
    for (const auto& configuration : n.compositeConfigurations)
        for (const auto& node : configuration->compositeNodes)
            Replace(node->logicalNodes, from, to);
    for (const auto& table : n.scheduleTables)
        for (const auto& entry : table->entries) {
            if (FrameIdCommand* command = entry->FrameId())
                Replace(command->nodeName, from, to);
            if (NodeCommand* command = entry->Node())
                Replace(command->nodeName, from, to);
            if (AssignNadCommand* command = entry->AssignNad())
                Replace(command->nodeName, from, to);
        }
}

void RenameSignalMentions(LinNetwork& n, Name from, Name to)
{
    for (const auto& frame : n.frames)
        Replace(frame->signalNames, from, to);
    Replace(n.masterRequest.signalNames, from, to);
    Replace(n.slaveResponse.signalNames, from, to);
    for (const auto& group : n.signalGroups)
        Replace(group->signalNames, from, to);
    for (const auto& representation : n.signalRepresentations)
        Replace(representation->signalNames, from, to);
    for (const auto& attributes : n.nodeAttributes) {
        Replace(attributes->responseErrorSignal, from, to);
        Replace(attributes->faultStateSignals, from, to);
    }
}

void RenameFrameMentions(LinNetwork& n, Name from, Name to)
{
    for (const auto& frame : n.eventTriggeredFrames)
        Replace(frame->frameNames, from, to);
    for (const auto& frame : n.sporadicFrames)
        Replace(frame->frameNames, from, to);
    for (const auto& table : n.scheduleTables)
        for (const auto& entry : table->entries) {
            if (FrameSlotCommand* slot = entry->FrameSlot())
                Replace(slot->frameName, from, to);
            if (FrameIdCommand* command = entry->FrameId())
                Replace(command->frameName, from, to);
        }
    for (const auto& attributes : n.nodeAttributes)
        for (const auto& configurable : attributes->configurableFrames)
            Replace(configurable->frameName, from, to);
}

// An event-triggered frame names the table that resolves its collisions.
void RenameScheduleTableMentions(LinNetwork& n, Name from, Name to)
{
    for (const auto& frame : n.eventTriggeredFrames)
        Replace(frame->collisionTable, from, to);
}

void RenameEncodingMentions(LinNetwork& n, Name from, Name to)
{
    for (const auto& representation : n.signalRepresentations)
        Replace(representation->encodingName, from, to);
}

template <typename Record>
bool RenameIn(LinNetwork& network, OwnedList<Record>& list, std::size_t index, const std::string& name,
              MentionRenamer renameMentions)
{
    if (index >= list.size())
        return false;
    const Name old = std::exchange(list[index]->name, Name(name));
    if (renameMentions && old != name)
        renameMentions(network, old, name);
    return true;
}

}  // namespace

bool RenameMaster(LinNetwork& network, const std::string& name)
{
    const Name old = std::exchange(network.masterName, Name(name));
    if (old != name)
        RenameNodeMentions(network, old, name);
    return true;
}

bool RenameSlave(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.slaves, index, name, RenameNodeMentions);
}

bool RenameSignal(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.signals, index, name, RenameSignalMentions);
}

bool RenameFrame(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.frames, index, name, RenameFrameMentions);
}

bool RenameEventTriggeredFrame(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.eventTriggeredFrames, index, name, RenameFrameMentions);
}

bool RenameSporadicFrame(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.sporadicFrames, index, name, RenameFrameMentions);
}

bool RenameScheduleTable(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.scheduleTables, index, name, RenameScheduleTableMentions);
}

bool RenameSignalGroup(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.signalGroups, index, name, nullptr);
}

bool RenameEncodingType(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.encodingTypes, index, name, RenameEncodingMentions);
}

bool RenameCompositeConfiguration(LinNetwork& network, std::size_t index, const std::string& name)
{
    return RenameIn(network, network.compositeConfigurations, index, name, nullptr);
}

bool RenameCompositeNode(LinNetwork& network, std::size_t configuration, std::size_t index, const std::string& name)
{
    if (configuration >= network.compositeConfigurations.size())
        return false;
    return RenameIn(network, network.compositeConfigurations[configuration]->compositeNodes, index, name, nullptr);
}
