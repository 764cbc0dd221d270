// The bit cells of a frame's layout.

#include "validation/FrameLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FrameLayout, OverlapAndSignalPastTheEndAreMarkedCellByCell)
{
    // A 2-byte frame: A in bits 0-7, B in 4-11 (overlapping A), C in 12-19
    // (four bits past the end), then a name that is no signal.
    const FrameLayout layout = LayOutSignals({"A", "B", "C", "Gone"}, {0, 4, 12, 40}, {8, 8, 8, 0}, 2);
    EXPECT_EQ(2, layout.length);
    EXPECT_EQ(3, layout.rows);
    ASSERT_EQ(24u, layout.cells.size());
    const struct {
        int byte, bit, band;
        bool overlap, outside;
    } cells[] = {
        {0, 0, 0, false, false}, {0, 4, 0, true, false}, {0, 7, 0, true, false},  {1, 0, 1, false, false},
        {1, 4, 2, false, false}, {2, 3, 2, false, true}, {2, 4, -1, false, true}, {2, 7, -1, false, true},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(testing::Message() << "byte " << c.byte << " bit " << c.bit);
        const LayoutCell& cell = layout.Cell(c.byte, c.bit);
        EXPECT_EQ(c.band, cell.band);
        EXPECT_EQ(c.overlap, cell.overlap);
        EXPECT_EQ(c.outside, cell.outsideLength);
        EXPECT_EQ(c.overlap || c.outside, layout.IsRed(cell));
    }
    ASSERT_EQ(4u, layout.bands.size());
    EXPECT_TRUE(layout.bands[0].overlaps && layout.bands[1].overlaps && !layout.bands[2].overlaps);
    EXPECT_TRUE(!layout.bands[1].pastEnd && layout.bands[2].pastEnd && layout.bands[3].pastEnd);
}

TEST(FrameLayout, FarOffsetsAndMissingLengthStayWithinEightBytes)
{
    const FrameLayout far = LayOutSignals({"A"}, {4000000000u}, {16}, 8);
    EXPECT_EQ(8, far.rows);
    EXPECT_TRUE(far.bands[0].pastEnd);
    const FrameLayout none = LayOutSignals({"A", "B"}, {0}, {4}, 0);
    EXPECT_EQ(1, none.rows);
    EXPECT_EQ(1u, none.bands.size());
    EXPECT_TRUE(none.Cell(0, 3).outsideLength);
}

TEST(FrameLayout, LengthOutsideZeroToEightDrawsNoRowsAndSaysSo)
{
    for (const int length : {-1, -8, 9, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        SCOPED_TRACE(length);
        for (const auto& signals : {NameList{"A"}, NameList{}}) {
            const auto offsets = signals.empty() ? std::vector<std::uint32_t>{} : std::vector<std::uint32_t>{0};
            const auto sizes = signals.empty() ? std::vector<int>{} : std::vector<int>{8};
            const FrameLayout layout = LayOutSignals(signals, offsets, sizes, length);
            EXPECT_TRUE(layout.lengthWrong);
            EXPECT_EQ(0, layout.rows);
            EXPECT_TRUE(layout.cells.empty());
            EXPECT_EQ(kFrameSizeWrong, LayoutText(layout).front());
        }
    }
    EXPECT_FALSE(LayOutSignals({}, {}, {}, 8).lengthWrong);
    EXPECT_FALSE(LayOutSignals({}, {}, {}, 0).lengthWrong);
}

}  // namespace
