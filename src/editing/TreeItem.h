#pragma once

#include "validation/TreeOutline.h"

#include <optional>
#include <string>
#include <vector>

// How the editor names the items of the navigation tree and the entities
// behind them. Tree items map to records by position only: the top-level
// text, the depth and the index among siblings (a slave is child k of
// "Nodes" for slave k - 1, because "Master" comes first; frames and signals
// follow two fixed children).

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

    bool IsValid() const { return depth >= 0; }
};

TreeItemRef TopItemRef(const std::string& text);
TreeItemRef ChildItemRef(const std::string& topText, int siblingIndex, const std::string& text = {});
TreeItemRef GrandchildItemRef(const std::string& topText, int parentSiblingIndex, int siblingIndex,
                              const std::string& text = {});

// Sibling indexes from the top level down: [top], [top, child] or
// [top, child, grandchild]. Empty for an item outside the fixed layout.
std::vector<int> TreePathOf(const TreeItemRef& item);

enum class TreeItemKind {
    None,
    Network,
    NodesCategory,
    Master,
    Slave,
    CompositionCategory,
    Configuration,
    CompositeNode,
    FramesCategory,
    DiagnosticFrame,  // MasterReq or SlaveRes
    Frame,
    EventTriggeredCategory,
    EventTriggeredFrame,
    SporadicCategory,
    SporadicFrame,
    DynamicFrames,
    SignalsCategory,
    EncodingTypesCategory,
    RepresentationCategory,
    Signal,
    EncodingType,
    Representation,  // an item under "Representation"
    SchedulesCategory,
    ScheduleTable,
};

TreeItemKind ClassifyItem(const TreeItemRef& item);

// The records that Add creates and Delete removes.
enum class EntityKind {
    Slave,
    Configuration,
    CompositeNode,
    Frame,
    EventTriggeredFrame,
    SporadicFrame,
    Signal,
    EncodingType,
    ScheduleTable,
};

struct EntityRef {
    EntityKind kind = EntityKind::Signal;
    int index = 0;    // in the record's list
    int parent = -1;  // the configuration of a composite node
};

// The entity an item shows; none for fixed items.
std::optional<EntityRef> EntityOf(const TreeItemRef& item);
// The tree item that shows an entity.
TreeItemRef TreeItemOf(const EntityRef& entity);
