#include "validation/TreeChecker.h"

#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/NetworkNameIndexes.h"
#include "model/VersionTable.h"
#include "validation/CheckRules.h"
#include "validation/FrameLayout.h"
#include "validation/ItemMarks.h"
#include "validation/LaterEqual.h"
#include "validation/ScheduleTiming.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kProtocolVersionFalse = "Protocol version false";
const char* const kLanguageVersionFalse = "Language version false";
const char* const kSpeedFalse = "Speed definition false";
const char* const kMasterNameWrong = "Master name wrong";
const char* const kTimeBaseWrong = "Time Base wrong";
const char* const kJitterSuspicious = "Jitter / Time Base suspicous";
const char* const kMasterTimingNotGiven = "Time base and jitter not given";
const char* const kMasterNamedLikeSlave = "Slave/Master name collision";
const char* const kNadNotUnique = "New NAD not unique";
const char* const kMessageIdsNotUnique = "MID's not unique";
const char* const kProtocolUnknown = "Protocol version unknown";
const char* const kNadNotInVersion = "NAD out of range for the LIN version";
const char* const kProductIdWithoutVariant = "Product ID without variant";
const char* const kSignalSizeWrong = "Signal size wrong";
const char* const kByteArraySizeWrong = "Byte Array size wrong";
const char* const kNoSubscriber = "No subscriber";
const char* const kNoPublisher = "No publisher";
const char* const kNoInitValue = "No init value";
const char* const kSignalNameWrong = "Wrong signal name";
const char* const kSignalNameNotUnique = "Signal name not unique";
const char* const kPublisherSubscribes = "Publisher and Subscriber identical";
const char* const kFrameIdWrong = "Frame ID wrong";
const char* const kFrameNameWrong = "Frame name wrong";
const char* const kPublisherNotDefined = "Publisher not defined";
const char* const kSignalOutOfFrame = "Signal/Offset out of range";
const char* const kSignalsOverlap = "Overlapped signals";
const char* const kFrameLengthsDiffer = "Length of frames different";
const char* const kNoCollisionTable = "Collision table not a schedule table";
const char* const kScheduleNotUnique = "Schedule not unique";
const char* const kDelayNoDivider = "Delay no divider of Time Base";
const char* const kNodeNotFound = "Node name not found";
const char* const kFrameNotFound = "Frame not found";
const char* const kFrameNotUnconditional = "Frame not unconditional";
const char* const kMinAboveMax = "Min > Max";
const char* const kDelayBelowFrameTime = "Delay shorter than frame time";
const char* const kFrameNotFromSlave = "Frame not published by a slave";
const char* const kFrameNotFromMaster = "Frame not published by the master";

// The records of one list by name: the first of each name and how many share it.
template <typename Record> class RecordLookup {
public:
    RecordLookup(const OwnedList<Record>& list, const RecordNameIndex& names) : m_list(list), m_names(names) {}

    const Record* First(std::string_view name) const { return FirstNamed(m_list, m_names, name); }

    int Count(std::string_view name) const { return m_names.Count(name); }

private:
    const OwnedList<Record>& m_list;
    const RecordNameIndex& m_names;
};

// The bits a signal occupies in its frame, from its offset to offset + size.
struct BitSpan {
    std::int64_t first;
    std::int64_t end;
};

// True when one span lies inside another: first(i) <= first(j) <= end(i) and
// end(j) <= end(i) for two different spans i and j.
bool AnySpanInsideAnother(std::vector<BitSpan> spans)
{
    // A span that holds span j starts no later; starting at the same bit it
    // ends no earlier, and those sort first. So, walking in this order, j is
    // held exactly when the span reaching furthest so far reaches it.
    std::sort(spans.begin(), spans.end(), [](const BitSpan& a, const BitSpan& b) {
        return a.first != b.first ? a.first < b.first : a.end > b.end;
    });
    std::int64_t furthestEnd = std::numeric_limits<std::int64_t>::min();
    for (const BitSpan& span : spans) {
        if (furthestEnd >= std::max(span.first, span.end))
            return true;
        furthestEnd = std::max(furthestEnd, span.end);
    }
    return false;
}

}  // namespace

// Each lookup is built when first asked for, in the name indexes given or
// in the checker's own.
struct TreeChecker::Lookups {
    Lookups(const LinNetwork& network, NetworkNameIndexes* given)
        : net(network), own(given ? std::nullopt : std::make_optional<NetworkNameIndexes>(network)),
          names(given ? *given : *own)
    {
    }

    RecordLookup<LinNode> Slaves() { return {net.slaves, names.Slaves()}; }
    RecordLookup<LinSignal> Signals() { return {net.signals, names.Signals()}; }
    RecordLookup<LinFrame> Frames() { return {net.frames, names.Frames()}; }
    RecordLookup<EventTriggeredFrame> EventTriggeredFrames()
    {
        return {net.eventTriggeredFrames, names.EventTriggeredFrames()};
    }
    RecordLookup<SporadicFrame> SporadicFrames() { return {net.sporadicFrames, names.SporadicFrames()}; }
    RecordLookup<ScheduleTable> ScheduleTables() { return {net.scheduleTables, names.ScheduleTables()}; }

    const ScheduleTiming& Timing()
    {
        if (!timing)
            timing.emplace(net, names);
        return *timing;
    }

    // How many attributes of the network have each configured NAD.
    const std::unordered_map<int, int>& NadCounts()
    {
        if (!nadCounts) {
            nadCounts.emplace();
            for (const auto& attributes : net.nodeAttributes)
                ++(*nadCounts)[attributes->configuredNad];
        }
        return *nadCounts;
    }

private:
    const LinNetwork& net;
    std::optional<NetworkNameIndexes> own;
    NetworkNameIndexes& names;
    std::optional<std::unordered_map<int, int>> nadCounts;
    std::optional<ScheduleTiming> timing;
};

TreeChecker::TreeChecker(LinNetwork& network, ItemMarks& marks)
    : m_net(network), m_marks(marks), m_lookups(std::make_unique<Lookups>(network, nullptr))
{
}

TreeChecker::TreeChecker(LinNetwork& network, ItemMarks& marks, NetworkNameIndexes& names)
    : m_net(network), m_marks(marks), m_lookups(std::make_unique<Lookups>(network, &names))
{
}

TreeChecker::~TreeChecker() = default;

void TreeChecker::Fail(int item, const char* text)
{
    m_marks.SetItemColor(item, ItemMarks::kRed);
    m_marks.AddItemMessage(item, text);
    m_lastFailed = item;
}

void TreeChecker::Finish(int item)
{
    // An item that failed has reasons; only another one needs asking, which
    // spares joining the reasons of every red item.
    if (item != m_lastFailed && m_marks.GetItemMessages(item).empty())
        m_marks.SetItemColor(item, ItemMarks::kBlack);
}

void TreeChecker::CheckNetwork(int item)
{
    if (!InRange(m_net.protocolVersion, 0.01f, 99.99f))
        Fail(item, kProtocolVersionFalse);
    if (!InRange(m_net.languageVersion, 0.01f, 99.99f))
        Fail(item, kLanguageVersionFalse);
    if (!InRange(m_net.speedKbps, 5.0f, 20.0f))
        Fail(item, kSpeedFalse);
    Finish(item);
}

void TreeChecker::CheckMaster(int item)
{
    if (m_net.masterName.empty())
        Fail(item, kMasterNameWrong);
    if (m_net.timeBaseMs <= 0)
        Fail(item, kTimeBaseWrong);
    if (!(static_cast<float>(m_net.timeBaseMs) > m_net.jitterMs))
        Fail(item, kJitterSuspicious);
    if (m_lookups->Slaves().Count(m_net.masterName) >= 1)
        Fail(item, kMasterNamedLikeSlave);
    if (m_net.MasterTimingStandsIn())
        Fail(item, kMasterTimingNotGiven);
    Finish(item);
}

void TreeChecker::CheckSlave(int item, const NodeAttributes& attributes)
{
    const auto& nadCounts = m_lookups->NadCounts();
    const auto sameNad = nadCounts.find(attributes.configuredNad);
    if (sameNad != nadCounts.end() && sameNad->second > 1)
        Fail(item, kNadNotUnique);
    // Values the reader keeps although the file's version does not allow them.
    if (attributes.HasUnknownProtocol())
        Fail(item, kProtocolUnknown);
    if (!m_net.Version().IsNodeAddress(attributes.configuredNad) ||
        (attributes.initialNad >= 0 && !m_net.Version().IsNodeAddress(attributes.initialNad)))
        Fail(item, kNadNotInVersion);
    if (attributes.productIdCount == 2 && !m_net.Version().lin21Forms && lin::HasLin2Attributes(attributes.protocol))
        Fail(item, kProductIdWithoutVariant);

    // A frame listed by name alone (LIN 2.1) has no message id to compare.
    std::vector<int> messageIds;
    for (const auto& frame : attributes.configurableFrames)
        if (frame->hasMessageId)
            messageIds.push_back(frame->messageId);
    if (HasRepeat(messageIds))
        Fail(item, kMessageIdsNotUnique);
    Finish(item);
}

void TreeChecker::CheckFrame(int item, LinFrame& frame)
{
    if (frame.frameId < 0 || frame.frameId > 62)
        Fail(item, kFrameIdWrong);
    GiveDefaultLength(frame);
    if (frame.length <= 0)
        Fail(item, kFrameSizeWrong);
    if (frame.length > 8)
        Fail(item, kFrameSizeWrong);
    if (frame.name.empty())
        Fail(item, kFrameNameWrong);
    if (frame.publisher.empty())
        Fail(item, kPublisherNotDefined);

    const auto& signals = m_lookups->Signals();
    const std::size_t placed = std::min(frame.signalNames.size(), frame.offsets.size());
    std::vector<BitSpan> spans;
    spans.reserve(placed);
    for (std::size_t i = 0; i < placed; ++i) {
        const LinSignal* signal = signals.First(frame.signalNames[i]);
        const std::int64_t first = frame.offsets[i];
        spans.push_back({first, first + (signal ? signal->size : 0)});
    }
    const std::int64_t frameBits = std::int64_t{frame.length} * 8;
    if (std::any_of(spans.begin(), spans.end(), [&](const BitSpan& span) { return span.end > frameBits; }))
        Fail(item, kSignalOutOfFrame);
    if (AnySpanInsideAnother(std::move(spans)))
        Fail(item, kSignalsOverlap);
    Finish(item);
}

void TreeChecker::CheckSignal(int item, const LinSignal& signal)
{
    if (signal.size < 1)
        Fail(item, kSignalSizeWrong);
    if (signal.isByteArray) {
        if (signal.size > 64)
            Fail(item, kByteArraySizeWrong);
    } else if (signal.size > 16) {
        Fail(item, kSignalSizeWrong);
    }
    if (signal.subscribers.empty())
        Fail(item, kNoSubscriber);
    if (signal.publisher.empty())
        Fail(item, kNoPublisher);
    if (signal.initValues.empty())
        Fail(item, kNoInitValue);
    if (signal.name.empty())
        Fail(item, kSignalNameWrong);
    if (m_lookups->Signals().Count(signal.name) > 1)
        Fail(item, kSignalNameNotUnique);
    if (std::find(signal.subscribers.begin(), signal.subscribers.end(), signal.publisher) != signal.subscribers.end())
        Fail(item, kPublisherSubscribes);
    Finish(item);
}

void TreeChecker::CheckEventTriggeredFrame(int item, const EventTriggeredFrame& frame)
{
    const auto& frames = m_lookups->Frames();
    auto lengthOf = [&](std::string_view name) {
        const LinFrame* associated = frames.First(name);
        return associated ? associated->length : -1;
    };
    if (!frame.frameNames.empty()) {
        const int firstLength = lengthOf(frame.frameNames.front());
        if (std::any_of(frame.frameNames.begin() + 1, frame.frameNames.end(),
                        [&](std::string_view name) { return lengthOf(name) != firstLength; }))
            Fail(item, kFrameLengthsDiffer);
    }
    CheckListedPublishers(item, frame.frameNames, FitsEventTriggeredFrame, kFrameNotFromSlave);
    if (!frame.collisionTable.empty() && m_lookups->ScheduleTables().Count(frame.collisionTable) == 0)
        Fail(item, kNoCollisionTable);
    Finish(item);
}

void TreeChecker::CheckSporadicFrame(int item, const SporadicFrame& frame)
{
    CheckListedPublishers(item, frame.frameNames, FitsSporadicFrame, kFrameNotFromMaster);
    Finish(item);
}

void TreeChecker::CheckListedPublishers(int item, const NameList& frameNames,
                                        bool (*fits)(std::string_view publisher, std::string_view masterName),
                                        const char* text)
{
    const auto& frames = m_lookups->Frames();
    if (std::any_of(frameNames.begin(), frameNames.end(), [&](std::string_view name) {
            const LinFrame* listed = frames.First(name);
            return listed && !fits(listed->publisher, m_net.masterName);
        }))
        Fail(item, text);
}

void TreeChecker::CheckScheduleTable(int item, const ScheduleTable& table)
{
    if (m_lookups->ScheduleTables().Count(table.name) > 1)
        Fail(item, kScheduleNotUnique);

    const int timeBase = m_net.timeBaseMs;
    if (std::any_of(table.entries.begin(), table.entries.end(), [&](const auto& entry) {
            return entry->delayMs <= 0 || !IsWholeMultipleOfTimeBase(entry->delayMs, timeBase);
        }))
        Fail(item, kDelayNoDivider);
    // A delay of 0 or less is the divider rule's finding alone.
    const ScheduleTiming& timing = m_lookups->Timing();
    if (std::any_of(table.entries.begin(), table.entries.end(), [&](const auto& entry) {
            const EntryTiming figures = timing.TimeEntry(*entry);
            return figures.known && figures.delayMs > 0.0 && figures.delayMs < figures.maximumMs;
        }))
        Fail(item, kDelayBelowFrameTime);

    const auto& slaves = m_lookups->Slaves();
    const auto& frames = m_lookups->Frames();
    for (const auto& entry : table.entries) {
        const FrameIdCommand* command = entry->FrameId();
        if (!command)
            continue;
        bool failed = false;
        if (slaves.Count(command->nodeName) == 0) {
            Fail(item, kNodeNotFound);
            failed = true;
        }
        if (frames.Count(command->frameName) == 0) {
            const bool otherKind = m_lookups->EventTriggeredFrames().Count(command->frameName) > 0 ||
                                   m_lookups->SporadicFrames().Count(command->frameName) > 0;
            Fail(item, otherKind ? kFrameNotUnconditional : kFrameNotFound);
            failed = true;
        }
        if (failed)
            break;
    }
    Finish(item);
}

void TreeChecker::CheckEncodingType(int item, const EncodingType& type)
{
    if (std::any_of(type.physicalRanges.begin(), type.physicalRanges.end(),
                    [](const auto& range) { return range->max < range->min; }))
        Fail(item, kMinAboveMax);
    Finish(item);
}
