#include "ui/pages.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <memory>
#include <type_traits>

#include "ui/control_definitions.h"
#include "ui/main_window.h"
#include "ui/window_state.h"

namespace {

// The tab control does not clip its children: whenever it paints the display area, it paints its
// page background there, under the page on show, and it is painted before its children. So a
// container painted right after the tab control painted its whole area already has its background
// on the screen; it prints the tab control into itself only when that is not the case (painted
// alone, after the tab control painted only a part, or drawn into a DC that is not its own:
// printed, or a transparent control asking for its parent's background).
void PaintParentBackground(HWND container, HDC dc) {
    const PagePainting& painting = Window().pagePainting;
    const HWND tabs = GetParent(container);
    if (painting.container == container && painting.paneFresh && !GetUpdateRect(tabs, nullptr, FALSE)) return;
    DrawThemeParentBackground(container, dc, nullptr);
}

struct DeleteRegion {
    void operator()(HRGN region) const { DeleteObject(region); }
};
using Region = std::unique_ptr<std::remove_pointer_t<HRGN>, DeleteRegion>;

// Whether the tab control's update region covers the display area, where the containers stand.
bool CoversDisplayArea(HWND tabs) {
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    const Region update(CreateRectRgn(0, 0, 0, 0));
    const Region display(CreateRectRgnIndirect(&area));
    return update && display && GetUpdateRgn(tabs, update.get(), FALSE) != ERROR &&
           CombineRgn(display.get(), display.get(), update.get(), RGN_DIFF) == NULLREGION;
}

LRESULT CALLBACK TabsProc(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT && wParam == 0) Window().pagePainting.paneFresh = CoversDisplayArea(tabs);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(tabs, TabsProc, 0);
    return DefSubclassProc(tabs, message, wParam, lParam);
}

// Painting is the container's own: it paints its parent's background under it, and nothing else.
// Every other message is the main window's. The static's own procedure is never called, so it is
// replaced outright rather than subclassed through comctl32's SetWindowSubclass, which under Wine
// goes to the server for every message, and every notification of the controls on the page comes
// this way (the trees' custom draw of each item they paint; bench/RESULTS.md has the cost).
LRESULT CALLBACK PageContainerProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
    PagePainting& painting = Window().pagePainting;
    switch (message) {
    case WM_ERASEBKGND:
        PaintParentBackground(container, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PRINTCLIENT:
        DrawThemeParentBackground(container, reinterpret_cast<HDC>(wParam), nullptr);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        painting.container = container;
        BeginPaint(container, &paint);
        EndPaint(container, &paint);
        painting.container = nullptr;
        painting.paneFresh = false;
        return 0;
    }
    default:
        return MainWindowProc(container, message, wParam, lParam);
    }
}

// Covers the tab control's display area: its client rectangle less the tab row.
void PlaceContainer(HWND container) {
    const HWND tabs = Control(ViewTabs);
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    SetWindowPos(container, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void HidePage(int tab) {
    const HWND container = PageContainer(tab);
    if (container == nullptr) return;
    ShowWindow(container, SW_HIDE);
    EnableWindow(container, FALSE);
}

void RevealPage(int tab) {
    const HWND container = PageContainer(tab);
    if (container == nullptr) return;
    PlaceContainer(container);
    EnableWindow(container, TRUE);
    ShowWindow(container, SW_SHOW);
}

}  // namespace

HWND AddPage(HWND tabs, int tab, const char* caption) {
    const HWND container = CreateWindowExA(0, "STATIC", nullptr, PageContainerStyle, 0, 0, 0, 0, tabs, nullptr,
                                           Stock().instance, nullptr);
    if (container != nullptr) {
        SetWindowLongPtrA(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PageContainerProc));
        // A page that is not on show is disabled as well as hidden.
        EnableWindow(container, FALSE);
    }
    char text[64];
    lstrcpynA(text, caption, sizeof text);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.lParam = reinterpret_cast<LPARAM>(container);
    SendMessageA(tabs, TCM_INSERTITEMA, tab, reinterpret_cast<LPARAM>(&item));
    ShowPage(CurrentPage());
    return container;
}

void WatchTabPainting(HWND tabs) {
    if (tabs == nullptr) return;
    SetWindowSubclass(tabs, TabsProc, 0, 0);
}

HWND PageContainer(int tab) {
    const HWND tabs = Control(ViewTabs);
    if (tabs == nullptr || tab < 0) return nullptr;
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tabs, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

int CurrentPage() {
    const HWND tabs = Control(ViewTabs);
    return tabs == nullptr ? -1 : static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

void ShowPage(int tab) {
    HidePage(CurrentPage());
    SendMessageA(Control(ViewTabs), TCM_SETCURSEL, tab, 0);
    RevealPage(tab);
}

void LeaveCurrentPage() { HidePage(CurrentPage()); }

void EnterCurrentPage() { RevealPage(CurrentPage()); }
