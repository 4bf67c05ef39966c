#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/row_split.h"

using Columns = std::vector<std::string>;

TEST(SplitRow, ColumnsAtLineFeeds) {
    EXPECT_EQ(SplitRow("Name\nValue"), (Columns{"Name", "Value"}));
    EXPECT_EQ(SplitRow("\nNo data to display"), (Columns{"", "No data to display"}));
    EXPECT_EQ(SplitRow("Item #1"), (Columns{"Item #1"}));
    EXPECT_EQ(SplitRow(""), (Columns{""}));
    EXPECT_EQ(SplitRow("Caption\nWindows\nServer"), (Columns{"Caption", "Windows", "Server"}));
}

TEST(SplitRow, EmptyPiecesAndTrailingLineFeeds) {
    EXPECT_EQ(SplitRow("a\n\nc"), (Columns{"a", "", "c"}));
    EXPECT_EQ(SplitRow("a\n"), (Columns{"a"}));
    EXPECT_EQ(SplitRow("a\n\n"), (Columns{"a", ""}));
    EXPECT_EQ(SplitRow("\n"), (Columns{""}));
    EXPECT_EQ(SplitRow("\n\n"), (Columns{"", ""}));
    EXPECT_EQ(SplitRow("a\rb\n"), (Columns{"a\rb"}));
    EXPECT_EQ(SplitRow(std::string("a\0b\nc", 5)), (Columns{std::string("a\0b", 3), "c"}));
}
