#include <gtest/gtest.h>

#include <vector>

#include "ui/grid_layout.h"
#include "ui/row_colour.h"

using Positions = std::vector<int>;

namespace {

// A 476 x 476 client area, a 24-pixel header, rows 17 high from the header down.
GridGeometry List() {
    GridGeometry g = {};
    g.clientWidth = 476;
    g.clientHeight = 476;
    g.headerBottom = 24;
    g.rowTop = 24;
    g.rowHeight = 17;
    g.rowsRight = 600;
    g.furtherColumnLefts = {200};
    return g;
}

}  // namespace

TEST(GridLayout, RowLinesRunAtTheRowSpacingDownToTheBottom) {
    const GridLines lines = LayOutGridLines(List());
    ASSERT_FALSE(lines.rows.empty());
    EXPECT_EQ(lines.rows.front(), 24 + 17);  // just below the first row, off its own pixels
    for (std::size_t i = 1; i < lines.rows.size(); ++i) EXPECT_EQ(lines.rows[i] - lines.rows[i - 1], 17);
    EXPECT_LT(lines.rows.back(), 476);
    EXPECT_GE(lines.rows.back() + 17, 476);
}

TEST(GridLayout, RowLinesFollowScrolledRowsAndStayBelowTheHeader) {
    GridGeometry g = List();
    g.rowTop = 24 - 17 * 40 + 5;  // a row far above, scrolled off, its spacing shifted by 5
    const GridLines lines = LayOutGridLines(g);
    ASSERT_FALSE(lines.rows.empty());
    EXPECT_GT(lines.rows.front(), 24);
    EXPECT_LE(lines.rows.front(), 24 + 17);
    EXPECT_EQ((lines.rows.front() - (g.rowTop + 17)) % 17, 0);

    g.rowTop = 24;  // a row right under the header: no line on the header's edge
    EXPECT_EQ(LayOutGridLines(g).rows.front(), 41);

    g.rowTop = 24 + 17 * 3;  // a row further down: the lines above it are drawn too
    EXPECT_EQ(LayOutGridLines(g).rows.front(), 41);
}

TEST(GridLayout, ColumnLinesCloseEachColumnAndTheRows) {
    GridGeometry g = List();
    g.rowsRight = 300;
    g.furtherColumnLefts = {200};
    EXPECT_EQ(LayOutGridLines(g).columns, (Positions{199, 299}));

    g.rowsRight = 600;  // scrolled out of sight to the right
    EXPECT_EQ(LayOutGridLines(g).columns, (Positions{199}));

    g.furtherColumnLefts = {-10};  // scrolled out of sight to the left
    g.rowsRight = 100;
    EXPECT_EQ(LayOutGridLines(g).columns, (Positions{99}));
}

TEST(GridLayout, NothingWithoutRoomBelowTheHeaderOrWithoutASpacing) {
    GridGeometry g = List();
    g.headerBottom = 476;
    const GridLines covered = LayOutGridLines(g);
    EXPECT_TRUE(covered.rows.empty());
    EXPECT_TRUE(covered.columns.empty());

    g = List();
    g.rowHeight = 0;
    EXPECT_TRUE(LayOutGridLines(g).rows.empty());
}

TEST(RowColour, ItemDataCarriesAColourIncludingBlack) {
    EXPECT_FALSE(RowDataHasColour(0));
    EXPECT_TRUE(RowDataHasColour(RowDataFor(0)));
    EXPECT_EQ(RowDataColour(RowDataFor(0)), 0u);
    EXPECT_TRUE(RowDataHasColour(RowDataFor(HeadingColour)));
    EXPECT_EQ(RowDataColour(RowDataFor(HeadingColour)), HeadingColour);
    EXPECT_EQ(RowDataColour(RowDataFor(0xFFFFFF)), 0xFFFFFFu);
}
