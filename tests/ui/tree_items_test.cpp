// The tree operations on real, empty tree views.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/item_colours.h"
#include "ui/window_state.h"

namespace {

class TreeItemsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MakeWindow(false)); }

    static HTREEITEM Next(int tree, UINT relation, HTREEITEM item) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(Control(tree), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
    static LPARAM DataOf(int tree, HTREEITEM item) {
        TVITEMA info = {};
        info.mask = TVIF_PARAM;
        info.hItem = item;
        SendMessageA(Control(tree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        return item == nullptr ? -1 : info.lParam;
    }
    static int ChildrenFlag(int tree, HTREEITEM item) {
        TVITEMA info = {};
        info.mask = TVIF_CHILDREN;
        info.hItem = item;
        SendMessageA(Control(tree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        return info.cChildren;
    }
    // The item data of the parent of the item with item data `index`; -1 for the top level.
    static LPARAM ParentOf(int tree, int index) {
        return DataOf(tree, Next(tree, TVGN_PARENT, Window().tree[tree - HierarchyTree].handle[index]));
    }
};

}  // namespace

TEST_F(TreeItemsTest, PlacementFollowsThePreviousItemsDepthWhateverTheLevel) {
    const int t = AlphabeticalTree;
    AppendTreeItem(t, "first, asked at level 2", 2);  // 0: the first item is top-level
    AppendTreeItem(t, "at level 5", 5);               // 1: child of 0, one level deeper only
    AppendTreeItem(t, "at level 9", 9);               // 2: child of 1
    AppendTreeItem(t, "at level 1", 1);               // 3: next sibling of 1
    AppendTreeItem(t, "at level -1", -1);             // 4: top level, after 0
    AppendTreeItem(t, "at level 0", 0);               // 5: top level, after 4
    AppendTreeItem(t, "at level 3", 3);               // 6: child of 5
    ASSERT_EQ(TreeItemCount(t), 7);

    const LPARAM parents[] = {-1, 0, 1, 0, -1, -1, 5};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(ParentOf(t, i), parents[i]) << i;

    // Siblings in the order appended.
    HTREEITEM top = Next(t, TVGN_ROOT, nullptr);
    EXPECT_EQ(DataOf(t, top), 0);
    EXPECT_EQ(DataOf(t, Next(t, TVGN_NEXT, top)), 4);
    EXPECT_EQ(DataOf(t, Next(t, TVGN_NEXT, Next(t, TVGN_NEXT, top))), 5);
    HTREEITEM child = Next(t, TVGN_CHILD, top);
    EXPECT_EQ(DataOf(t, child), 1);
    EXPECT_EQ(DataOf(t, Next(t, TVGN_NEXT, child)), 3);

    // Parents show an expand button; the others none.
    const int children[] = {1, 1, 0, 0, 0, 1, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ChildrenFlag(t, Window().tree[1].handle[i]), children[i]) << i;
    for (int i = 0; i < 7; ++i) EXPECT_EQ(TreeItemText(t, i).substr(0, 3), i == 0 ? "fir" : "at ") << i;
}

TEST_F(TreeItemsTest, SelectionAndTextsWithIndexesOutOfRange) {
    const int t = HierarchyTree;
    EXPECT_EQ(SelectedTreeItem(t), -1);
    EXPECT_EQ(TreeItemText(t, -1), "");
    EXPECT_EQ(TreeItemText(t, 0), "");
    AppendTreeItem(t, "Heading", 0);
    AppendTreeItem(t, "Win32_BIOS", 1);
    AppendTreeItem(t, std::string(5000, 'x'), 1);
    EXPECT_EQ(SelectedTreeItem(t), -1);
    EXPECT_EQ(TreeItemText(t, -1), "");
    EXPECT_EQ(TreeItemText(t, 3), "");
    EXPECT_EQ(TreeItemText(t, 1), "Win32_BIOS");
    EXPECT_EQ(TreeItemText(t, 2), std::string(4095, 'x')) << "read into a 4096-byte buffer";

    SendMessageA(Control(t), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(Window().tree[0].handle[1]));
    EXPECT_EQ(SelectedTreeItem(t), 1);
    EXPECT_EQ(TreeItemText(t, SelectedTreeItem(t)), "Win32_BIOS");
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), -1);

    // Numbers that are not trees: none, the ResultList, the CustomHint, past the last control.
    for (int other : {-1, 0, 4, 7}) {
        AppendTreeItem(other, "nothing", 0);
        SetTreeItemColour(other, 0, HeadingColour);
        EXPECT_EQ(TreeItemCount(other), 0);
        EXPECT_EQ(SelectedTreeItem(other), -1);
        EXPECT_EQ(TreeItemText(other, 0), "");
    }
    EXPECT_EQ(TreeItemCount(t), 3);
}

TEST_F(TreeItemsTest, ColoursByIndexOnlyInvalidate) {
    const int t = HierarchyTree;
    AppendTreeItem(t, "Heading", 0);
    AppendTreeItem(t, "Win32_Fan", 1);
    PumpMessages();
    ASSERT_FALSE(GetUpdateRect(Control(t), nullptr, FALSE));
    SetTreeItemColour(t, 0, HeadingColour);
    EXPECT_TRUE(GetUpdateRect(Control(t), nullptr, FALSE)) << "the tree waits for the next paint";
    SetTreeItemColour(t, 2, HeadingColour);
    SetTreeItemColour(t, -1, HeadingColour);
    Colour colour = 0;
    EXPECT_TRUE(TreeItemColourOf(t, 0, colour));
    EXPECT_EQ(colour, HeadingColour);
    EXPECT_FALSE(TreeItemColourOf(t, 1, colour));
    EXPECT_FALSE(TreeItemColourOf(t, 2, colour));
    EXPECT_FALSE(TreeItemColourOf(t, -1, colour));
}
