// The window as start-up leaves it: the main window, the seven controls, the pages, the first row
// and both catalogue trees.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/catalogue_walk.h"
#include "catalogue/class_catalogue.h"
#include "tests/ui/window_fixture.h"
#include "ui/control_creation.h"
#include "ui/item_colours.h"
#include "ui/main_window.h"
#include "ui/pages.h"
#include "ui/window_placement.h"
#include "ui/window_state.h"

namespace {

class StartUpWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DestroyMainWindow();  // a window left by other tests takes its time to go
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(MakeWindow(true));
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("start-up: window, controls, 924 tree items and the first paint in %.0f ms\n", ms);
    }
};

struct TreeNode {
    LPARAM data;
    int depth;
    UINT state;
    int children;
    std::string text;
};

// Every item top to bottom, depth first, whether or not its parent is expanded.
std::vector<TreeNode> WalkTree(HWND tree) {
    std::vector<TreeNode> nodes;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    int depth = 0;
    while (item != nullptr) {
        char text[4096] = {};
        TVITEMA info = {};
        info.mask = TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN | TVIF_TEXT;
        info.hItem = item;
        info.stateMask = 0xFFFF;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        nodes.push_back({info.lParam, depth, info.state, info.cChildren, text});

        auto next = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
        if (next != nullptr) {
            ++depth;
        } else {
            for (;;) {
                next = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
                if (next != nullptr || depth == 0) break;
                item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
                --depth;
            }
        }
        item = next;
    }
    return nodes;
}

struct ExpectedControl {
    int number;
    const char* className;
    int page;  // -1: a child of the main window; else the container of that tab page
    RECT rect;
    DWORD style;
    DWORD extendedStyle;
};

const ExpectedControl Controls[] = {
    {ResultList, "SysListView32", -1, {310, 10, 790, 490},
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE},
    {ViewTabs, "SysTabControl32", -1, {10, 10, 290, 490}, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP,
     WS_EX_TRANSPARENT},
    {HierarchyTree, "SysTreeView32", 0, {6, 10, 266, 447},
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, WS_EX_CLIENTEDGE},
    {AlphabeticalTree, "SysTreeView32", 1, {6, 10, 266, 447},
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, WS_EX_CLIENTEDGE},
    {CustomHint, "Static", 2, {10, 10, 270, 170}, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0},
    {CustomQueryField, "Edit", 2, {6, 160, 266, 185},
     WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {ExecuteButton, "Button", 2, {6, 190, 66, 220}, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

}  // namespace

TEST_F(StartUpWindow, MainWindowClassStyleAndTitle) {
    const HWND main = Window().main;
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(ClassNameOf(main), "WindowClass_0");
    WNDCLASSA windowClass = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_0", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hIcon, nullptr);  // the executable carries no icon 1
    EXPECT_EQ(windowClass.cbWndExtra, 0);

    const DWORD style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0u) << "no maximise box, no sizing border";
    EXPECT_TRUE(style & WS_VISIBLE);
    // The system adds the window edge to any window with a caption; nothing else is set.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE)) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u);
    EXPECT_EQ(GetParent(main), nullptr);
    EXPECT_EQ(GetMenu(main), nullptr);
    EXPECT_EQ(WindowText(main), "Ostrevo");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(main, WM_GETFONT, 0, 0)), nullptr);
}

TEST_F(StartUpWindow, ClientAreaIs800By500AndTheWindowIsCentred) {
    RECT client;
    GetClientRect(Window().main, &client);
    EXPECT_EQ(client.right - client.left, 800);
    EXPECT_EQ(client.bottom - client.top, 500);

    RECT outer;
    GetWindowRect(Window().main, &outer);
    const WindowPlacement expected = CentreOnScreen(outer.right - outer.left, outer.bottom - outer.top,
                                                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(outer.left, expected.x);
    EXPECT_EQ(outer.top, expected.y);
    // The screen of the tests is larger than the window, so it is centred with equal margins (to a pixel).
    EXPECT_LE(std::abs((GetSystemMetrics(SM_CXSCREEN) - outer.right) - outer.left), 1);
    EXPECT_LE(std::abs((GetSystemMetrics(SM_CYSCREEN) - outer.bottom) - outer.top), 1);
}

TEST_F(StartUpWindow, EachControlHasItsClassParentGeometryStylesAndFont) {
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ExpectedControl& c : Controls) {
        SCOPED_TRACE(c.className + std::string(" ") + std::to_string(c.number));
        const HWND control = Control(c.number);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(lstrcmpiA(ClassNameOf(control).c_str(), c.className), 0) << ClassNameOf(control);
        EXPECT_EQ(GetWindowLongA(control, GWL_ID), c.number);
        EXPECT_EQ(GetParent(control), c.page < 0 ? Window().main : PageContainer(c.page));
        const RECT rect = RectInParent(control);
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        // Exactly the listed styles: in particular no full-row select, grid lines, check boxes,
        // show-selection-always, label editing or default button. Scroll bars and sibling clipping
        // are the controls' own doing.
        const DWORD own = WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & ~own, c.style)
            << std::hex << GetWindowLongA(control, GWL_STYLE) << " != " << c.style;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), c.extendedStyle)
            << std::hex << GetWindowLongA(control, GWL_EXSTYLE);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), font);
    }
    EXPECT_EQ(SendMessageA(Control(ResultList), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_DOUBLEBUFFER);
    for (int tree : {HierarchyTree, AlphabeticalTree}) {
        const LRESULT extended = SendMessageA(Control(tree), TVM_GETEXTENDEDSTYLE, 0, 0);
        EXPECT_EQ(extended & ~TVS_EX_DOUBLEBUFFER, 0);
        // Wine's tree does not report this style back.
        if (!RunningUnderWine()) {
            EXPECT_EQ(extended, TVS_EX_DOUBLEBUFFER);
        }
    }
}

TEST_F(StartUpWindow, TextsOfTheCustomPage) {
    EXPECT_EQ(WindowText(Control(CustomHint)),
              "Please enter the WMI class you want to execute.\r\rFor example:\rWin32_OperatingSystem\rOr\r"
              "win32_operatingsystem\r(the name that you write is case insensitive.)\rOr\r"
              "Select * from Win32_OperatingSystem\rOr\rSelect Caption, Name from Win32_OperatingSystem");
    EXPECT_EQ(WindowText(Control(CustomHint)).find('\n'), std::string::npos);
    EXPECT_EQ(WindowText(Control(CustomQueryField)), "");
    EXPECT_EQ(WindowText(Control(ExecuteButton)), "Execute");
    EXPECT_EQ(WindowText(Control(ResultList)), "");
    EXPECT_EQ(WindowText(Control(HierarchyTree)), "");
}

TEST_F(StartUpWindow, ResultListColumnsAndFirstRow) {
    const HWND list = Control(ResultList);
    const char* const headers[] = {"Property", "Value"};
    const int widths[] = {200, 400};
    for (int column = 0; column < 2; ++column) {
        char text[64] = {};
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_STREQ(text, headers[column]);
        EXPECT_EQ(info.cx, widths[column]);
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        EXPECT_EQ(info.iSubItem, column);
    }
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(header));

    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(ListCellText(list, 0, 0), "");
    EXPECT_EQ(ListCellText(list, 0, 1), "Please select a class to access its data");
    Colour colour;
    EXPECT_FALSE(RowColourOf(0, colour));
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
    // The two columns are wider than the list, which scrolls sideways over both.
    SCROLLINFO scroll = {};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(list, SB_HORZ, &scroll));
    EXPECT_EQ(scroll.nMax - scroll.nMin + 1, 600);
}

TEST_F(StartUpWindow, ThreePagesWithTheHierarchyPageOnShow) {
    const HWND tabs = Control(ViewTabs);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    const char* const captions[] = {"Hierarchical Order", "Alphabetical Order", "Custom"};
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE(captions[tab]);
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(text, captions[tab]);
        const HWND container = reinterpret_cast<HWND>(item.lParam);
        ASSERT_NE(container, nullptr);
        EXPECT_EQ(GetParent(container), tabs);
        EXPECT_EQ(lstrcmpiA(ClassNameOf(container).c_str(), "Static"), 0);
        EXPECT_EQ(GetWindowLongA(container, GWL_ID), 0);
        EXPECT_EQ(WindowText(container), "");
        EXPECT_EQ(GetWindowLongA(container, GWL_STYLE) & ~WS_VISIBLE & ~WS_DISABLED, WS_CHILD | SS_NOTIFY);
        EXPECT_EQ(GetWindowLongA(container, GWL_EXSTYLE), 0);
        EXPECT_EQ(IsWindowVisible(container) != FALSE, tab == 0);
        EXPECT_EQ(IsWindowEnabled(container) != FALSE, tab == 0);
    }
    EXPECT_EQ(CurrentPage(), 0);
    const RECT placed = RectInParent(PageContainer(0));
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
    EXPECT_GT(placed.top, 0) << "the tab row is above the page";
    // Pages never shown keep the size they were made with.
    EXPECT_EQ(RectInParent(PageContainer(1)).right - RectInParent(PageContainer(1)).left, 0);

    // The tab control stands first among the main window's children, ahead of the ResultList.
    EXPECT_EQ(GetWindow(Window().main, GW_CHILD), tabs);
    EXPECT_EQ(GetWindow(tabs, GW_HWNDNEXT), Control(ResultList));
}

TEST_F(StartUpWindow, HierarchyTreeHoldsTheCatalogueCollapsed) {
    const HWND tree = Control(HierarchyTree);
    const CatalogueViews views = WalkCatalogue(ClassCatalogue, ClassCatalogueSize);
    ASSERT_EQ(TreeItemCount(HierarchyTree), 482);
    const std::vector<TreeNode> nodes = WalkTree(tree);
    ASSERT_EQ(nodes.size(), 482u);
    int headings = 0, topLevel = 0;
    for (int i = 0; i < 482; ++i) {
        SCOPED_TRACE(i);
        const TreeNode& node = nodes[i];
        const HierarchyItem& item = views.hierarchy[i];
        // Depth-first order is the order of appending, and each item carries its index.
        EXPECT_EQ(node.data, i);
        EXPECT_EQ(node.text, item.text);
        EXPECT_EQ(node.depth, item.level);
        EXPECT_EQ(node.state & (TVIS_EXPANDED | TVIS_EXPANDEDONCE | TVIS_SELECTED), 0u);
        const bool hasChildren = i + 1 < 482 && views.hierarchy[i + 1].level > item.level;
        EXPECT_EQ(node.children, hasChildren ? 1 : 0) << "an expand button exactly where there are children";
        Colour colour = 0;
        EXPECT_EQ(TreeItemColourOf(HierarchyTree, i, colour), item.heading);
        if (item.heading) {
            EXPECT_EQ(colour, HeadingColour);
        }
        EXPECT_EQ(TreeItemText(HierarchyTree, i), item.text);
        headings += item.heading;
        topLevel += node.depth == 0;
    }
    EXPECT_EQ(headings, 40);
    EXPECT_EQ(topLevel, 6);
    EXPECT_EQ(SelectedTreeItem(HierarchyTree), -1);
    // Only the six headings of the top level are visible.
    EXPECT_EQ(SendMessageA(tree, TVM_GETVISIBLECOUNT, 0, 0) >= 6, true);
    auto first = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    int visible = 0;
    for (HTREEITEM item = first; item != nullptr;
         item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item))))
        ++visible;
    EXPECT_EQ(visible, 6);
}

TEST_F(StartUpWindow, AlphabeticalTreeHoldsEveryClassNameSortedOnTheTopLevel) {
    CatalogueViews views = WalkCatalogue(ClassCatalogue, ClassCatalogueSize);
    SortClassNames(views.classNames);
    ASSERT_EQ(TreeItemCount(AlphabeticalTree), 442);
    const std::vector<TreeNode> nodes = WalkTree(Control(AlphabeticalTree));
    ASSERT_EQ(nodes.size(), 442u);
    for (int i = 0; i < 442; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nodes[i].data, i);
        EXPECT_EQ(nodes[i].depth, 0);
        EXPECT_EQ(nodes[i].children, 0);
        EXPECT_EQ(nodes[i].text, views.classNames[i]);
        Colour colour;
        EXPECT_FALSE(TreeItemColourOf(AlphabeticalTree, i, colour));
    }
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), -1);
    // Filled with its redraw suspended, the tree still scrolls over every item.
    SCROLLINFO scroll = {};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(Control(AlphabeticalTree), SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMax - scroll.nMin + 1, 442);
}
