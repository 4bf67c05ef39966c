#include <gtest/gtest.h>

#include "ui/window_placement.h"

TEST(CentreOnScreen, CentresAWindowThatFits) {
    const WindowPlacement p = CentreOnScreen(806, 529, 1280, 1024);
    EXPECT_EQ(p.width, 806);
    EXPECT_EQ(p.height, 529);
    EXPECT_EQ(p.x, 237);  // (1280 - 806) / 2
    EXPECT_EQ(p.y, 247);  // (1024 - 529) / 2, truncated
}

TEST(CentreOnScreen, ClampsToASmallerScreenAndStartsAtItsEdge) {
    WindowPlacement p = CentreOnScreen(806, 529, 1024, 480);  // lower than the window
    EXPECT_EQ(p.height, 480);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, 806);
    EXPECT_EQ(p.x, 109);

    p = CentreOnScreen(806, 529, 640, 768);  // narrower than the window
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.height, 529);
    EXPECT_EQ(p.y, 119);

    p = CentreOnScreen(806, 529, 800, 500);  // both
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 500);
}

TEST(CentreOnScreen, ExactFitAndOddMarginsTruncate) {
    const WindowPlacement exact = CentreOnScreen(806, 529, 806, 529);
    EXPECT_EQ(exact.x, 0);
    EXPECT_EQ(exact.y, 0);
    const WindowPlacement odd = CentreOnScreen(806, 529, 807, 530);
    EXPECT_EQ(odd.x, 0);  // a 1-pixel margin halves to 0
    EXPECT_EQ(odd.y, 0);
    const WindowPlacement three = CentreOnScreen(806, 529, 809, 532);
    EXPECT_EQ(three.x, 1);
    EXPECT_EQ(three.y, 1);
}
