// The main window procedure. The page containers hand it every message but their painting, so it
// also answers for the controls on the tab pages.
#include <windows.h>

#include "ui/controls.h"
#include "ui/events.h"
#include "ui/keyboard_focus.h"
#include "ui/main_window.h"
#include "ui/notifications.h"
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

// The focus leaves with the main window's deactivation and comes back with its activation (not
// when it is activated while minimised). True when the focus was given back, so the default must
// not give it to the window itself.
bool OnActivate(HWND window, WPARAM wParam) {
    if (window != Window().main) return false;
    if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        return false;
    }
    return HIWORD(wParam) == 0 && GiveFocusBack();
}

// Tab and Shift+Tab, from the accelerator table; no control event.
void OnAcceleratorCommand(WORD command) {
    if (command == NextTabStopCommand) MoveFocus(true);
    if (command == PreviousTabStopCommand) MoveFocus(false);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
        if (lParam == 0) break;
        return OnNotify(window, wParam, lParam);
    case WM_COMMAND:
        if (lParam == 0) {  // accelerators (the window has no menu)
            OnAcceleratorCommand(LOWORD(wParam));
            return 0;
        }
        return OnCommand(ControlNumberOf(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(window, message, wParam, lParam);
    case WM_ACTIVATE:
        if (OnActivate(window, wParam)) return 0;
        break;
    case WM_CLOSE:
        // Closing ends the loop when it comes to this event; the window stays until the shutdown
        // destroys it.
        QueueEvent(Event{WindowCloseEvent, 0, 0, 0});
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // No exception may cross into the platform, which called this: what ran out of memory (an
    // event not queued, grid lines not drawn) is given up, and the program goes on.
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
