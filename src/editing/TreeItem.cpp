#include "editing/TreeItem.h"

#include <algorithm>
#include <cstdint>

namespace {

bool SameRecord(const EntityRef& a, const EntityRef& b)
{
    return a.kind == b.kind && a.index == b.index && a.parent == b.parent;
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

TreeItemRef TreeItemAt(const TreeOutline& outline, int item)
{
    TreeItemRef ref;
    if (item < 0 || item >= static_cast<int>(outline.items.size()))
        return ref;
    const OutlineItem& entry = outline.items[static_cast<std::size_t>(item)];
    ref.kind = entry.itemKind;
    ref.record = entry.Record();
    ref.itemText = outline.Text(entry);
    // A parent always precedes its child, so the walk ends.
    for (int i = item; i >= 0 && i < static_cast<int>(outline.items.size());) {
        const OutlineItem& current = outline.items[static_cast<std::size_t>(i)];
        ref.path.push_back(current.siblingIndex);
        if (current.parent >= i)
            break;
        i = current.parent;
    }
    std::reverse(ref.path.begin(), ref.path.end());
    ref.depth = static_cast<int>(ref.path.size()) - 1;
    return ref;
}

int FindOutlineItem(const TreeOutline& outline, const EntityRef& record)
{
    const auto found = std::find_if(outline.items.begin(), outline.items.end(), [&](const OutlineItem& item) {
        const std::optional<EntityRef> shown = item.Record();
        return shown && SameRecord(*shown, record);
    });
    return found == outline.items.end() ? -1 : static_cast<int>(found - outline.items.begin());
}

OutlineRecordIndex::OutlineRecordIndex(const TreeOutline& outline)
{
    m_items.reserve(outline.items.size());
    // The first item that shows a record is the one found, as by FindOutlineItem.
    for (std::size_t i = 0; i < outline.items.size(); ++i)
        if (const std::optional<EntityRef> record = outline.items[i].Record())
            m_items.emplace(*record, static_cast<int>(i));
}

int OutlineRecordIndex::Find(const EntityRef& record) const
{
    const auto found = m_items.find(record);
    return found == m_items.end() ? -1 : found->second;
}

std::size_t OutlineRecordIndex::RecordHash::operator()(const EntityRef& record) const
{
    // A record without a parent has -1 there: the bits are mixed unsigned.
    const auto index = static_cast<std::uint64_t>(static_cast<std::uint32_t>(record.index));
    const auto parent = static_cast<std::uint64_t>(static_cast<std::uint32_t>(record.parent));
    return std::hash<std::uint64_t>()((index << 32) ^ (parent << 8) ^ static_cast<std::uint64_t>(record.kind));
}

bool OutlineRecordIndex::SameRecord::operator()(const EntityRef& a, const EntityRef& b) const
{
    return ::SameRecord(a, b);
}
