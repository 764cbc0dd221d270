#include "editing/TreeItem.h"

#include <algorithm>

namespace {

// Children that precede the entities of a category.
constexpr int kFixedSlaveItems = 1;   // "Master"
constexpr int kFixedFrameItems = 2;   // "MasterReq", "SlaveRes"
constexpr int kFixedSignalItems = 2;  // "Encoding Types", "Representation"
constexpr int kEncodingTypesIndex = 0;
constexpr int kRepresentationIndex = 1;

// The fixed children that precede the entities of a kind.
int FixedItemsBefore(TreeItemKind kind)
{
    switch (kind) {
    case TreeItemKind::Slave:
        return kFixedSlaveItems;
    case TreeItemKind::Frame:
        return kFixedFrameItems;
    case TreeItemKind::Signal:
        return kFixedSignalItems;
    default:
        return 0;
    }
}

int TopIndexOf(const std::string& text)
{
    const auto& texts = TopLevelTexts();
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

TreeItemKind ClassifyTopLevel(const std::string& text)
{
    using namespace outline_text;
    if (text == Network)
        return TreeItemKind::Network;
    if (text == Nodes)
        return TreeItemKind::NodesCategory;
    if (text == NodeComposition)
        return TreeItemKind::CompositionCategory;
    if (text == Frames)
        return TreeItemKind::FramesCategory;
    if (text == EventTriggeredFrames)
        return TreeItemKind::EventTriggeredCategory;
    if (text == SporadicFrames)
        return TreeItemKind::SporadicCategory;
    if (text == DynamicFrames)
        return TreeItemKind::DynamicFrames;
    if (text == Signals)
        return TreeItemKind::SignalsCategory;
    if (text == Schedules)
        return TreeItemKind::SchedulesCategory;
    return TreeItemKind::None;
}

TreeItemKind ClassifyChild(const std::string& top, int index)
{
    using namespace outline_text;
    if (top == Nodes)
        return index < kFixedSlaveItems ? TreeItemKind::Master : TreeItemKind::Slave;
    if (top == NodeComposition)
        return TreeItemKind::Configuration;
    if (top == Frames)
        return index < kFixedFrameItems ? TreeItemKind::DiagnosticFrame : TreeItemKind::Frame;
    if (top == EventTriggeredFrames)
        return TreeItemKind::EventTriggeredFrame;
    if (top == SporadicFrames)
        return TreeItemKind::SporadicFrame;
    if (top == Signals) {
        if (index == kEncodingTypesIndex)
            return TreeItemKind::EncodingTypesCategory;
        if (index == kRepresentationIndex)
            return TreeItemKind::RepresentationCategory;
        return TreeItemKind::Signal;
    }
    if (top == Schedules)
        return TreeItemKind::ScheduleTable;
    return TreeItemKind::None;
}

TreeItemKind ClassifyGrandchild(const std::string& top, int parentIndex)
{
    if (top == outline_text::NodeComposition)
        return TreeItemKind::CompositeNode;
    if (top == outline_text::Signals) {
        if (parentIndex == kEncodingTypesIndex)
            return TreeItemKind::EncodingType;
        if (parentIndex == kRepresentationIndex)
            return TreeItemKind::Representation;
    }
    return TreeItemKind::None;
}

}  // namespace

const std::vector<std::string>& TopLevelTexts()
{
    using namespace outline_text;
    static const std::vector<std::string> texts = {
        Network,        Nodes,         NodeComposition, Frames,    EventTriggeredFrames,
        SporadicFrames, DynamicFrames, Signals,         Schedules,
    };
    return texts;
}

TreeItemRef TopItemRef(const std::string& text)
{
    TreeItemRef item;
    item.depth = 0;
    item.topText = text;
    item.itemText = text;
    item.siblingIndex = std::max(TopIndexOf(text), 0);
    return item;
}

TreeItemRef ChildItemRef(const std::string& topText, int siblingIndex, const std::string& text)
{
    TreeItemRef item;
    item.depth = 1;
    item.topText = topText;
    item.itemText = text;
    item.siblingIndex = siblingIndex;
    return item;
}

TreeItemRef GrandchildItemRef(const std::string& topText, int parentSiblingIndex, int siblingIndex,
                              const std::string& text)
{
    TreeItemRef item = ChildItemRef(topText, siblingIndex, text);
    item.depth = 2;
    item.parentSiblingIndex = parentSiblingIndex;
    return item;
}

std::vector<int> TreePathOf(const TreeItemRef& item)
{
    const int top = TopIndexOf(item.topText);
    if (top < 0 || item.siblingIndex < 0)
        return {};
    switch (item.depth) {
    case 0:
        return {top};
    case 1:
        return {top, item.siblingIndex};
    case 2:
        if (item.parentSiblingIndex < 0)
            return {};
        return {top, item.parentSiblingIndex, item.siblingIndex};
    default:
        return {};
    }
}

TreeItemKind ClassifyItem(const TreeItemRef& item)
{
    if (item.kind != TreeItemKind::None)
        return item.kind;
    if (item.siblingIndex < 0)
        return TreeItemKind::None;
    switch (item.depth) {
    case 0:
        return ClassifyTopLevel(item.itemText);
    case 1:
        return ClassifyChild(item.topText, item.siblingIndex);
    case 2:
        return ClassifyGrandchild(item.topText, item.parentSiblingIndex);
    default:
        return TreeItemKind::None;
    }
}

std::optional<EntityRef> EntityOf(const TreeItemRef& item)
{
    if (item.kind != TreeItemKind::None)
        return item.record;
    const TreeItemKind kind = ClassifyItem(item);
    const std::optional<EntityKind> entity = EntityKindOf(kind);
    if (!entity)
        return std::nullopt;
    const int parent = kind == TreeItemKind::CompositeNode ? item.parentSiblingIndex : -1;
    return EntityRef{*entity, item.siblingIndex - FixedItemsBefore(kind), parent};
}

TreeItemRef TreeItemOf(const EntityRef& entity)
{
    using namespace outline_text;
    switch (entity.kind) {
    case EntityKind::Slave:
        return ChildItemRef(Nodes, entity.index + kFixedSlaveItems);
    case EntityKind::Configuration:
        return ChildItemRef(NodeComposition, entity.index);
    case EntityKind::CompositeNode:
        return GrandchildItemRef(NodeComposition, entity.parent, entity.index);
    case EntityKind::Frame:
        return ChildItemRef(Frames, entity.index + kFixedFrameItems);
    case EntityKind::EventTriggeredFrame:
        return ChildItemRef(EventTriggeredFrames, entity.index);
    case EntityKind::SporadicFrame:
        return ChildItemRef(SporadicFrames, entity.index);
    case EntityKind::Signal:
        return ChildItemRef(Signals, entity.index + kFixedSignalItems);
    case EntityKind::EncodingType:
        return GrandchildItemRef(Signals, kEncodingTypesIndex, entity.index);
    case EntityKind::ScheduleTable:
        return ChildItemRef(Schedules, entity.index);
    }
    return {};
}
