// Walking windows with a lambda: the top-level windows of a process, or every window inside one.
// The visitor takes the window and returns void to see every window, or bool: false ends the walk.
// Header only, so that the in-process tests and the benchmark take it without the drivers' code.
#pragma once
#include <windows.h>

#include <type_traits>

namespace window_search {

template <typename Visit>
bool Continue(Visit& visit, HWND window) {
    if constexpr (std::is_void_v<decltype(visit(window))>) {
        visit(window);
        return true;
    } else {
        return visit(window);
    }
}

// The one enumeration callback: the context is the caller's lambda.
template <typename Visit>
BOOL CALLBACK Call(HWND window, LPARAM context) {
    return (*reinterpret_cast<Visit*>(context))(window) ? TRUE : FALSE;
}

}  // namespace window_search

// Each top-level window of the process, or of every process for 0.
template <typename Visit>
void ForEachTopLevelWindow(DWORD process, Visit&& visit) {
    auto ofProcess = [process, &visit](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return (process != 0 && owner != process) || window_search::Continue(visit, window);
    };
    EnumWindows(window_search::Call<decltype(ofProcess)>, reinterpret_cast<LPARAM>(&ofProcess));
}

// Each window inside the parent, its children's children too.
template <typename Visit>
void ForEachChildWindow(HWND parent, Visit&& visit) {
    auto each = [&visit](HWND window) { return window_search::Continue(visit, window); };
    EnumChildWindows(parent, window_search::Call<decltype(each)>, reinterpret_cast<LPARAM>(&each));
}

// Whether the window's class has that name (class names ignore case).
inline bool HasClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

// The process's first top-level window of the class (of any process for 0), or null; with
// visibleOnly, only a visible one.
inline HWND TopLevelWindowOf(DWORD process, const char* className, bool visibleOnly) {
    HWND found = nullptr;
    ForEachTopLevelWindow(process, [&](HWND window) {
        if (!HasClass(window, className) || (visibleOnly && !IsWindowVisible(window))) return true;
        found = window;
        return false;
    });
    return found;
}

// The window inside the parent with the class and control identifier, or null.
inline HWND ControlOf(HWND parent, const char* className, int id) {
    HWND found = nullptr;
    ForEachChildWindow(parent, [&](HWND window) {
        if (GetDlgCtrlID(window) != id || !HasClass(window, className)) return true;
        found = window;
        return false;
    });
    return found;
}

// Whether the window or any visible window inside it still waits to be painted.
inline bool WaitsForPaint(HWND window) {
    bool waits = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    ForEachChildWindow(window, [&](HWND child) {
        if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) waits = true;
    });
    return waits;
}
