// The main window procedure. The page containers hand it every message but their painting, so it
// also answers for the controls on the tab pages.
#include <windows.h>

#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/notifications.h"
#include "ui/stand_in_loop.h"
#include "ui/visual_styles.h"
#include "ui/window_state.h"

namespace {

LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) {
    NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
    switch (ControlNumberOf(header.hwndFrom)) {
    case ResultList:
        return OnResultListNotify(header);
    case ViewTabs:
        return OnViewTabsNotify(header);
    case HierarchyTree:
        return OnTreeNotify(HierarchyTree, header);
    case AlphabeticalTree:
        return OnTreeNotify(AlphabeticalTree, header);
    default:
        return DefWindowProcA(window, WM_NOTIFY, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
        if (lParam == 0) break;
        return OnNotify(window, wParam, lParam);
    case WM_COMMAND:
        if (lParam == 0) break;  // menus and accelerators
        return OnCommand(ControlNumberOf(reinterpret_cast<HWND>(lParam)), HIWORD(wParam),
                         reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(window, message, wParam, lParam);
    case WM_CLOSE:
        // Closing ends the loop; the window stays until the shutdown destroys it.
        RequestLoopEnd();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
