#include "editing/HoverTexts.h"
#include "NetworkFixtures.h"
#include "validation/FrameLayout.h"
#include "validation/ScheduleTiming.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

TEST(HoverTexts, ARedItemOrRowShowsItsReasonsOnePerLine)
{
    TreeOutline red;
    red.items.resize(2);
    red.reasons[1] = "Node name not found; Delay shorter than frame time";
    EXPECT_EQ(ReasonsTip(red, 0), "");
    EXPECT_EQ(ReasonsTip(red, 1), "Node name not found\nDelay shorter than frame time");

    auto n = MakeRichNetwork();
    n->signals[0]->subscribers.clear();
    const TreeOutline outline = PrepareTreeOutline(*n);
    const TreeItemRef signalsItem = ItemAt(*n, Signals);
    const int signalItem = FindOutlineItem(outline, {EntityKind::Signal, 0});
    ASSERT_GE(signalItem, 0);
    const std::string reasons = ReasonsTip(outline, signalItem);
    EXPECT_NE(reasons.find("No subscriber"), std::string::npos);
    const OutlineRecordIndex items(outline);
    EXPECT_EQ(RowReasonsTip(outline, items, signalsItem, 0), reasons);
    // Rows that show no entity, or no row, have nothing to say.
    EXPECT_EQ(RowReasonsTip(outline, items, ItemAt(*n, Nodes), 0), "");
    EXPECT_EQ(RowReasonsTip(outline, items, signalsItem, -1), "");
    EXPECT_EQ(RowReasonsTip(outline, items, signalsItem, 99), "");
}

// The index finds what the search through the outline finds, for every
// record the tree shows, including those two items show (an encoding type
// and its representation).
TEST(HoverTexts, TheRecordIndexFindsTheFirstItemThatShowsARecord)
{
    auto n = MakeRichNetwork();
    const TreeOutline outline = PrepareTreeOutline(*n);
    const OutlineRecordIndex items(outline);
    int records = 0;
    for (const OutlineItem& item : outline.items)
        if (const std::optional<EntityRef> record = item.Record()) {
            ++records;
            EXPECT_EQ(items.Find(*record), FindOutlineItem(outline, *record)) << outline.Text(item);
        }
    EXPECT_GT(records, 20);
    EXPECT_EQ(items.Find({EntityKind::Signal, 999}), -1);
}

TEST(HoverTexts, PicturesNameWhatThePointerRestsOn)
{
    LayoutBand band;
    band.signal = "MotorSpeedWithALongName";
    band.firstBit = 8;
    band.size = 16;
    EXPECT_EQ(BandTip(band), "Signal MotorSpeedWithALongName\nOffset 8, size 16 bits\nBits 8-23");
    band.size = 0;
    EXPECT_EQ(BandTip(band), "Signal MotorSpeedWithALongName (no signal)\nOffset 8, size 0 bits");

    EntryTiming slot;
    slot.text = "MotorCmd";
    slot.delayMs = 10;
    EXPECT_EQ(SlotTip(slot), "MotorCmd\nDelay 10.00 ms\nFrame time unknown");
    slot.known = true;
    slot.nominalMs = 3.125;
    slot.maximumMs = 4.375;
    slot.headroomMs = 5.5;
    EXPECT_EQ(SlotTip(slot), "MotorCmd\nDelay 10.00 ms\nFrame time 3.12 ms nominal, 4.38 ms at most\nHeadroom 5.50 ms");

    EXPECT_EQ(CompareSidesText("old.ldf", "new.ldf"),
              "Left of -> and removed: old.ldf (open)\nRight of -> and added: new.ldf");
}

}  // namespace
