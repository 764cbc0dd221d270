#pragma once

#include "model/NetworkNameIndexes.h"

#include <optional>

#include <string>
#include <vector>

struct ScheduleEntry;
struct ScheduleTable;

// How long frames take on the bus and how full a schedule table keeps it.
// A LIN frame of N data bytes takes 34 + 10 × (N + 1) bit times (header,
// data and checksum, each byte with its start and stop bit); the standard
// allows 40 % more for inter-byte space and the response space.

// The bit times of a frame of dataBytes bytes without any space.
int NominalFrameBits(int dataBytes);
constexpr double kMaximumFrameFactor = 1.4;

// The frame time of one entry at the network's speed. Known only when the
// speed is positive and the entry's frame has a length.
struct EntryTiming {
    std::string text;  // the frame's name or the command's keyword; TimeTable gives it
    double delayMs = 0.0;
    int dataBytes = -1;  // -1: no frame of that name, or a frame without length
    bool known = false;
    double nominalMs = 0.0;
    double maximumMs = 0.0;
    double headroomMs = 0.0;  // delay minus maximum frame time minus the master's jitter
};

struct TableTiming {
    std::string name;
    std::vector<EntryTiming> entries;
    double cycleMs = 0.0;  // the sum of the delays
    // Percent of the cycle the bus carries frames; 0 for an empty cycle.
    double nominalLoadPercent = 0.0;
    double maximumLoadPercent = 0.0;
};

// Times the entries of a network's schedule tables. Frames are found by
// name through an index built once (its own, or the one given); their
// lengths are read when used.
class ScheduleTiming {
public:
    explicit ScheduleTiming(const LinNetwork& network);
    ScheduleTiming(const LinNetwork& network, NetworkNameIndexes& names);
    ScheduleTiming(const ScheduleTiming&) = delete;
    ScheduleTiming& operator=(const ScheduleTiming&) = delete;

    // The data bytes an entry carries: a frame slot the length of its frame
    // (the longest associated frame of an event-triggered or sporadic frame),
    // every command the 8 bytes of a diagnostic frame; -1 when unknown.
    int DataBytes(const ScheduleEntry& entry) const;
    // The figures of an entry without its text: the checks time every
    // entry of the network and need no copy of its name.
    EntryTiming TimeEntry(const ScheduleEntry& entry) const;
    TableTiming TimeTable(const ScheduleTable& table) const;

private:
    int LongestOf(const NameList& frameNames) const;
    int FrameBytes(const std::string& frameName) const;

    const LinNetwork& m_net;
    std::optional<NetworkNameIndexes> m_own;
    NetworkNameIndexes& m_names;
};

// "12.34": a figure as the timing report prints it.
std::string FormatMs(double value);
// The lines of the timing report: per table its cycle and bus load, then
// one line per entry.
std::vector<std::string> TimingReport(const LinNetwork& network);
