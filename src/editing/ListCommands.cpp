#include "editing/ListCommands.h"

#include "editing/DataRows.h"
#include "editing/EntityEdits.h"
#include "editing/ScheduleEntryEdits.h"
#include "editing/SheetRequests.h"
#include "editing/TreeCommands.h"
#include "model/LinNetwork.h"

namespace {

MenuState Menu(const char* title, bool add, bool remove, bool properties)
{
    return MenuState{title, add, remove, properties};
}

// A category whose rows are its entities: Add always, the rest with a row.
MenuState EntityListMenu(const char* title, bool hasRow) { return Menu(title, true, hasRow, hasRow); }

// An item whose rows are details: only Properties, with a row.
MenuState DetailListMenu(const char* title, bool hasRow) { return Menu(title, false, false, hasRow); }

}  // namespace

std::optional<EntityRef> EntityOfRow(const TreeItemRef& treeSelection, int row)
{
    if (row < 0)
        return std::nullopt;
    switch (treeSelection.kind) {
    case TreeItemKind::SchedulesCategory:
        return EntityRef{EntityKind::ScheduleTable, row};
    case TreeItemKind::SignalsCategory:
        return EntityRef{EntityKind::Signal, row};
    case TreeItemKind::SignalGroupsCategory:
        return EntityRef{EntityKind::SignalGroup, row};
    case TreeItemKind::EncodingTypesCategory:
        return EntityRef{EntityKind::EncodingType, row};
    case TreeItemKind::EventTriggeredCategory:
        return EntityRef{EntityKind::EventTriggeredFrame, row};
    case TreeItemKind::SporadicCategory:
        return EntityRef{EntityKind::SporadicFrame, row};
    case TreeItemKind::FramesCategory:
        // Rows 0 and 1 are the diagnostic frames.
        return row >= 2 ? std::optional<EntityRef>(EntityRef{EntityKind::Frame, row - 2}) : std::nullopt;
    case TreeItemKind::CompositionCategory:
        return EntityRef{EntityKind::Configuration, row};
    case TreeItemKind::NodesCategory:
        // Row 0 is the master.
        return row >= 1 ? std::optional<EntityRef>(EntityRef{EntityKind::Slave, row - 1}) : std::nullopt;
    default:
        return std::nullopt;
    }
}

namespace {

SheetRequest EncodingValueRequest(const LinNetwork& network, int type, int row)
{
    const EncodingType* encoding = network.encodingTypes.RecordAt(type);
    if (!encoding || row < 0)
        return {};
    // BCD and ASCII rows have no sheet.
    const std::size_t editable = encoding->logicalValues.size() + encoding->physicalRanges.size();
    if (static_cast<std::size_t>(row) >= editable)
        return {};
    return Request(SheetId::EncValSheet, sheetcaption::EncodingValue, type, row);
}

SheetRequest ScheduleEntryRequest(const LinNetwork& network, int table, int row)
{
    const ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    if (!schedule || !schedule->entries.Exists(row))
        return {};
    return Request(SheetId::ScheduleSheet, sheetcaption::FrameProperties, table, row);
}

// The table whose entries the list shows.
std::optional<int> ScheduleTableOf(const TreeItemRef& treeSelection)
{
    if (treeSelection.kind != TreeItemKind::ScheduleTable || !treeSelection.record)
        return std::nullopt;
    return treeSelection.record->index;
}

}  // namespace

SheetRequest FrameSignalRequest(const LinNetwork& network, int frame, int row)
{
    const LinFrame* owner = network.frames.RecordAt(frame);
    if (!owner || row < 0 || static_cast<std::size_t>(row) >= owner->signalNames.size())
        return {};
    return Request(SheetId::FrameOffSheet, sheetcaption::Offset, frame, row);
}

SheetRequest FrameSignalRequest(const LinNetwork& network, const std::string& frameName, int position)
{
    for (std::size_t i = 0; i < network.frames.size(); ++i)
        if (network.frames[i]->name == frameName)
            return FrameSignalRequest(network, static_cast<int>(i), position);
    return {};
}

MenuState ListMenuFor(const TreeItemRef& treeSelection, int row)
{
    const bool hasRow = row >= 0;
    if (ListShowsMaster(treeSelection))
        return DetailListMenu(menutitle::Master, hasRow);
    switch (treeSelection.kind) {
    case TreeItemKind::Network:
        return Menu(hasRow ? menutitle::Network : menutitle::Fallback, false, false, true);
    case TreeItemKind::NodesCategory:
        return Menu(menutitle::Node, true, row >= 1, hasRow);
    case TreeItemKind::CompositionCategory:
        return EntityListMenu(menutitle::Configuration, hasRow);
    case TreeItemKind::FramesCategory:
        return EntityListMenu(menutitle::Frame, row >= 2);
    case TreeItemKind::DynamicFrames:
        return DetailListMenu(menutitle::DynamicFrames, hasRow);
    case TreeItemKind::EventTriggeredCategory:
        return EntityListMenu(menutitle::EventTriggeredFrame, hasRow);
    case TreeItemKind::SporadicCategory:
        return EntityListMenu(menutitle::SporadicFrame, hasRow);
    case TreeItemKind::SignalsCategory:
        return EntityListMenu(menutitle::Signal, hasRow);
    case TreeItemKind::SignalGroupsCategory:
        return EntityListMenu(menutitle::SignalGroup, hasRow);
    case TreeItemKind::SignalGroup:
        return DetailListMenu(menutitle::SignalGroup, hasRow);
    case TreeItemKind::SchedulesCategory:
        return EntityListMenu(menutitle::Schedule, hasRow);
    case TreeItemKind::EncodingTypesCategory:
        return EntityListMenu(menutitle::EncodingType, hasRow);
    case TreeItemKind::Master:
        return DetailListMenu(menutitle::Master, hasRow);
    case TreeItemKind::Slave:
        return DetailListMenu(menutitle::Node, hasRow);
    case TreeItemKind::Configuration:
    case TreeItemKind::CompositeNode:
        return DetailListMenu(menutitle::CompositeNode, hasRow);
    case TreeItemKind::MasterRequestFrame:
    case TreeItemKind::SlaveResponseFrame:
    case TreeItemKind::OtherDiagnosticFrame:
        return Menu(menutitle::Frame, true, false, false);
    case TreeItemKind::KeptStatement:
        // Its one row is the statement.
        return Menu(menutitle::KeptStatement, false, hasRow, false);
    case TreeItemKind::Frame:
        return DetailListMenu(menutitle::Frame, hasRow);
    case TreeItemKind::EventTriggeredFrame:
        return DetailListMenu(menutitle::EventTriggeredFrame, hasRow);
    case TreeItemKind::SporadicFrame:
        return DetailListMenu(menutitle::SporadicFrame, hasRow);
    case TreeItemKind::RepresentationCategory:
        return DetailListMenu(menutitle::Representation, hasRow);
    case TreeItemKind::Signal:
        return DetailListMenu(menutitle::Signal, hasRow);
    case TreeItemKind::ScheduleTable:
        // Its rows are the table's entries, which the list deletes too.
        return Menu(menutitle::Schedule, false, hasRow, hasRow);
    case TreeItemKind::EncodingType:
    case TreeItemKind::Representation:
        return DetailListMenu(menutitle::EncodingType, hasRow);
    case TreeItemKind::None:
        break;
    }
    return Menu(menutitle::Fallback, false, false, false);
}

bool DeleteListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row)
{
    if (const std::optional<int> table = ScheduleTableOf(treeSelection))
        return RemoveScheduleEntry(network, *table, row);
    if (treeSelection.kind == TreeItemKind::KeptStatement)
        return row == 0 && DeleteTreeItem(network, treeSelection);
    const std::optional<EntityRef> entity = EntityOfRow(treeSelection, row);
    return entity && RemoveEntity(network, *entity);
}

bool MoveListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row, int step)
{
    const std::optional<int> table = ScheduleTableOf(treeSelection);
    return table && MoveScheduleEntry(network, *table, row, step);
}

int DuplicateListRow(LinNetwork& network, const TreeItemRef& treeSelection, int row)
{
    const std::optional<int> table = ScheduleTableOf(treeSelection);
    return table ? DuplicateScheduleEntry(network, *table, row) : -1;
}

SheetRequest ListPropertiesFor(const LinNetwork& network, const TreeItemRef& treeSelection, int row)
{
    const LinNetwork& n = network;
    const int index = treeSelection.record ? treeSelection.record->index : -1;
    const int parent = treeSelection.record ? treeSelection.record->parent : -1;
    // The row opens what it shows.
    if (ListShowsMaster(treeSelection))
        return Request(SheetId::MasterSheet, sheetcaption::Master);
    switch (treeSelection.kind) {
    case TreeItemKind::SignalsCategory:
        return RequestFor(n.signals, row, SheetId::SignalSheet, sheetcaption::Signals);
    case TreeItemKind::SignalGroupsCategory:
        return RequestFor(n.signalGroups, row, SheetId::SignalGroupSheet, sheetcaption::SignalGroup);
    case TreeItemKind::SignalGroup:
        return RequestFor(n.signalGroups, index, SheetId::SignalGroupSheet, sheetcaption::SignalGroup);
    case TreeItemKind::Signal:
        return RequestFor(n.signals, index, SheetId::SignalSheet, sheetcaption::Signals);
    case TreeItemKind::DynamicFrames:
        return Request(SheetId::DynFrmSheet, sheetcaption::DynamicFrames);
    case TreeItemKind::SporadicCategory:
        return RequestFor(n.sporadicFrames, row, SheetId::SporadicFrmSheet, sheetcaption::SporadicFrame);
    case TreeItemKind::SporadicFrame:
        return RequestFor(n.sporadicFrames, index, SheetId::SporadicFrmSheet, sheetcaption::SporadicFrame);
    case TreeItemKind::EventTriggeredCategory:
        return RequestFor(n.eventTriggeredFrames, row, SheetId::ETFrameSheet, sheetcaption::EventTriggeredFrame);
    case TreeItemKind::EventTriggeredFrame:
        return RequestFor(n.eventTriggeredFrames, index, SheetId::ETFrameSheet, sheetcaption::EventTriggeredFrame);
    case TreeItemKind::Network:
        return Request(SheetId::NetworkSheet, sheetcaption::Properties);
    case TreeItemKind::NodesCategory:
        if (row == 0)
            return Request(SheetId::MasterSheet, sheetcaption::Master);
        return RequestFor(n.slaves, row - 1, SheetId::NAttSheet, sheetcaption::Attributes);
    case TreeItemKind::Slave:
        return RequestFor(n.slaves, index, SheetId::NAttSheet, sheetcaption::Attributes);
    case TreeItemKind::CompositionCategory:
        return RequestFor(n.compositeConfigurations, row, SheetId::CompConfigSheet, sheetcaption::Configuration);
    case TreeItemKind::Configuration:
        return CompositeNodeRequest(n, index, row, sheetcaption::Configuration);
    case TreeItemKind::CompositeNode:
        return CompositeNodeRequest(n, parent, index, sheetcaption::Configuration);
    case TreeItemKind::SchedulesCategory:
        return RequestFor(n.scheduleTables, row, SheetId::ScheduleNameSheet, sheetcaption::Schedule);
    case TreeItemKind::EncodingType:
        return EncodingValueRequest(n, index, row);
    case TreeItemKind::EncodingTypesCategory:
        return RequestFor(n.encodingTypes, row, SheetId::SigEncSheet, sheetcaption::SignalEncoding);
    case TreeItemKind::ScheduleTable:
        return ScheduleEntryRequest(n, index, row);
    case TreeItemKind::Representation:
        return RequestFor(n.signalRepresentations, index, SheetId::SignalRepSheet, sheetcaption::Representation);
    case TreeItemKind::RepresentationCategory:
        return RequestFor(n.signalRepresentations, row, SheetId::SignalRepSheet, sheetcaption::Representation);
    case TreeItemKind::FramesCategory:
        return row >= 2 ? RequestFor(n.frames, row - 2, SheetId::FrameSheet, sheetcaption::Frame) : SheetRequest{};
    case TreeItemKind::Frame:
        return FrameSignalRequest(n, index, row);
    default:
        return {};
    }
}
