#include "ui/keyboard_focus.h"

#include <new>
#include <vector>

#include "ui/tab_order.h"
#include "ui/window_state.h"

namespace {

struct Descendants {
    std::vector<HWND> window;
    std::vector<bool> isTabStop;
    bool unfinished = false;
};

BOOL CALLBACK ListDescendant(HWND window, LPARAM context) {
    Descendants& descendants = *reinterpret_cast<Descendants*>(context);
    // IsWindowVisible counts the parents too, so the controls of a hidden page are passed over.
    const bool tabStop = IsWindowEnabled(window) && IsWindowVisible(window) &&
                         (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0;
    // No exception may cross the platform's enumeration: without memory it ends, unfinished.
    try {
        descendants.window.push_back(window);
        descendants.isTabStop.push_back(tabStop);
    } catch (const std::bad_alloc&) {
        descendants.unfinished = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HACCEL CreateTabAccelerators() {
    ACCEL keys[2] = {};
    keys[0].fVirt = FVIRTKEY;
    keys[0].key = VK_TAB;
    keys[0].cmd = NextTabStopCommand;
    keys[1].fVirt = FVIRTKEY | FSHIFT;
    keys[1].key = VK_TAB;
    keys[1].cmd = PreviousTabStopCommand;
    return CreateAcceleratorTableA(keys, 2);
}

void MoveFocus(bool forward) {
    const HWND active = GetActiveWindow();
    if (active == nullptr) return;
    Descendants descendants;
    EnumChildWindows(active, ListDescendant, reinterpret_cast<LPARAM>(&descendants));
    if (descendants.unfinished) return;  // the focus stays where it is
    const HWND focus = GetFocus();
    int focused = -1;
    for (int i = 0; i < static_cast<int>(descendants.window.size()); ++i)
        if (descendants.window[i] == focus) focused = i;
    const int next = NextTabStop(descendants.isTabStop, focused, forward);
    if (next >= 0) SetFocus(descendants.window[next]);
}

void RememberFocus() {
    WindowState& w = Window();
    const HWND focus = GetFocus();
    w.focusWhenDeactivated = focus != nullptr && IsChild(w.main, focus) ? focus : nullptr;
}

bool GiveFocusBack() {
    WindowState& w = Window();
    const HWND control = w.focusWhenDeactivated;
    // A control destroyed meanwhile is not given the focus.
    if (control == nullptr || !IsWindow(control) || !IsChild(w.main, control)) return false;
    SetFocus(control);
    return true;
}
