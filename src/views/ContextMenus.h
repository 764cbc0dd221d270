#pragma once

#include "editing/TreeCommands.h"
#include "editing/TreeItem.h"
#include "editing/WhereUsed.h"

#include <memory>
#include <vector>

class QAction;
class QKeyEvent;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TitledPopupMenu;

// The context menus of the tree and of the data list, built from a
// MenuState. Each entry's data is its command id (TreeCommandId); show the
// menu with exec() at the pointer and pass CommandOf(chosen) on.

// Title, separator, Add, Delete, separator, Properties, separator,
// Expand all, Collapse all; for an entity then "Where used" with one entry
// per usage (disabled when there is none).
std::unique_ptr<TitledPopupMenu> MakeTreeContextMenu(const MenuState& state, QWidget* parent,
                                                     const std::vector<Usage>* usages = nullptr);
// Title, separator, Add, Delete, separator, Properties.
std::unique_ptr<TitledPopupMenu> MakeListContextMenu(const MenuState& state, QWidget* parent);

// The command a key gives where the menu would offer it: Delete deletes,
// Enter, Return and F2 open Properties; 0 for any other key.
int CommandOfKey(const QKeyEvent& key, const MenuState& state);

// The command of a chosen entry; 0 for none.
int CommandOf(const QAction* chosen);
// The usage a chosen entry of "Where used" stands for; -1 for any other entry.
int UsageOf(const QAction* chosen);
// The menu entry with that command, or null.
QAction* FindCommand(const TitledPopupMenu& menu, int command);

// Keeps what the outline says an item is with the tree item.
void SetOutlineData(QTreeWidgetItem& item, const OutlineItem& entry);
// Whether the tree item was given that kind of item and record.
bool HasOutlineData(const QTreeWidgetItem& item, const OutlineItem& entry);
// The identity of a tree item of the navigation tree, and back.
TreeItemRef TreeItemRefOf(const QTreeWidgetItem* item);
QTreeWidgetItem* FindTreeItem(const QTreeWidget& tree, const TreeItemRef& ref);
