#include "pages/TabStrip.h"

#include <gtest/gtest.h>

TEST(TabLayout, RowsAndWidths) {
    struct Case {
        int stripWidth, tabs, width, perRow, rows, height;
    };
    const Case cases[] = {
        {777, 4, 160, 4, 1, 27}, {777, 5, 153, 5, 1, 27}, {777, 13, 62, 12, 2, 52},
        {300, 6, 73, 4, 2, 52},  {300, 1, 160, 1, 1, 27}, {100, 2, 98, 1, 2, 52},
        {40, 3, 60, 1, 3, 77},   {0, 2, 60, 1, 2, 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stripWidth << " px, " << c.tabs << " tabs");
        const TabLayout l = TabLayout::Compute(c.stripWidth, c.tabs);
        EXPECT_EQ(l.width, c.width);
        EXPECT_EQ(l.perRow, c.perRow);
        EXPECT_EQ(l.rows, c.rows);
        EXPECT_EQ(l.stripHeight, c.height);
    }
}

TEST(TabLayout, TabsFillRowsLeftToRightThenTopToBottom) {
    const TabLayout l = TabLayout::Compute(777, 13);
    EXPECT_EQ(l.tabRect(0), QRect(1, 1, 62, 24));
    EXPECT_EQ(l.tabRect(11), QRect(1 + 11 * 64, 1, 62, 24));
    EXPECT_EQ(l.tabRect(12), QRect(1, 26, 62, 24));
}
