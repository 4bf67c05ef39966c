// ShowMessage: a modal box with an OK button only, while the rest of the program takes no input.
#include <windows.h>

#include <array>
#include <string>

#include "ui/controls.h"

namespace {

// Room for them all without allocating: the box that says memory has run out comes up too.
struct DisabledWindows {
    HWND foreground;
    std::array<HWND, 64> windows;
    std::size_t count;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM context) {
    DisabledWindows& disabled = *reinterpret_cast<DisabledWindows*>(context);
    if (window != disabled.foreground && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows[disabled.count++] = window;
    }
    return disabled.count < disabled.windows.size();
}

}  // namespace

void ShowMessage(const std::string& caption, const std::string& text) {
    // The box's own loop keeps the window painted, the ResultList included.
    ResumeRowRedraw();
    // The box's owner (disabled by the box itself) is the foreground window when it is one of ours;
    // every other visible top-level window of this thread is disabled here.
    DisabledWindows disabled = {GetForegroundWindow(), {}, 0};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));

    DWORD process = 0;
    if (disabled.foreground != nullptr) GetWindowThreadProcessId(disabled.foreground, &process);
    const HWND owner = process == GetCurrentProcessId() ? disabled.foreground : nullptr;
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);

    for (std::size_t i = 0; i < disabled.count; ++i) EnableWindow(disabled.windows[i], TRUE);
}
