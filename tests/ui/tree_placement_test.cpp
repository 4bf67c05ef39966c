#include <gtest/gtest.h>

#include "ui/tree_placement.h"

TEST(TreePlacement, FirstItemIsTopLevelWhateverTheLevel) {
    for (int level : {-5, 0, 2, 100}) {
        TreeShape shape;
        const TreePlacement p = AppendToShape(shape, level);
        EXPECT_EQ(p.parent, -1);
        EXPECT_EQ(p.previousSibling, -1);
        EXPECT_EQ(shape.depth[0], 0);
    }
}

TEST(TreePlacement, DeeperLevelsGoOneDeeperOnly) {
    TreeShape shape;
    AppendToShape(shape, 0);                        // 0
    TreePlacement p = AppendToShape(shape, 2);      // 1: child of 0, depth 1
    EXPECT_EQ(p.parent, 0);
    EXPECT_EQ(p.previousSibling, -1);
    EXPECT_EQ(shape.depth[1], 1);
    p = AppendToShape(shape, 7);                    // 2: child of 1, depth 2
    EXPECT_EQ(p.parent, 1);
    EXPECT_EQ(shape.depth[2], 2);
    p = AppendToShape(shape, 2);                    // 3: sibling of 2
    EXPECT_EQ(p.parent, 1);
    EXPECT_EQ(p.previousSibling, 2);
}

TEST(TreePlacement, ShallowerAndNegativeLevelsClimbToThatDepth) {
    TreeShape shape;
    AppendToShape(shape, 0);  // 0
    AppendToShape(shape, 1);  // 1 under 0
    AppendToShape(shape, 2);  // 2 under 1
    TreePlacement p = AppendToShape(shape, 1);      // 3: sibling of 1
    EXPECT_EQ(p.parent, 0);
    EXPECT_EQ(p.previousSibling, 1);
    AppendToShape(shape, 2);                        // 4 under 3
    p = AppendToShape(shape, -1);                   // 5: top level, after 0
    EXPECT_EQ(p.parent, -1);
    EXPECT_EQ(p.previousSibling, 0);
    EXPECT_EQ(shape.depth[5], 0);
    p = AppendToShape(shape, 0);                    // 6: top level, after 5
    EXPECT_EQ(p.previousSibling, 5);
    EXPECT_EQ(shape.lastChild[0], 3);
    EXPECT_EQ(shape.lastTopLevel, 6);
}

TEST(TreePlacement, UndoForgetsTheLastItemOnly) {
    TreeShape shape;
    AppendToShape(shape, 0);  // 0
    AppendToShape(shape, 1);  // 1 under 0
    const TreeShape before = shape;
    for (int level : {1, 2, 0, -3}) {
        const TreePlacement p = AppendToShape(shape, level);
        UndoAppendToShape(shape, p);
        EXPECT_EQ(shape.parent, before.parent) << level;
        EXPECT_EQ(shape.depth, before.depth) << level;
        EXPECT_EQ(shape.lastChild, before.lastChild) << level;
        EXPECT_EQ(shape.lastTopLevel, before.lastTopLevel) << level;
    }
    // The next item still goes after its real previous sibling.
    EXPECT_EQ(AppendToShape(shape, 1).previousSibling, 1);

    TreeShape first;
    UndoAppendToShape(first, AppendToShape(first, 0));
    EXPECT_TRUE(first.parent.empty());
    EXPECT_EQ(first.lastTopLevel, -1);
}
