#include "editing/TreeCommands.h"

#include "editing/EntityEdits.h"
#include "editing/SheetRequests.h"
#include "model/LinNetwork.h"

namespace {

MenuState Menu(const char* title, bool add, bool remove, bool properties)
{
    return MenuState{title, add, remove, properties};
}

// What Add creates for an item: the kind, and the configuration of a new
// composite node.
std::optional<EntityRef> NewEntityFor(const TreeItemRef& item)
{
    switch (item.kind) {
    case TreeItemKind::SignalsCategory:
    case TreeItemKind::Signal:
        return EntityRef{EntityKind::Signal};
    case TreeItemKind::NodesCategory:
    case TreeItemKind::Master:
    case TreeItemKind::Slave:
        return EntityRef{EntityKind::Slave};
    case TreeItemKind::CompositionCategory:
        return EntityRef{EntityKind::Configuration};
    case TreeItemKind::Configuration:
        return EntityRef{EntityKind::CompositeNode, 0, item.record ? item.record->index : -1};
    case TreeItemKind::CompositeNode:
        return EntityRef{EntityKind::CompositeNode, 0, item.record ? item.record->parent : -1};
    case TreeItemKind::EventTriggeredCategory:
    case TreeItemKind::EventTriggeredFrame:
        return EntityRef{EntityKind::EventTriggeredFrame};
    case TreeItemKind::SporadicCategory:
    case TreeItemKind::SporadicFrame:
        return EntityRef{EntityKind::SporadicFrame};
    case TreeItemKind::FramesCategory:
    case TreeItemKind::MasterRequestFrame:
    case TreeItemKind::SlaveResponseFrame:
    case TreeItemKind::OtherDiagnosticFrame:
    case TreeItemKind::Frame:
        return EntityRef{EntityKind::Frame};
    case TreeItemKind::EncodingTypesCategory:
    case TreeItemKind::EncodingType:
        return EntityRef{EntityKind::EncodingType};
    case TreeItemKind::SignalGroupsCategory:
    case TreeItemKind::SignalGroup:
        return EntityRef{EntityKind::SignalGroup};
    case TreeItemKind::SchedulesCategory:
    case TreeItemKind::ScheduleTable:
        return EntityRef{EntityKind::ScheduleTable};
    default:
        return std::nullopt;
    }
}

}  // namespace

MenuState TreeMenuFor(const TreeItemRef& item)
{
    switch (item.kind) {
    case TreeItemKind::Network:
        return Menu(menutitle::Network, false, false, true);
    case TreeItemKind::NodesCategory:
        return Menu(menutitle::Node, true, false, false);
    case TreeItemKind::Master:
        return Menu(menutitle::Node, true, false, true);
    case TreeItemKind::Slave:
        return Menu(menutitle::Node, true, true, true);
    case TreeItemKind::CompositionCategory:
        return Menu(menutitle::Configuration, true, false, false);
    case TreeItemKind::Configuration:
    case TreeItemKind::CompositeNode:
        return Menu(menutitle::CompositeNode, true, true, true);
    case TreeItemKind::FramesCategory:
    case TreeItemKind::MasterRequestFrame:
    case TreeItemKind::SlaveResponseFrame:
    case TreeItemKind::OtherDiagnosticFrame:
        return Menu(menutitle::Frame, true, false, false);
    case TreeItemKind::Frame:
        return Menu(menutitle::Frame, true, true, true);
    case TreeItemKind::EventTriggeredCategory:
        return Menu(menutitle::EventTriggeredFrame, true, false, false);
    case TreeItemKind::EventTriggeredFrame:
        return Menu(menutitle::EventTriggeredFrame, true, true, true);
    case TreeItemKind::SporadicCategory:
        return Menu(menutitle::SporadicFrame, true, false, false);
    case TreeItemKind::SporadicFrame:
        return Menu(menutitle::SporadicFrame, true, true, true);
    case TreeItemKind::DynamicFrames:
        return Menu(menutitle::DynamicFrames, false, false, true);
    case TreeItemKind::SignalsCategory:
        return Menu(menutitle::Signal, true, false, false);
    case TreeItemKind::Signal:
        return Menu(menutitle::Signal, true, true, true);
    case TreeItemKind::EncodingTypesCategory:
        return Menu(menutitle::EncodingType, true, false, false);
    case TreeItemKind::EncodingType:
        return Menu(menutitle::EncodingType, true, true, true);
    case TreeItemKind::RepresentationCategory:
        return Menu(menutitle::Representation, false, false, false);
    case TreeItemKind::Representation:
        return Menu(menutitle::EncodingType, false, false, true);
    case TreeItemKind::SignalGroupsCategory:
        return Menu(menutitle::SignalGroup, true, false, false);
    case TreeItemKind::SignalGroup:
        return Menu(menutitle::SignalGroup, true, true, true);
    case TreeItemKind::SchedulesCategory:
        return Menu(menutitle::Schedule, true, false, false);
    case TreeItemKind::ScheduleTable:
        return Menu(menutitle::Schedule, true, true, true);
    case TreeItemKind::KeptStatement:
        return Menu(menutitle::KeptStatement, false, true, false);
    case TreeItemKind::None:
        break;
    }
    return Menu(menutitle::Fallback, false, false, false);
}

std::optional<TreeItemRef> AddForTreeItem(LinNetwork& network, const TreeItemRef& item)
{
    const std::optional<EntityRef> wanted = NewEntityFor(item);
    if (!wanted)
        return std::nullopt;
    const std::optional<EntityRef> added = AddEntity(network, wanted->kind, wanted->parent);
    if (!added)
        return std::nullopt;
    const TreeOutline rebuilt = LayOutTree(network);
    return TreeItemAt(rebuilt, FindOutlineItem(rebuilt, *added));
}

bool DeleteTreeItem(LinNetwork& network, const TreeItemRef& item)
{
    return item.record && RemoveEntity(network, *item.record);
}

SheetRequest TreePropertiesFor(const LinNetwork& network, const TreeItemRef& item)
{
    const LinNetwork& n = network;
    switch (item.kind) {
    case TreeItemKind::Network:
        return Request(SheetId::NetworkSheet, sheetcaption::Properties);
    case TreeItemKind::Master:
        return Request(SheetId::MasterSheet, sheetcaption::Master);
    case TreeItemKind::DynamicFrames:
        return Request(SheetId::DynFrmSheet, sheetcaption::DynamicFrames);
    default:
        break;
    }
    const std::optional<EntityRef>& entity = item.record;
    if (!entity)
        return {};
    const int index = entity->index;
    switch (entity->kind) {
    case EntityKind::Slave:
        return RequestFor(n.slaves, index, SheetId::NAttSheet, sheetcaption::Attributes);
    case EntityKind::Configuration:
        return RequestFor(n.compositeConfigurations, index, SheetId::CompConfigSheet, sheetcaption::Configuration);
    case EntityKind::CompositeNode:
        return CompositeNodeRequest(n, entity->parent, index, sheetcaption::Properties);
    case EntityKind::Frame:
        return RequestFor(n.frames, index, SheetId::FrameSheet, sheetcaption::Frame);
    case EntityKind::EventTriggeredFrame:
        return RequestFor(n.eventTriggeredFrames, index, SheetId::ETFrameSheet, sheetcaption::EventTriggeredFrame);
    case EntityKind::SporadicFrame:
        return RequestFor(n.sporadicFrames, index, SheetId::SporadicFrmSheet, sheetcaption::SporadicFrame);
    case EntityKind::Signal:
        return RequestFor(n.signals, index, SheetId::SignalSheet, sheetcaption::Signals);
    case EntityKind::EncodingType:
        return RequestFor(n.encodingTypes, index, SheetId::SigEncSheet, sheetcaption::EncodingType);
    case EntityKind::ScheduleTable:
        return RequestFor(n.scheduleTables, index, SheetId::ScheduleNameSheet, sheetcaption::Schedule);
    case EntityKind::Representation:
        return RequestFor(n.signalRepresentations, index, SheetId::SignalRepSheet, sheetcaption::Representation);
    case EntityKind::SignalGroup:
        return RequestFor(n.signalGroups, index, SheetId::SignalGroupSheet, sheetcaption::SignalGroup);
    case EntityKind::KeptStatement:
        break;
    }
    return {};
}
