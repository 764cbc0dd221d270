#pragma once

#include "editing/SheetRequest.h"
#include "editing/TreeItem.h"

#include <optional>
#include <string>

class LinNetwork;

// The commands of the navigation tree's context menu, as plain functions of
// the selected item and the network. The tree view shows the menu, runs the
// sheet a command asks for and rebuilds itself after every change.

// Command identifiers of the tree's and the data list's context menus.
enum TreeCommandId {
    kCommandAdd = 2000,
    kCommandDelete = 2001,
    kCommandProperties = 2002,
    kCommandExpandAll = 2003,
    kCommandCollapseAll = 2004,
};

// Titles of the context menus. Shown to users verbatim and matched by tests;
// keep the spelling.
namespace menutitle {
inline constexpr const char* Network = "Network";
inline constexpr const char* Node = "Node";
inline constexpr const char* Master = "Master";
inline constexpr const char* Configuration = "Configuration";
inline constexpr const char* CompositeNode = "Composite Node";
inline constexpr const char* Frame = "Frame";
inline constexpr const char* EventTriggeredFrame = "E. T. Frame";
inline constexpr const char* SporadicFrame = "Sporadic Frame";
inline constexpr const char* DynamicFrames = "Dynamic Frames";
inline constexpr const char* Signal = "Signal";
inline constexpr const char* SignalGroup = "Signal Group";
inline constexpr const char* EncodingType = "Encoding Type";
inline constexpr const char* Representation = "Representation";
inline constexpr const char* Schedule = "Schedule";
inline constexpr const char* KeptStatement = "Statement";
inline constexpr const char* Fallback = "Duvazadi";
}  // namespace menutitle

// The menu's title line and which of its entries are enabled; "Expand all"
// and "Collapse all" always are.
struct MenuState {
    std::string title;
    bool add = false;
    bool remove = false;
    bool properties = false;
};

MenuState TreeMenuFor(const TreeItemRef& item);

// Add: appends a new entity of the item's kind (or of the kind listed under
// it) and returns the tree item that will show it after the rebuild; its
// sheet is then opened through TreePropertiesFor. Nothing for items that
// offer no Add.
std::optional<TreeItemRef> AddForTreeItem(LinNetwork& network, const TreeItemRef& item);

// Delete: removes the entity the item shows with every reference to it.
// False (and nothing changed) for fixed items or a position that no longer
// names a record.
bool DeleteTreeItem(LinNetwork& network, const TreeItemRef& item);

// Properties (and double-click): the sheet for the item; empty when the item
// has none or its record no longer exists.
SheetRequest TreePropertiesFor(const LinNetwork& network, const TreeItemRef& item);
