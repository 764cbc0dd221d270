#include "editing/TreeFilter.h"

#include "editing/NumberDisplay.h"
#include "ldf/Keywords.h"
#include "model/LinNetwork.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The frame id an item shows; nothing for an item that shows no frame.
std::optional<long long> FrameIdOf(const TreeOutline& outline, const OutlineItem& item, const LinNetwork& network)
{
    const std::optional<EntityRef> record = item.Record();
    switch (item.itemKind) {
    case TreeItemKind::MasterRequestFrame:
        return kw::MasterReqId;
    case TreeItemKind::SlaveResponseFrame:
        return kw::SlaveRespId;
    case TreeItemKind::OtherDiagnosticFrame:
        for (const OtherDiagnosticFrame& frame : network.otherDiagnosticFrames)
            if (frame.name == outline.Text(item))
                return frame.frameId;
        return std::nullopt;
    case TreeItemKind::Frame:
        if (const LinFrame* frame = record ? network.frames.RecordAt(record->index) : nullptr)
            return frame->frameId;
        return std::nullopt;
    case TreeItemKind::EventTriggeredFrame:
        if (const auto* frame = record ? network.eventTriggeredFrames.RecordAt(record->index) : nullptr)
            return frame->frameId;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::vector<bool> ItemsMatchingFilter(const TreeOutline& outline, const LinNetwork& network, const std::string& text)
{
    const std::size_t count = outline.items.size();
    std::vector<bool> kept(count, text.empty());
    if (text.empty())
        return kept;
    const std::string wanted = Lowered(text);
    const std::optional<long long> id = ReadIdText(text);
    // Children follow their parents, so walking backwards reaches every
    // ancestor after its kept descendants.
    for (std::size_t i = count; i-- > 0;) {
        const OutlineItem& item = outline.items[i];
        if (!kept[i] && Lowered(std::string(outline.Text(item))).find(wanted) != std::string::npos)
            kept[i] = true;
        if (!kept[i] && id && FrameIdOf(outline, item, network) == id)
            kept[i] = true;
        if (kept[i] && item.parent >= 0 && static_cast<std::size_t>(item.parent) < i)
            kept[static_cast<std::size_t>(item.parent)] = true;
    }
    return kept;
}
