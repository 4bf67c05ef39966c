// ShowMessage: a modal box with an OK button only, while the rest of the program takes no input.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls.h"

namespace {

struct DisabledWindows {
    HWND foreground;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM context) {
    DisabledWindows& disabled = *reinterpret_cast<DisabledWindows*>(context);
    if (window != disabled.foreground && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows.push_back(window);
    }
    return TRUE;
}

}  // namespace

void ShowMessage(const std::string& caption, const std::string& text) {
    // The box's own loop keeps the window painted, the ResultList included.
    ResumeRowRedraw();
    // The box's owner (disabled by the box itself) is the foreground window when it is one of ours;
    // every other visible top-level window of this thread is disabled here.
    DisabledWindows disabled = {GetForegroundWindow(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));

    DWORD process = 0;
    if (disabled.foreground != nullptr) GetWindowThreadProcessId(disabled.foreground, &process);
    const HWND owner = process == GetCurrentProcessId() ? disabled.foreground : nullptr;
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);

    for (HWND window : disabled.windows) EnableWindow(window, TRUE);
}
