// Switching pages with the mouse on the real tab control, and the page background.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/pages.h"
#include "ui/visual_styles.h"
#include "ui/window_state.h"

namespace {

class Pages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MakeWindow(false)); }

    // A left click in the middle of the tab's header, as the mouse would give it.
    static void ClickTab(int tab) {
        const HWND tabs = Control(ViewTabs);
        RECT rect;
        ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&rect)));
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(tabs, WM_LBUTTONUP, 0, point);
        PumpMessages();
    }

    // An arrow key on the tab control moves to the next or previous tab, whether or not its header
    // is scrolled into sight (the tab row may be wider than the control).
    static void PressKey(WPARAM key) {
        SendMessageA(Control(ViewTabs), WM_KEYDOWN, key, 0);
        SendMessageA(Control(ViewTabs), WM_KEYUP, key, 0);
        PumpMessages();
    }

    static void ExpectOnShow(int shown) {
        RECT area;
        GetClientRect(Control(ViewTabs), &area);
        SendMessageA(Control(ViewTabs), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        EXPECT_EQ(CurrentPage(), shown);
        for (int tab = 0; tab < 3; ++tab) {
            SCOPED_TRACE(tab);
            const HWND container = PageContainer(tab);
            EXPECT_EQ(IsWindowVisible(container) != FALSE, tab == shown);
            EXPECT_EQ(IsWindowEnabled(container) != FALSE, tab == shown);
        }
        const RECT placed = RectInParent(PageContainer(shown));
        EXPECT_EQ(placed.left, area.left);
        EXPECT_EQ(placed.top, area.top);
        EXPECT_EQ(placed.right, area.right);
        EXPECT_EQ(placed.bottom, area.bottom);
    }
};

// The family of the outline font that text given FONT is really drawn in (empty if none): a face
// the system lacks is silently replaced by another.
std::string DrawnFamily(HFONT font) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    std::string family;
    if (const UINT size = GetOutlineTextMetricsA(dc, 0, nullptr)) {
        std::vector<char> metrics(size);
        auto* outline = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data());
        if (GetOutlineTextMetricsA(dc, size, outline) != 0) {
            family = metrics.data() + reinterpret_cast<std::uintptr_t>(outline->otmpFamilyName);
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return family;
}

// The face the system means by FACE: its entry in the font substitutes, else FACE itself.
std::string IntendedFace(const char* face) {
    char value[LF_FACESIZE] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                     face, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return face;
    }
    std::string intended = value;
    return intended.substr(0, intended.find(','));  // "Face,charset" names a face too
}

}  // namespace

// With a substitute face the tab row needs scroll arrows, the hint wraps otherwise and the caption
// buttons show letters: the program must be drawn in the faces Windows has for it.
TEST_F(Pages, DrawnInTheFacesTheSystemMeans) {
    const char* const cause = " (under Wine: Wine's own fonts, from Debian's package fonts-wine, "
                              "copied into the prefix by scripts/wine-prefix)";
    LOGFONTA dialog{};
    ASSERT_NE(GetObjectA(Stock().font, sizeof dialog, &dialog), 0);
    const std::string intended = IntendedFace(dialog.lfFaceName);
    EXPECT_EQ(DrawnFamily(Stock().font), intended)
        << "the dialog font \"" << dialog.lfFaceName << "\" is drawn in a substitute face" << cause;

    LOGFONTA symbols{};
    symbols.lfHeight = -13;
    symbols.lfCharSet = SYMBOL_CHARSET;
    lstrcpyA(symbols.lfFaceName, "Marlett");
    const HFONT marlett = CreateFontIndirectA(&symbols);
    EXPECT_EQ(DrawnFamily(marlett), "Marlett") << "no caption-button symbol font" << cause;
    DeleteObject(marlett);

    // The three tabs fit in one row on every page: the tab control shows no scroll arrows.
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    for (int page = 0; page < 3; ++page) {
        ASSERT_EQ(CurrentPage(), page);
        const HWND arrows = FindWindowExA(Control(ViewTabs), nullptr, UPDOWN_CLASSA, nullptr);
        EXPECT_FALSE(arrows != nullptr && IsWindowVisible(arrows))
            << "the tab row needs scroll arrows on page " << page << cause;
        PressKey(VK_RIGHT);
    }
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
}

TEST_F(Pages, ChoosingATabShowsItsPageAlone) {
    ExpectOnShow(0);
    ClickTab(1);
    ExpectOnShow(1);
    EXPECT_TRUE(IsWindowVisible(Control(AlphabeticalTree)));
    EXPECT_FALSE(IsWindowVisible(Control(HierarchyTree)));
    ClickTab(1);
    ExpectOnShow(1);
    PressKey(VK_RIGHT);
    ExpectOnShow(2);
    EXPECT_TRUE(IsWindowVisible(Control(CustomQueryField)));
    EXPECT_FALSE(IsWindowVisible(Control(AlphabeticalTree)));
    PressKey(VK_LEFT);
    ExpectOnShow(1);
    PressKey(VK_LEFT);
    ExpectOnShow(0);
}

TEST_F(Pages, HintAndButtonStandOnThePageBackground) {
    // Under Wine, as on a themed desktop, visual styles are in effect with the manifest.
    EXPECT_EQ(Window().visualStyles, VisualStylesAvailable());
    if (RunningUnderWine()) {
        EXPECT_TRUE(Window().visualStyles);
    }

    const HWND page = PageContainer(2);
    const HDC dc = GetDC(Control(CustomHint));
    for (int control : {CustomHint, ExecuteButton}) {
        SetBkMode(dc, OPAQUE);
        const UINT request = control == CustomHint ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN;
        const LRESULT brush = SendMessageA(page, request, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(Control(control)));
        if (Window().visualStyles) {
            EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH))) << control;
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT) << control;
        } else {
            EXPECT_NE(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH))) << control;
        }
    }
    // Any other static text keeps the default colours.
    SetBkMode(dc, OPAQUE);
    const LRESULT other = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Control(CustomQueryField)));
    EXPECT_NE(other, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);

    // Without visual styles the hint too gets the default colours.
    const bool styles = Window().visualStyles;
    Window().visualStyles = false;
    const LRESULT plain = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Control(CustomHint)));
    EXPECT_NE(plain, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    Window().visualStyles = styles;
    ReleaseDC(Control(CustomHint), dc);
}

TEST_F(Pages, ThePageOnShowIsAsAFreshPaintAfterASwitchAndAfterAMinimise) {
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT}) {
        PressKey(key);
        EXPECT_EQ(PagePixelsChangedByAFreshPaint(), 0) << "after a switch to page " << CurrentPage();
    }
    ShowWindow(Window().main, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(Window().main, SW_RESTORE);
    EXPECT_EQ(PagePixelsChangedByAFreshPaint(), 0) << "after a minimise and restore";
}

TEST_F(Pages, APagePaintedAloneGetsItsBackgroundAgain) {
    // A spot of the page on show that no control covers.
    const HWND page = PageContainer(CurrentPage());
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    const HDC dc = GetDC(page);
    const COLORREF background = GetPixel(dc, 1, 1);
    const COLORREF marker = background ^ 0x00FFFFFF;
    SetPixel(dc, 1, 1, marker);
    ASSERT_EQ(GetPixel(dc, 1, 1), marker);
    // This time the tab control paints nothing under it: the page prints its background itself.
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_EQ(GetPixel(dc, 1, 1), background);

    // Nor when the tab control has painted since, but only its tab row, nothing under the page.
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    SetPixel(dc, 1, 1, marker);
    const HWND tabs = Control(ViewTabs);
    RECT row, area;
    GetClientRect(tabs, &row);
    area = row;
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    row.bottom = area.top;
    RedrawWindow(tabs, &row, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_EQ(GetPixel(dc, 1, 1), background) << "after the tab row alone";
    ReleaseDC(page, dc);
}
