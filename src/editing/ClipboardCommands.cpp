#include "editing/ClipboardCommands.h"

#include "editing/ListCommands.h"

#include <algorithm>
#include <functional>

namespace {

bool IsCopyable(EntityKind kind)
{
    switch (kind) {
    case EntityKind::Signal:
    case EntityKind::Frame:
    case EntityKind::EventTriggeredFrame:
    case EntityKind::SporadicFrame:
    case EntityKind::ScheduleTable:
    case EntityKind::EncodingType:
        return true;
    default:
        return false;
    }
}

int LastOf(const std::vector<int>& rows) { return rows.empty() ? -1 : *std::max_element(rows.begin(), rows.end()); }

}  // namespace

ClipboardSelection SelectionToCopy(const TreeItemRef& treeSelection, const std::vector<int>& listRows)
{
    ClipboardSelection selection;
    if (treeSelection.kind == TreeItemKind::ScheduleTable && treeSelection.record && !listRows.empty()) {
        selection.scheduleTable = treeSelection.record->index;
        selection.entries = listRows;
        return selection;
    }
    for (const int row : listRows)
        if (const std::optional<EntityRef> entity = EntityOfRow(treeSelection, row); entity && IsCopyable(entity->kind))
            selection.entities.push_back(*entity);
    if (listRows.empty() && treeSelection.record && IsCopyable(treeSelection.record->kind))
        selection.entities.push_back(*treeSelection.record);
    return selection;
}

std::string CopySelection(const LinNetwork& network, const ClipboardSelection& selection)
{
    if (!selection.entries.empty())
        return CopyScheduleEntries(network, selection.scheduleTable, selection.entries);
    return CopyEntities(network, selection.entities);
}

PasteTarget PasteTargetFor(const TreeItemRef& treeSelection, const std::vector<int>& listRows)
{
    if (treeSelection.kind != TreeItemKind::ScheduleTable || !treeSelection.record)
        return {};
    return {treeSelection.record->index, LastOf(listRows)};
}

PasteOutcome DuplicateSelection(LinNetwork& network, const ClipboardSelection& selection)
{
    if (selection.entries.empty())
        return DuplicateEntities(network, selection.entities);
    PasteOutcome outcome;
    outcome.changed = DuplicateScheduleEntries(network, selection.scheduleTable, selection.entries);
    return outcome;
}

bool DeleteListRows(LinNetwork& network, const TreeItemRef& treeSelection, std::vector<int> rows)
{
    // From the last row up, so that the rows before keep their places.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    bool deleted = false;
    for (const int row : rows)
        deleted = DeleteListRow(network, treeSelection, row) || deleted;
    return deleted;
}
