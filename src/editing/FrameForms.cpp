#include "editing/FrameForms.h"

#include "editing/NumberDisplay.h"
#include "editing/NumberText.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "model/Rename.h"
#include "model/UniqueNames.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

constexpr int kLastOfferedId = 59;
constexpr int kBitsPerByte = 8;
constexpr int kMaxFrameBytes = 8;

// The frame's signals with their offsets, in frame order.
struct PlacedSignal {
    std::string name;
    int offset = 0;
};

std::vector<PlacedSignal> PlacedSignals(const LinFrame& frame)
{
    std::vector<PlacedSignal> placed;
    for (std::size_t i = 0; i < frame.signalNames.size(); ++i)
        placed.push_back({frame.signalNames[i], i < frame.offsets.size() ? static_cast<int>(frame.offsets[i]) : 0});
    return placed;
}

void StorePlacedSignals(LinFrame& frame, const std::vector<PlacedSignal>& placed)
{
    frame.signalNames.clear();
    frame.offsets.clear();
    for (const PlacedSignal& signal : placed) {
        frame.signalNames.push_back(signal.name);
        frame.offsets.push_back(static_cast<std::uint32_t>(std::max(signal.offset, 0)));
    }
}

// Ascending offsets. Signals that share an offset come out in the order
// this exchange gives them, which users of the offset sheet know.
void SortByOffset(std::vector<PlacedSignal>& placed)
{
    for (std::size_t i = placed.size(); i-- > 0;)
        for (std::size_t k = 0; k < i; ++k)
            if (placed[k].offset > placed[i].offset)
                std::swap(placed[k], placed[i]);
}

// The size of the first signal of each name, 0 for names no signal has.
class SignalSizes {
public:
    explicit SignalSizes(const LinNetwork& network) : m_network(network), m_names(network.signals) {}

    int Of(const std::string& name) const
    {
        const int position = m_names.FirstPosition(name);
        return position < 0 ? 0 : m_network.signals[static_cast<std::size_t>(position)]->size;
    }

private:
    const LinNetwork& m_network;
    NameIndex m_names;
};

}  // namespace

std::vector<std::string> FrameForm::IdChoices(const LinNetwork& network, int index)
{
    std::unordered_set<int> used;
    for (std::size_t i = 0; i < network.frames.size(); ++i)
        if (static_cast<int>(i) != index)
            used.insert(network.frames[i]->frameId);
    for (const auto& frame : network.eventTriggeredFrames)
        used.insert(frame->frameId);
    for (unsigned id : network.dynamicFrameIds)
        used.erase(static_cast<int>(id));
    std::vector<std::string> ids;
    for (int id = 0; id <= kLastOfferedId; ++id)
        if (used.count(id) == 0)
            ids.push_back(IdText(id));
    return ids;
}

std::vector<std::string> FrameForm::SizeChoices() { return NumberChoices(1, kMaxFrameBytes); }

std::string FrameForm::SizeForId(int id)
{
    if (id <= 31)
        return "2";
    return id <= 47 ? "4" : "8";
}

std::vector<FrameSignalChoice> FrameForm::SignalChoices(const LinNetwork& network, int index,
                                                        const std::string& publisher)
{
    std::unordered_map<std::string, int> stored;
    if (const LinFrame* frame = network.frames.RecordAt(index))
        for (const PlacedSignal& signal : PlacedSignals(*frame))
            stored.emplace(signal.name, signal.offset);
    std::vector<FrameSignalChoice> choices;
    for (const auto& signal : network.signals) {
        if (signal->publisher != publisher)
            continue;
        const auto found = stored.find(signal->name);
        choices.push_back({signal->name, found != stored.end(), found != stored.end() ? found->second : 0});
    }
    return choices;
}

void FrameForm::AutoOffset(const LinNetwork& network)
{
    // Several signals of one name count with the sum of their sizes.
    std::unordered_map<std::string, int> sizes;
    for (const auto& signal : network.signals)
        sizes[signal->name] += signal->size;
    int position = 0;
    for (FrameSignalChoice& signal : signals) {
        if (!signal.checked)
            continue;
        signal.offset = position;
        const auto found = sizes.find(signal.name);
        position += found == sizes.end() ? 0 : found->second;
    }
}

FrameForm FrameForm::Read(const LinNetwork& network, int index)
{
    const LinFrame* frame = network.frames.RecordAt(index);
    if (!frame)
        return {};
    return FrameForm{frame->name, IdText(frame->frameId), std::to_string(frame->length), frame->publisher,
                     SignalChoices(network, index, frame->publisher)};
}

void FrameForm::Commit(LinNetwork& network, int index) const
{
    if (!network.frames.Exists(index))
        return;
    if (!name.empty())
        RenameFrame(
            network, static_cast<std::size_t>(index),
            MakeUniqueNameAcross(name, index, network.frames, network.sporadicFrames, network.eventTriggeredFrames));
    LinFrame& frame = *network.frames[static_cast<std::size_t>(index)];
    frame.length = ParseInt(size);
    frame.publisher = publisher;
    frame.frameId = ParseInt(id);
    std::vector<PlacedSignal> placed;
    for (const FrameSignalChoice& signal : signals)
        if (signal.checked)
            placed.push_back({signal.name, signal.offset});
    StorePlacedSignals(frame, placed);
}

std::vector<std::string> FrameOffsetForm::OffsetChoices(const LinNetwork& network, int frame)
{
    const LinFrame* record = network.frames.RecordAt(frame);
    return record ? NumberChoices(0, std::min(record->length, kMaxFrameBytes) * kBitsPerByte - 1)
                  : std::vector<std::string>{};
}

FrameOffsetForm FrameOffsetForm::Read(const LinNetwork& network, int frame, int signal)
{
    const LinFrame* record = network.frames.RecordAt(frame);
    if (!record || signal < 0 || static_cast<std::size_t>(signal) >= record->signalNames.size())
        return {};
    const PlacedSignal placed = PlacedSignals(*record)[static_cast<std::size_t>(signal)];
    return FrameOffsetForm{placed.name, std::to_string(placed.offset), true};
}

void FrameOffsetForm::Commit(LinNetwork& network, int frame, int signal) const
{
    LinFrame* record = network.frames.RecordAt(frame);
    if (!record || signal < 0 || static_cast<std::size_t>(signal) >= record->signalNames.size())
        return;
    std::vector<PlacedSignal> placed = PlacedSignals(*record);
    PlacedSignal moved = placed[static_cast<std::size_t>(signal)];
    moved.offset = ParseInt(offset);
    placed.erase(placed.begin() + signal);
    if (!reorder) {
        placed.push_back(moved);
        StorePlacedSignals(*record, placed);
        return;
    }
    SortByOffset(placed);
    const auto at = std::find_if(placed.begin(), placed.end(),
                                 [&](const PlacedSignal& other) { return other.offset >= moved.offset; });
    const std::size_t inserted = static_cast<std::size_t>(at - placed.begin());
    placed.insert(at, moved);
    const SignalSizes sizes(network);
    for (std::size_t i = inserted + 1; i < placed.size(); ++i) {
        const PlacedSignal& previous = placed[i - 1];
        const int size = sizes.Of(previous.name);
        if (placed[i].offset - previous.offset < size)
            placed[i].offset = previous.offset + size;
    }
    StorePlacedSignals(*record, placed);
}
