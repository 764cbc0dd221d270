#include "editing/ListChoices.h"

#include <gtest/gtest.h>

namespace {

TEST(ListChoices, DeleteSelectsTheSamePositionOrTheLast)
{
    EXPECT_EQ(RowAfterDelete(1, 3), 1);  // 4 items, the second deleted
    EXPECT_EQ(RowAfterDelete(3, 3), 2);  // the last deleted
    EXPECT_EQ(RowAfterDelete(0, 0), -1);
}

TEST(ListChoices, EntriesAreNumberedOverAllGroups)
{
    const ChoiceMenu menu{"Add Frame", {{"A", {"a1", "a2"}}, {"B", {}}, {"C", {"c1"}}}};
    EXPECT_EQ(menu.FirstEntryOf(0), 0);
    EXPECT_EQ(menu.FirstEntryOf(2), 2);
    EXPECT_EQ(menu.FirstEntryOf(9), 3);
}

}  // namespace
