#include "validation/TreeOutline.h"

#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "model/NetworkNameIndexes.h"
#include "model/UnreadPlaces.h"
#include "validation/ItemMarks.h"
#include "validation/TreeChecker.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace {

// Appends items in top-to-bottom order; a parent is always added before its
// children, and children follow their parent's earlier children.
class OutlineBuilder {
public:
    void Reserve(std::size_t items)
    {
        m_outline.items.reserve(items);
        m_childCounts.reserve(items);
    }

    int Category(const char* text, TreeItemKind itemKind, int parent = -1)
    {
        return Add(text, parent, OutlineItem::Kind::Category, itemKind);
    }

    // The item of the record at index in its list; outer is the index of
    // the record that holds the list, if any.
    int Entity(std::string_view text, int parent, TreeItemKind itemKind, int index, int outer = -1)
    {
        const int item = Add(text, parent, OutlineItem::Kind::Entity, itemKind);
        m_outline.items[static_cast<std::size_t>(item)].ShowRecord(index, outer);
        return item;
    }

    // One entity item per record, in list order; their indexes in the outline.
    template <typename Record>
    std::vector<int> Entities(const OwnedList<Record>& list, int parent, TreeItemKind itemKind, int outer = -1)
    {
        return Entities(list, parent, itemKind, outer, [](int, const Record&) {});
    }

    // The same, each item followed by the children children(item, record) adds.
    template <typename Record, typename Children>
    std::vector<int> Entities(const OwnedList<Record>& list, int parent, TreeItemKind itemKind, int outer,
                              Children children)
    {
        std::vector<int> indexes;
        indexes.reserve(list.size());
        for (const auto& record : list) {
            indexes.push_back(Entity(RecordName(*record), parent, itemKind, static_cast<int>(indexes.size()), outer));
            children(indexes.back(), *record);
        }
        return indexes;
    }

    TreeOutline Take()
    {
        // The texts grew by doubling; the outline lives as long as the
        // network, so it keeps only the room they take.
        m_outline.texts.shrink_to_fit();
        return std::move(m_outline);
    }

private:
    int Add(std::string_view text, int parent, OutlineItem::Kind kind, TreeItemKind itemKind)
    {
        int siblingIndex = 0;
        if (parent >= 0) {
            siblingIndex = m_childCounts[static_cast<std::size_t>(parent)]++;
        } else {
            siblingIndex = m_topLevelCount++;
        }
        OutlineItem& item = m_outline.Add(text);
        item.parent = parent;
        item.siblingIndex = siblingIndex;
        item.kind = kind;
        item.itemKind = itemKind;
        m_childCounts.push_back(0);
        return static_cast<int>(m_outline.items.size()) - 1;
    }

    TreeOutline m_outline;
    std::vector<int> m_childCounts;  // parallel to the items
    int m_topLevelCount = 0;
};

// The outline's items of each kind, in outline order: the checks find their
// items here.
class ItemsByKind {
public:
    explicit ItemsByKind(const TreeOutline& outline)
    {
        // Counted first, each list takes just its room.
        std::array<std::size_t, std::tuple_size_v<decltype(m_items)>> counts{};
        for (const OutlineItem& item : outline.items)
            ++counts[Slot(item.itemKind)];
        for (std::size_t kind = 0; kind < counts.size(); ++kind)
            m_items[kind].reserve(counts[kind]);
        for (std::size_t i = 0; i < outline.items.size(); ++i)
            m_items[Slot(outline.items[i].itemKind)].push_back(static_cast<int>(i));
    }

    const std::vector<int>& Of(TreeItemKind kind) const { return m_items[Slot(kind)]; }

private:
    static std::size_t Slot(TreeItemKind kind) { return static_cast<std::size_t>(kind); }

    std::array<std::vector<int>, static_cast<std::size_t>(TreeItemKind::KeptStatement) + 1> m_items;
};

// The statements the reader kept, each list by the number that names it in
// the items' records. Most lists are empty and give no items: only the
// others are numbered here, and nodes are looked up only when one of them
// belongs to a node's attributes.
class KeptStatementLists {
public:
    explicit KeptStatementLists(const NetworkContent& network)
    {
        int number = 0;
        ForEachUnreadList(network, [&](const std::string&, const std::string&, const UnreadStatements& list) {
            if (!list.empty())
                m_numbers.emplace(&list, number);
            ++number;
        });
        const bool anyOfNode = std::any_of(network.nodeAttributes.begin(), network.nodeAttributes.end(),
                                           [](const auto& attributes) { return !attributes->unread.empty(); });
        if (anyOfNode)
            for (const auto& attributes : network.nodeAttributes)
                m_ofNode.emplace(attributes->nodeName, &attributes->unread);
    }

    // An item per statement of the list, under parent.
    void AddItems(OutlineBuilder& tree, const UnreadStatements& list, int parent)
    {
        if (list.empty())
            return;
        const auto number = m_numbers.find(&list);
        if (number == m_numbers.end())
            return;
        m_shown.insert(number->second);
        for (std::size_t i = 0; i < list.size(); ++i)
            tree.Entity(StatementOnOneLine(list[i].text), parent, TreeItemKind::KeptStatement, static_cast<int>(i),
                        number->second);
    }

    // The items of the node's attributes (the first attributes of its name).
    void AddNodeItems(OutlineBuilder& tree, const std::string& node, int parent)
    {
        if (m_ofNode.empty())
            return;
        const auto found = m_ofNode.find(node);
        if (found != m_ofNode.end())
            AddItems(tree, *found->second, parent);
    }

    // The items of the attributes that no slave's item showed.
    void AddUnshownNodeItems(OutlineBuilder& tree, const NetworkContent& network, int parent)
    {
        if (m_ofNode.empty())
            return;
        for (const auto& attributes : network.nodeAttributes) {
            const auto number = m_numbers.find(&attributes->unread);
            if (number != m_numbers.end() && m_shown.count(number->second) == 0)
                AddItems(tree, attributes->unread, parent);
        }
    }

    // The items of statements directly in the section.
    void AddSectionItems(OutlineBuilder& tree, const NetworkContent& network, const char* keyword, int parent)
    {
        const auto found = network.unreadInSections.find(keyword);
        if (found != network.unreadInSections.end())
            AddItems(tree, found->second, parent);
    }

private:
    std::unordered_map<const UnreadStatements*, int> m_numbers;              // of the lists that are not empty
    std::unordered_map<std::string_view, const UnreadStatements*> m_ofNode;  // the first attributes of each name
    std::unordered_set<int> m_shown;
};

}  // namespace

std::optional<EntityKind> EntityKindOf(TreeItemKind item)
{
    switch (item) {
    case TreeItemKind::Slave:
        return EntityKind::Slave;
    case TreeItemKind::Configuration:
        return EntityKind::Configuration;
    case TreeItemKind::CompositeNode:
        return EntityKind::CompositeNode;
    case TreeItemKind::Frame:
        return EntityKind::Frame;
    case TreeItemKind::EventTriggeredFrame:
        return EntityKind::EventTriggeredFrame;
    case TreeItemKind::SporadicFrame:
        return EntityKind::SporadicFrame;
    case TreeItemKind::Signal:
        return EntityKind::Signal;
    case TreeItemKind::EncodingType:
        return EntityKind::EncodingType;
    case TreeItemKind::ScheduleTable:
        return EntityKind::ScheduleTable;
    case TreeItemKind::Representation:
        return EntityKind::Representation;
    case TreeItemKind::SignalGroup:
        return EntityKind::SignalGroup;
    case TreeItemKind::KeptStatement:
        return EntityKind::KeptStatement;
    default:
        return std::nullopt;
    }
}

std::optional<EntityRef> OutlineItem::Record() const
{
    const std::optional<EntityKind> entity = EntityKindOf(itemKind);
    if (!entity || m_recordIndex < 0)
        return std::nullopt;
    return EntityRef{*entity, m_recordIndex, m_recordParent};
}

void OutlineItem::ShowRecord(int index, int parent)
{
    m_recordIndex = index;
    m_recordParent = parent;
}

OutlineItem& TreeOutline::Add(std::string_view text)
{
    OutlineItem& item = items.emplace_back();
    item.textStart = static_cast<std::uint32_t>(texts.size());
    item.textLength = static_cast<std::uint32_t>(text.size());
    texts += text;
    return item;
}

std::string_view TreeOutline::Text(const OutlineItem& item) const
{
    if (item.textStart > texts.size())
        return {};
    return std::string_view(texts).substr(item.textStart, item.textLength);
}

const std::string& TreeOutline::ReasonsOf(int item) const
{
    static const std::string none;
    const auto found = reasons.find(item);
    return found == reasons.end() ? none : found->second;
}

std::string TreeOutline::PathOf(int item) const
{
    std::string path;
    // A parent always precedes its child, so the walk ends.
    for (int i = item; i >= 0 && i < static_cast<int>(items.size());) {
        const OutlineItem& current = items[static_cast<std::size_t>(i)];
        path.insert(0, " / ");
        path.insert(0, Text(current));
        if (current.parent >= i)
            break;
        i = current.parent;
    }
    return path;
}

int TreeOutline::FindPath(const std::vector<std::string>& captions) const
{
    int found = -1;
    for (const std::string& caption : captions) {
        // Children follow their parent, so the search goes on from there.
        int child = -1;
        for (std::size_t i = static_cast<std::size_t>(found + 1); i < items.size() && child < 0; ++i)
            if (items[i].parent == found && Text(items[i]) == caption)
                child = static_cast<int>(i);
        if (child < 0)
            break;
        found = child;
    }
    return found;
}

TreeOutline LayOutTree(const LinNetwork& network)
{
    namespace text = outline_text;
    OutlineBuilder tree;
    // Room for the fixed items and the entities of the long lists.
    tree.Reserve(16 + network.slaves.size() + network.compositeConfigurations.size() + network.frames.size() +
                 network.eventTriggeredFrames.size() + network.sporadicFrames.size() +
                 2 * network.encodingTypes.size() + network.signals.size() + network.signalGroups.size() +
                 network.scheduleTables.size());
    KeptStatementLists kept(network);
    tree.Category(text::Network, TreeItemKind::Network);
    const int nodesItem = tree.Category(text::Nodes, TreeItemKind::NodesCategory);
    tree.Category(text::Master, TreeItemKind::Master, nodesItem);
    tree.Entities(network.slaves, nodesItem, TreeItemKind::Slave, -1,
                  [&](int item, const LinNode& slave) { kept.AddNodeItems(tree, slave.name, item); });
    kept.AddUnshownNodeItems(tree, network, nodesItem);
    kept.AddSectionItems(tree, network, kw::NodeAttributes, nodesItem);
    const int compositionItem = tree.Category(text::NodeComposition, TreeItemKind::CompositionCategory);
    for (std::size_t i = 0; i < network.compositeConfigurations.size(); ++i) {
        const CompositeConfiguration& configuration = *network.compositeConfigurations[i];
        const int index = static_cast<int>(i);
        const int configurationItem =
            tree.Entity(configuration.name, compositionItem, TreeItemKind::Configuration, index);
        tree.Entities(configuration.compositeNodes, configurationItem, TreeItemKind::CompositeNode, index);
        kept.AddItems(tree, configuration.unread, configurationItem);
    }
    const int framesItem = tree.Category(text::Frames, TreeItemKind::FramesCategory);
    kept.AddItems(tree, network.masterRequest.unread,
                  tree.Category(text::MasterReq, TreeItemKind::MasterRequestFrame, framesItem));
    kept.AddItems(tree, network.slaveResponse.unread,
                  tree.Category(text::SlaveRes, TreeItemKind::SlaveResponseFrame, framesItem));
    for (const OtherDiagnosticFrame& frame : network.otherDiagnosticFrames)
        tree.Category(frame.name.c_str(), TreeItemKind::OtherDiagnosticFrame, framesItem);
    tree.Entities(network.frames, framesItem, TreeItemKind::Frame, -1,
                  [&](int item, const LinFrame& frame) { kept.AddItems(tree, frame.unread, item); });
    kept.AddSectionItems(tree, network, kw::Frames, framesItem);
    tree.Entities(network.eventTriggeredFrames,
                  tree.Category(text::EventTriggeredFrames, TreeItemKind::EventTriggeredCategory),
                  TreeItemKind::EventTriggeredFrame);
    tree.Entities(network.sporadicFrames, tree.Category(text::SporadicFrames, TreeItemKind::SporadicCategory),
                  TreeItemKind::SporadicFrame);
    tree.Category(text::DynamicFrames, TreeItemKind::DynamicFrames);
    const int signalsItem = tree.Category(text::Signals, TreeItemKind::SignalsCategory);
    tree.Entities(network.encodingTypes,
                  tree.Category(text::EncodingTypes, TreeItemKind::EncodingTypesCategory, signalsItem),
                  TreeItemKind::EncodingType, -1,
                  [&](int item, const EncodingType& type) { kept.AddItems(tree, type.unread, item); });
    // Once the preparation has aligned them, the representations are the
    // encoding types, one to one and in the same order, so they show the
    // types' names.
    tree.Entities(network.encodingTypes,
                  tree.Category(text::Representation, TreeItemKind::RepresentationCategory, signalsItem),
                  TreeItemKind::Representation);
    tree.Entities(network.signalGroups,
                  tree.Category(text::SignalGroups, TreeItemKind::SignalGroupsCategory, signalsItem),
                  TreeItemKind::SignalGroup);
    tree.Entities(network.signals, signalsItem, TreeItemKind::Signal);
    const int schedulesItem = tree.Category(text::Schedules, TreeItemKind::SchedulesCategory);
    tree.Entities(network.scheduleTables, schedulesItem, TreeItemKind::ScheduleTable, -1,
                  [&](int item, const ScheduleTable& table) { kept.AddItems(tree, table.unread, item); });
    kept.AddSectionItems(tree, network, kw::ScheduleTables, schedulesItem);
    return tree.Take();
}

namespace {

// The references to names no record has go before the checks look at the
// lists.
void PurgeDeletedReferences(LinNetwork& network, NetworkNameIndexes& names)
{
    network.RemoveOrphanNodeAttributes(names);
    network.PurgeDeletedNodes(names);
    network.PurgeDeletedSignals(names);
    network.PurgeDeletedFrames(names);
}

}  // namespace

void TidyUpNetwork(LinNetwork& network)
{
    NetworkNameIndexes names(network);
    PurgeDeletedReferences(network, names);
    for (const auto& frame : network.frames)
        GiveDefaultLength(*frame);
    network.AlignRepresentations();
}

namespace {

// The tidy-up and every check, each on its item of the outline, which is laid
// out anew when the tidy-up changes what the tree shows.
void TidyUpAndCheck(LinNetwork& network, TreeOutline& outline, MarkRecorder& marks)
{
    ItemsByKind items(outline);
    NetworkNameIndexes names(network);
    TreeChecker checker(network, marks, names);
    checker.CheckNetwork(items.Of(TreeItemKind::Network).front());
    checker.CheckMaster(items.Of(TreeItemKind::Master).front());

    const std::size_t attributesBefore = network.nodeAttributes.size();
    PurgeDeletedReferences(network, names);
    const std::size_t attributesKept = network.nodeAttributes.size();

    // Every slave gets its attributes before any slave is checked, so the NAD
    // comparison sees the attributes the build leaves behind.
    const std::vector<NodeAttributes*> attributes = network.AttributesOfEverySlave();
    // Attributes that go (of a node that is no slave) or come (for a slave
    // without) change which statements the tree shows under Nodes and how
    // the lists of kept statements are numbered: the items are laid out
    // anew. The network and master items come first and keep their places.
    if (attributesKept != attributesBefore || network.nodeAttributes.size() != attributesKept) {
        outline = LayOutTree(network);
        items = ItemsByKind(outline);
    }
    const std::vector<int>& slaveItems = items.Of(TreeItemKind::Slave);
    for (std::size_t i = 0; i < slaveItems.size(); ++i)
        checker.CheckSlave(slaveItems[i], *attributes[i]);
    const std::vector<int>& frameItems = items.Of(TreeItemKind::Frame);
    for (std::size_t i = 0; i < frameItems.size(); ++i)
        checker.CheckFrame(frameItems[i], *network.frames[i]);
    const std::vector<int>& signalItems = items.Of(TreeItemKind::Signal);
    for (std::size_t i = 0; i < signalItems.size(); ++i)
        checker.CheckSignal(signalItems[i], *network.signals[i]);
    const std::vector<int>& eventTriggeredItems = items.Of(TreeItemKind::EventTriggeredFrame);
    for (std::size_t i = 0; i < eventTriggeredItems.size(); ++i)
        checker.CheckEventTriggeredFrame(eventTriggeredItems[i], *network.eventTriggeredFrames[i]);
    const std::vector<int>& sporadicItems = items.Of(TreeItemKind::SporadicFrame);
    for (std::size_t i = 0; i < sporadicItems.size(); ++i)
        checker.CheckSporadicFrame(sporadicItems[i], *network.sporadicFrames[i]);
    const std::vector<int>& tableItems = items.Of(TreeItemKind::ScheduleTable);
    for (std::size_t i = 0; i < tableItems.size(); ++i)
        checker.CheckScheduleTable(tableItems[i], *network.scheduleTables[i]);
    const std::vector<int>& encodingItems = items.Of(TreeItemKind::EncodingType);
    for (std::size_t i = 0; i < encodingItems.size(); ++i)
        checker.CheckEncodingType(encodingItems[i], *network.encodingTypes[i]);
    network.AlignRepresentations();
}

}  // namespace

TreeOutline PrepareTreeOutline(LinNetwork& network)
{
    // Apart from the statements kept in node attributes, the tidy-up changes
    // no list the tree shows, so the layout of the network as it is now is
    // the layout of the prepared network.
    TreeOutline outline = LayOutTree(network);
    MarkRecorder marks;
    marks.Reserve(outline.items.size());
    // The name indexes of the checks are gone before the reasons take room.
    TidyUpAndCheck(network, outline, marks);
    for (std::size_t i = 0; i < outline.items.size(); ++i) {
        OutlineItem& item = outline.items[i];
        item.colour = marks.GetItemColor(static_cast<int>(i));
        if (item.colour == ItemMarks::kRed)
            outline.reasons[static_cast<int>(i)] = marks.GetItemMessages(static_cast<int>(i));
    }
    return outline;
}
