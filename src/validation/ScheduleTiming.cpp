#include "validation/ScheduleTiming.h"

#include "ldf/ScheduleCommands.h"
#include "model/LinNetwork.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kHeaderBits = 34;
constexpr int kBitsPerByte = 10;     // start bit, 8 data bits, stop bit
constexpr int kDiagnosticBytes = 8;  // MasterReq and SlaveResp

std::string EntryText(const ScheduleEntry& entry)
{
    if (const FrameSlotCommand* slot = entry.FrameSlot())
        return slot->frameName;
    const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind);
    return command ? command->keyword : std::string();
}

double Percent(double part, double whole) { return whole > 0.0 ? 100.0 * part / whole : 0.0; }

}  // namespace

int NominalFrameBits(int dataBytes) { return kHeaderBits + kBitsPerByte * (dataBytes + 1); }

ScheduleTiming::ScheduleTiming(const LinNetwork& network) : m_net(network), m_own(network), m_names(*m_own) {}

ScheduleTiming::ScheduleTiming(const LinNetwork& network, NetworkNameIndexes& names) : m_net(network), m_names(names) {}

int ScheduleTiming::FrameBytes(const std::string& frameName) const
{
    const LinFrame* frame = FirstNamed(m_net.frames, m_names.Frames(), frameName);
    return frame && frame->length > 0 ? frame->length : -1;
}

int ScheduleTiming::LongestOf(const NameList& frameNames) const
{
    int longest = -1;
    for (const Name& name : frameNames)
        longest = std::max(longest, FrameBytes(name));
    return longest;
}

int ScheduleTiming::DataBytes(const ScheduleEntry& entry) const
{
    const FrameSlotCommand* slot = entry.FrameSlot();
    if (!slot)
        return FindScheduleCommand(entry.kind) ? kDiagnosticBytes : -1;
    const int bytes = FrameBytes(slot->frameName);
    if (bytes > 0)
        return bytes;
    if (const EventTriggeredFrame* event =
            FirstNamed(m_net.eventTriggeredFrames, m_names.EventTriggeredFrames(), slot->frameName))
        return LongestOf(event->frameNames);
    if (const SporadicFrame* sporadic = FirstNamed(m_net.sporadicFrames, m_names.SporadicFrames(), slot->frameName))
        return LongestOf(sporadic->frameNames);
    return -1;
}

EntryTiming ScheduleTiming::TimeEntry(const ScheduleEntry& entry) const
{
    EntryTiming timing;
    // A delay may be held as an integer or a fraction of a millisecond.
    timing.delayMs = static_cast<double>(entry.delayMs);
    timing.dataBytes = DataBytes(entry);
    const double bitsPerMs = static_cast<double>(m_net.speedKbps);  // kbit/s are bits per millisecond
    if (timing.dataBytes < 0 || !(bitsPerMs > 0.0))
        return timing;
    timing.known = true;
    timing.nominalMs = NominalFrameBits(timing.dataBytes) / bitsPerMs;
    timing.maximumMs = kMaximumFrameFactor * timing.nominalMs;
    const double jitterMs = std::max(0.0, static_cast<double>(m_net.jitterMs));
    timing.headroomMs = timing.delayMs - timing.maximumMs - jitterMs;
    return timing;
}

TableTiming ScheduleTiming::TimeTable(const ScheduleTable& table) const
{
    TableTiming timing;
    timing.name = table.name;
    double nominalBusy = 0.0;
    double maximumBusy = 0.0;
    for (const auto& entry : table.entries) {
        timing.entries.push_back(TimeEntry(*entry));
        EntryTiming& added = timing.entries.back();
        added.text = EntryText(*entry);
        timing.cycleMs += added.delayMs;
        nominalBusy += added.nominalMs;
        maximumBusy += added.maximumMs;
    }
    timing.nominalLoadPercent = Percent(nominalBusy, timing.cycleMs);
    timing.maximumLoadPercent = Percent(maximumBusy, timing.cycleMs);
    return timing;
}

std::string FormatMs(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::vector<std::string> TimingReport(const LinNetwork& network)
{
    const ScheduleTiming timing(network);
    std::vector<std::string> lines;
    for (const auto& table : network.scheduleTables) {
        const TableTiming figures = timing.TimeTable(*table);
        lines.push_back(figures.name + ": cycle " + FormatMs(figures.cycleMs) + " ms, bus load " +
                        FormatMs(figures.nominalLoadPercent) + " % nominal, " + FormatMs(figures.maximumLoadPercent) +
                        " % maximum");
        for (const EntryTiming& entry : figures.entries) {
            std::string line = "  " + entry.text + ": delay " + FormatMs(entry.delayMs) + " ms";
            if (entry.known)
                line += ", length " + std::to_string(entry.dataBytes) + ", frame " + FormatMs(entry.nominalMs) +
                        " ms nominal, " + FormatMs(entry.maximumMs) + " ms maximum, headroom " +
                        FormatMs(entry.headroomMs) + " ms";
            else
                line += ", frame time unknown";
            lines.push_back(std::move(line));
        }
    }
    return lines;
}
