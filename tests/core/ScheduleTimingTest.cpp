// Frame times and bus loads against figures worked by hand.

#include "validation/ScheduleTiming.h"

#include "model/LinNetwork.h"

#include <gtest/gtest.h>

namespace {

class ScheduleTimingTest : public testing::Test {
protected:
    ScheduleTimingTest() : network(*LinNetwork::CreateDefault()) {}  // 19.2 kbit/s, jitter 0.1 ms

    void AddFrame(const std::string& name, int length)
    {
        auto frame = std::make_unique<LinFrame>();
        frame->name = name;
        frame->length = length;
        network.frames.Append(std::move(frame));
    }

    void AddSlot(ScheduleTable& table, int delay, const std::string& frame)
    {
        table.entries.Append(
            std::make_unique<ScheduleEntry>(delay, kFrameSlot, std::make_unique<FrameSlotCommand>(frame)));
    }

    LinNetwork network;
};

TEST_F(ScheduleTimingTest, EightBytesAtNineteenPointTwoKbits)
{
    EXPECT_EQ(124, NominalFrameBits(8));
    AddFrame("F8", 8);
    ScheduleTable table("T");
    AddSlot(table, 10, "F8");
    const EntryTiming entry = ScheduleTiming(network).TimeEntry(*table.entries[0]);
    ASSERT_TRUE(entry.known);
    EXPECT_EQ("6.46", FormatMs(entry.nominalMs));
    EXPECT_EQ("9.04", FormatMs(entry.maximumMs));
    // The schedule sheet's minimum time of 9.14 ms is the maximum plus the jitter.
    EXPECT_EQ("9.14", FormatMs(entry.delayMs - entry.headroomMs));
    EXPECT_EQ("0.86", FormatMs(entry.headroomMs));
}

TEST_F(ScheduleTimingTest, DataBytesOfEveryKindOfEntry)
{
    AddFrame("F2", 2);
    AddFrame("F4", 4);
    AddFrame("NoLength", 0);
    auto event = std::make_unique<EventTriggeredFrame>("Event");
    event->frameNames = {"F2", "F4"};
    network.eventTriggeredFrames.Append(std::move(event));
    auto sporadic = std::make_unique<SporadicFrame>("Sporadic");
    sporadic->frameNames = {"F4", "Gone"};
    network.sporadicFrames.Append(std::move(sporadic));

    ScheduleTable table("T");
    const std::pair<const char*, int> slots[] = {
        {"F2", 2}, {"Event", 4}, {"Sporadic", 4}, {"NoLength", -1}, {"Gone", -1}};
    for (const auto& [frame, bytes] : slots)
        AddSlot(table, 10, frame);
    table.entries.Append(std::make_unique<ScheduleEntry>(10, kMasterReq, std::make_unique<ScheduleCommand>()));
    const ScheduleTiming timing(network);
    for (std::size_t i = 0; i < std::size(slots); ++i) {
        SCOPED_TRACE(slots[i].first);
        EXPECT_EQ(slots[i].second, timing.DataBytes(*table.entries[i]));
    }
    EXPECT_EQ(8, timing.DataBytes(*table.entries[std::size(slots)]));
}

TEST_F(ScheduleTimingTest, TableCycleAndBusLoad)
{
    AddFrame("F8", 8);
    AddFrame("F2", 2);
    ScheduleTable table("T");
    AddSlot(table, 10, "F8");  // 124 bits
    AddSlot(table, 10, "F2");  // 64 bits
    AddSlot(table, 20, "Gone");
    const TableTiming figures = ScheduleTiming(network).TimeTable(table);
    EXPECT_DOUBLE_EQ(40.0, figures.cycleMs);
    // (124 + 64) bits / 19.2 kbit/s = 9.79 ms of 40 ms.
    EXPECT_EQ("24.48", FormatMs(figures.nominalLoadPercent));
    EXPECT_EQ("34.27", FormatMs(figures.maximumLoadPercent));
    EXPECT_FALSE(figures.entries[2].known);
}

TEST_F(ScheduleTimingTest, NoSpeedOrEmptyCycleGivesNoFigures)
{
    AddFrame("F8", 8);
    network.speedKbps = 0.0f;
    ScheduleTable table("T");
    AddSlot(table, 0, "F8");
    const TableTiming figures = ScheduleTiming(network).TimeTable(table);
    EXPECT_FALSE(figures.entries[0].known);
    EXPECT_EQ(0.0, figures.nominalLoadPercent);
}

}  // namespace
