// The answers to NM_CUSTOMDRAW, sent to the window procedure as the controls send them, and the
// grid lines the ResultList gets after a paint.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/pages.h"
#include "ui/window_state.h"

namespace {

constexpr COLORREF Untouched = 0x00123456;

class CustomDraw : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MakeWindow(true)); }

    // Sends the notification to the window the control reports to: the main window for the
    // ResultList, the page's container for a tree.
    static LRESULT Send(HWND to, NMHDR& header) {
        return SendMessageA(to, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }

    static NMTVCUSTOMDRAW TreeDraw(int tree, DWORD stage, LPARAM index, UINT state) {
        NMTVCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = Control(tree);
        draw.nmcd.hdr.idFrom = static_cast<UINT_PTR>(tree);
        draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.lItemlParam = index;
        draw.nmcd.uItemState = state;
        draw.clrText = Untouched;
        draw.clrTextBk = Untouched;
        return draw;
    }

    static NMLVCUSTOMDRAW ListDraw(DWORD stage, int row, UINT state, HDC dc = nullptr) {
        NMLVCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = Control(ResultList);
        draw.nmcd.hdr.idFrom = ResultList;
        draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.nmcd.uItemState = state;
        draw.nmcd.hdc = dc;
        draw.clrText = Untouched;
        draw.clrTextBk = Untouched;
        return draw;
    }
};

// A white bitmap of the list's client size, for the grid to be drawn into.
struct Canvas {
    explicit Canvas(HWND list) {
        GetClientRect(list, &client);
        const HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    bool Line(int x, int y) const { return GetPixel(dc, x, y) == GetSysColor(COLOR_BTNFACE); }
    RECT client;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

int HeaderBottom(HWND list) {
    RECT frame;
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &frame);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&frame), 2);
    return frame.bottom;
}

}  // namespace

TEST_F(CustomDraw, TreesColourHeadingsUnlessSelected) {
    const HWND page = PageContainer(0);
    NMTVCUSTOMDRAW draw = TreeDraw(HierarchyTree, CDDS_PREPAINT, 0, 0);
    EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(Send(Window().main, draw.nmcd.hdr), CDRF_NOTIFYITEMDRAW) << "the container answers as the window does";

    draw = TreeDraw(HierarchyTree, CDDS_ITEMPREPAINT, 0, 0);  // item 0 is a heading
    EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, HeadingColour);
    EXPECT_EQ(draw.clrTextBk, Untouched);

    draw = TreeDraw(HierarchyTree, CDDS_ITEMPREPAINT, 0, CDIS_SELECTED | CDIS_FOCUS);
    EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, Untouched) << "a selected heading keeps the selection colours";

    draw = TreeDraw(HierarchyTree, CDDS_ITEMPREPAINT, 2, 0);  // "Win32_Fan", a class
    EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, Untouched);

    for (LPARAM index : {-1, 482, 100000}) {
        draw = TreeDraw(HierarchyTree, CDDS_ITEMPREPAINT, index, 0);
        EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_DODEFAULT);
        EXPECT_EQ(draw.clrText, Untouched) << index;
    }

    draw = TreeDraw(AlphabeticalTree, CDDS_ITEMPREPAINT, 0, 0);
    EXPECT_EQ(Send(PageContainer(1), draw.nmcd.hdr), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, Untouched);

    EnableWindow(Control(HierarchyTree), FALSE);
    draw = TreeDraw(HierarchyTree, CDDS_PREPAINT, 0, 0);
    EXPECT_EQ(Send(page, draw.nmcd.hdr), CDRF_DODEFAULT) << "a disabled tree draws by itself";
    EnableWindow(Control(HierarchyTree), TRUE);
}

TEST_F(CustomDraw, ResultListColoursEveryColumnOfAColouredRowSelectedOrNot) {
    const HWND main = Window().main;
    ClearRows();
    AppendRow("Item #1");
    AppendRow("Name\nValue");
    SetRowColour(0, HeadingColour);

    NMLVCUSTOMDRAW draw = ListDraw(CDDS_PREPAINT, 0, 0);
    EXPECT_EQ(Send(main, draw.nmcd.hdr), CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT);

    draw = ListDraw(CDDS_ITEMPREPAINT, 0, 0);
    EXPECT_EQ(Send(main, draw.nmcd.hdr), CDRF_NOTIFYSUBITEMDRAW);
    draw = ListDraw(CDDS_ITEMPREPAINT, 1, 0);
    EXPECT_EQ(Send(main, draw.nmcd.hdr), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, Untouched);

    const COLORREF background = static_cast<COLORREF>(SendMessageA(Control(ResultList), LVM_GETBKCOLOR, 0, 0));
    for (UINT state : {0u, static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS)}) {
        for (int column = 0; column < 2; ++column) {
            draw = ListDraw(CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, state);
            draw.iSubItem = column;
            EXPECT_EQ(Send(main, draw.nmcd.hdr), CDRF_DODEFAULT);
            EXPECT_EQ(draw.clrText, HeadingColour) << state << " " << column;
            EXPECT_EQ(draw.clrTextBk, background);
        }
    }

    EnableWindow(Control(ResultList), FALSE);
    draw = ListDraw(CDDS_PREPAINT, 0, 0);
    EXPECT_EQ(Send(main, draw.nmcd.hdr), CDRF_DODEFAULT);
    EnableWindow(Control(ResultList), TRUE);

    // The button's own custom draw is left to it.
    NMCUSTOMDRAW button = {};
    button.hdr.hwndFrom = Control(ExecuteButton);
    button.hdr.idFrom = ExecuteButton;
    button.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
    button.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(Send(PageContainer(2), button.hdr), CDRF_DODEFAULT);
}

TEST_F(CustomDraw, GridLinesAfterPaintBelowTheHeaderAndBelowTheLastRow) {
    const HWND list = Control(ResultList);
    ClearRows();
    for (int i = 0; i < 3; ++i) AppendRow("Name\nValue");
    RECT row = {};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    const int height = row.bottom - row.top;
    const int header = HeaderBottom(list);
    ASSERT_GT(height, 0);
    ASSERT_GT(header, 0);

    Canvas canvas(list);
    NMLVCUSTOMDRAW draw = ListDraw(CDDS_POSTPAINT, 0, 0, canvas.dc);
    EXPECT_EQ(Send(Window().main, draw.nmcd.hdr), CDRF_DODEFAULT);

    const int x = 50;  // inside column 0
    for (int k = 1; header + k * height < canvas.client.bottom; ++k) {
        EXPECT_TRUE(canvas.Line(x, header + k * height)) << "row line " << k;
        EXPECT_FALSE(canvas.Line(x, header + k * height - 1)) << "on the last pixel row of row " << k;
    }
    for (int y = 0; y <= header; ++y) EXPECT_FALSE(canvas.Line(x, y)) << "over or on the header at " << y;
    EXPECT_TRUE(canvas.Line(199, header + height / 2)) << "the line before column 1";
    EXPECT_FALSE(canvas.Line(200, header + height / 2));
    EXPECT_TRUE(canvas.Line(199, canvas.client.bottom - 1)) << "down to the bottom";
    EXPECT_FALSE(canvas.Line(199, header - 1));
}

TEST_F(CustomDraw, AnEmptyListKeepsItsGridAtTheRowSpacing) {
    const HWND list = Control(ResultList);
    ClearRows();
    AppendRow("Name\nValue");
    RECT row = {};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    const int height = row.bottom - row.top;
    ClearRows();
    const int header = HeaderBottom(list);

    Canvas canvas(list);
    NMLVCUSTOMDRAW draw = ListDraw(CDDS_POSTPAINT, 0, 0, canvas.dc);
    Send(Window().main, draw.nmcd.hdr);
    EXPECT_TRUE(canvas.Line(50, header + height));
    EXPECT_TRUE(canvas.Line(50, header + 5 * height));
    EXPECT_FALSE(canvas.Line(50, header + 5 * height - 1));
    EXPECT_FALSE(canvas.Line(50, header)) << "not on the header's edge";
    EXPECT_TRUE(canvas.Line(199, header + 2)) << "the right edge of column 0";
    EXPECT_FALSE(canvas.Line(50, header - 1));
}

TEST_F(CustomDraw, ThePaintedListShowsItsGrid) {
    const HWND list = Control(ResultList);
    ClearRows();
    AppendRow("Name\nValue");
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    PumpMessages();
    RECT row = {};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    const HDC dc = GetDC(list);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(GetPixel(dc, 300, row.bottom), face);
    EXPECT_NE(GetPixel(dc, 300, row.bottom - 1), face) << "the row's own pixels stay clear for its text";
    EXPECT_EQ(GetPixel(dc, 300, row.bottom + 4 * (row.bottom - row.top)), face) << "below the last row";
    EXPECT_EQ(GetPixel(dc, 199, row.bottom + 30), face);
    EXPECT_NE(GetPixel(dc, 300, row.bottom + 2), face);
    ReleaseDC(list, dc);
}
