// window_driver PROGRAM DIR: starts PROGRAM, waits until its main window exists, its message loop
// answers (SendMessageTimeout with WM_NULL) and the window has painted, writes the window's screen
// rectangle ("x y width height") to DIR/ready, waits until DIR/close exists, posts WM_CLOSE to the
// window, writes the program's exit code to DIR/exit-code and returns it. Used to take a
// screenshot of the program once its start-up is over, without guessing a delay.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (process == search.process && std::string(name) == "WindowClass_0" && IsWindowVisible(window)) {
        search.window = window;
        return FALSE;
    }
    return TRUE;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

BOOL CALLBACK NoteUpdate(HWND child, LPARAM context) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(context) = true;
    return TRUE;
}

// Whether the window or any visible window inside it still waits to be painted.
bool WaitsForPaint(HWND window) {
    bool waits = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    EnumChildWindows(window, NoteUpdate, reinterpret_cast<LPARAM>(&waits));
    return waits;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_driver PROGRAM DIR\n");
        return 2;
    }
    const std::string directory = argv[2];
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "window_driver: cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 2;
    }

    Search search = {process.dwProcessId, nullptr};
    for (int i = 0; i < 1200 && !(search.window != nullptr && Answers(search.window)); ++i) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        if (search.window == nullptr) EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    if (search.window == nullptr || !Answers(search.window)) {
        std::fprintf(stderr, "window_driver: no main window answering within a minute\n");
        TerminateProcess(process.hProcess, 1);
        return 2;
    }
    // Paint messages come when the loop finds nothing else to do: once nothing is left to paint,
    // twice in a row, the window shows what start-up made.
    for (int i = 0, quiet = 0; i < 100 && quiet < 2; ++i) {
        Sleep(50);
        Answers(search.window);
        quiet = WaitsForPaint(search.window) ? 0 : quiet + 1;
    }

    RECT rect;
    GetWindowRect(search.window, &rect);
    if (FILE* ready = std::fopen((directory + "/ready").c_str(), "w")) {
        std::fprintf(ready, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        std::fclose(ready);
    }
    const std::string close = directory + "/close";
    for (int i = 0; i < 1200 && GetFileAttributesA(close.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);

    PostMessageA(search.window, WM_CLOSE, 0, 0);
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "window_driver: the program did not end after WM_CLOSE\n");
        TerminateProcess(process.hProcess, 1);
    }
    GetExitCodeProcess(process.hProcess, &code);
    if (FILE* exit = std::fopen((directory + "/exit-code").c_str(), "w")) {
        std::fprintf(exit, "%lu\n", code);
        std::fclose(exit);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
