// The document's named requests: each runs one editing command as one Edit,
// so that the views ask for a change and never hold the network to change.

#include "editing/ConfirmedAdd.h"
#include "editing/Document.h"
#include "editing/ListCommands.h"
#include "editing/TreeCommands.h"

bool Document::DeleteRows(const TreeItemRef& shown, const std::vector<int>& rows)
{
    return Edit([&](LinNetwork& network) { return DeleteListRows(network, shown, rows); });
}

bool Document::MoveRow(const TreeItemRef& shown, int row, int step)
{
    return Edit([&](LinNetwork& network) { return MoveListRow(network, shown, row, step); });
}

int Document::DuplicateRow(const TreeItemRef& shown, int row)
{
    int copy = -1;
    Edit([&](LinNetwork& network) { return (copy = DuplicateListRow(network, shown, row)) >= 0; });
    return copy;
}

SortOutcome Document::SortList(DataTable& table, int column, ColumnSortFlags& flags)
{
    SortOutcome outcome;
    Edit([&](LinNetwork& network) {
        outcome = SortDataTable(network, table, column, flags);
        return outcome.networkReordered;
    });
    return outcome;
}

bool Document::DeleteItem(const TreeItemRef& item)
{
    return Edit([&](LinNetwork& network) { return DeleteTreeItem(network, item); });
}

std::optional<TreeItemRef> Document::AddItem(const TreeItemRef& selected, const SheetEditor& editor)
{
    std::optional<TreeItemRef> added;
    Edit([&](LinNetwork& network) {
        added = AddWithSheet(network, selected,
                             [&](const SheetRequest& request) { return !editor || editor(request, network); });
        return added.has_value();
    });
    return added;
}

bool Document::RunSheet(const SheetRequest& request, const SheetEditor& editor)
{
    return request && editor && Edit([&](LinNetwork& network) { return editor(request, network); });
}

PasteOutcome Document::Paste(const std::string& text, const PasteTarget& target)
{
    PasteOutcome outcome;
    Edit([&](LinNetwork& network) {
        outcome = PasteEntities(network, text, target);
        return outcome.changed;
    });
    return outcome;
}

PasteOutcome Document::Duplicate(const ClipboardSelection& selection)
{
    PasteOutcome outcome;
    Edit([&](LinNetwork& network) {
        outcome = DuplicateSelection(network, selection);
        return outcome.changed;
    });
    return outcome;
}
