#pragma once

#include "validation/TreeOutline.h"

#include <optional>
#include <string>
#include <vector>

// How the editor names the items of the navigation tree and the entities
// behind them. An item of the tree carries what the rebuild laid out for it
// (its kind and record). A reference made from a position alone is mapped by
// the top-level text, the depth and the index among siblings (a slave is
// child k of "Nodes" for slave k - 1, because "Master" comes first; frames
// and signals follow two fixed children).

// The top-level items in tree order.
const std::vector<std::string>& TopLevelTexts();

// Identity of one tree item. The item text only serves to recognise fixed
// items; entities are found by position.
struct TreeItemRef {
    int depth = -1;  // -1: no item
    std::string topText;
    std::string itemText;
    int siblingIndex = 0;
    int parentSiblingIndex = -1;  // depth 2 only
    // As the outline gave them; None when only the position is known.
    TreeItemKind kind = TreeItemKind::None;
    std::optional<EntityRef> record;

    bool IsValid() const { return depth >= 0; }
};

TreeItemRef TopItemRef(const std::string& text);
TreeItemRef ChildItemRef(const std::string& topText, int siblingIndex, const std::string& text = {});
TreeItemRef GrandchildItemRef(const std::string& topText, int parentSiblingIndex, int siblingIndex,
                              const std::string& text = {});

// Sibling indexes from the top level down: [top], [top, child] or
// [top, child, grandchild]. Empty for an item outside the fixed layout.
std::vector<int> TreePathOf(const TreeItemRef& item);

TreeItemKind ClassifyItem(const TreeItemRef& item);

// The entity an item shows; none for fixed items.
std::optional<EntityRef> EntityOf(const TreeItemRef& item);
// The tree item that shows an entity.
TreeItemRef TreeItemOf(const EntityRef& entity);
