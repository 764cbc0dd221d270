#pragma once

#include "validation/TreeOutline.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// How the editor names the items of the navigation tree and the entities
// behind them. Every reference comes from an outline: the item keeps what
// the rebuild laid out for it (its kind and record) and where it stands.

// The top-level items in tree order.
const std::vector<std::string>& TopLevelTexts();

// Identity of one tree item.
struct TreeItemRef {
    TreeItemKind kind = TreeItemKind::None;
    std::optional<EntityRef> record;  // none for fixed items
    int depth = -1;                   // -1: no item
    std::string itemText;
    // Sibling indexes from the top level down: [top], [top, child] or
    // [top, child, grandchild].
    std::vector<int> path;

    bool IsValid() const { return depth >= 0; }
};

// The reference of an outline item; an empty one for an index outside.
TreeItemRef TreeItemAt(const TreeOutline& outline, int item);

// The index of the item that shows a record; -1 when none does.
int FindOutlineItem(const TreeOutline& outline, const EntityRef& record);

// FindOutlineItem for many records of one outline, as the rows of a long
// list ask: the outline is gone through once.
class OutlineRecordIndex {
public:
    explicit OutlineRecordIndex(const TreeOutline& outline);
    int Find(const EntityRef& record) const;

private:
    struct RecordHash {
        std::size_t operator()(const EntityRef& record) const;
    };
    struct SameRecord {
        bool operator()(const EntityRef& a, const EntityRef& b) const;
    };
    std::unordered_map<EntityRef, int, RecordHash, SameRecord> m_items;
};
