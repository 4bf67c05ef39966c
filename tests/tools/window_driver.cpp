// window_driver PROGRAM DIR [KEYS]: starts PROGRAM, waits until its main window exists, its message
// loop answers (SendMessageTimeout with WM_NULL) and the window has painted, writes the window's
// screen rectangle ("x y width height") to DIR/ready, waits until DIR/close exists, posts WM_CLOSE
// to the window, writes the program's exit code to DIR/exit-code and returns it. Used to take a
// screenshot of the program once its start-up is over, without guessing a delay.
// With KEYS, the keys are typed into the program as real input before DIR/ready is written, and
// the driver waits until the ResultList has changed (a query has run) and the window has painted.
// KEYS holds plain characters and the names {TAB}, {SHIFTTAB}, {RIGHT}, {LEFT}, {UP}, {DOWN},
// {HOME}, {END}, {ENTER} and {SPACE}.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

void AddKey(std::vector<INPUT>& keys, WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    keys.push_back(input);
}

void AddPress(std::vector<INPUT>& keys, WORD key, bool shift) {
    if (shift) AddKey(keys, VK_SHIFT, false);
    AddKey(keys, key, false);
    AddKey(keys, key, true);
    if (shift) AddKey(keys, VK_SHIFT, true);
}

// The keys of the script as real input; false for a name it does not know.
bool TypeKeys(const char* script) {
    static const struct {
        const char* name;
        WORD key;
        bool shift;
    } names[] = {{"{TAB}", VK_TAB, false},    {"{SHIFTTAB}", VK_TAB, true}, {"{RIGHT}", VK_RIGHT, false},
                 {"{LEFT}", VK_LEFT, false},  {"{UP}", VK_UP, false},       {"{DOWN}", VK_DOWN, false},
                 {"{HOME}", VK_HOME, false},  {"{END}", VK_END, false},     {"{ENTER}", VK_RETURN, false},
                 {"{SPACE}", VK_SPACE, false}};
    for (const char* c = script; *c != '\0';) {
        std::vector<INPUT> keys;
        if (*c == '{') {
            bool known = false;
            for (const auto& n : names) {
                if (std::strncmp(c, n.name, std::strlen(n.name)) != 0) continue;
                AddPress(keys, n.key, n.shift);
                c += std::strlen(n.name);
                known = true;
                break;
            }
            if (!known) return false;
        } else {
            const SHORT key = VkKeyScanA(*c++);
            AddPress(keys, static_cast<WORD>(LOBYTE(key)), (HIBYTE(key) & 1) != 0);
        }
        SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
        Sleep(20);
    }
    return true;
}

// Rows of the program's ResultList (a message without pointers works across processes).
LRESULT RowsOf(HWND window) {
    const HWND list = FindWindowExA(window, nullptr, "SysListView32", nullptr);
    return list == nullptr ? -1 : SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
}

void WaitUntilPainted(HWND window) {
    // Paint messages come when the loop finds nothing else to do: once nothing is left to paint,
    // twice in a row, the window shows what the program made.
    for (int i = 0, quiet = 0; i < 100 && quiet < 2; ++i) {
        Sleep(50);
        Answers(window);
        quiet = WaitsForPaint(window) ? 0 : quiet + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: window_driver PROGRAM DIR [KEYS]\n");
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
    WaitUntilPainted(search.window);
    if (argc == 4) {
        SetForegroundWindow(search.window);
        const LRESULT rowsBefore = RowsOf(search.window);
        if (!TypeKeys(argv[3])) {
            std::fprintf(stderr, "window_driver: unknown key name in %s\n", argv[3]);
            TerminateProcess(process.hProcess, 1);
            return 2;
        }
        // The query has run once the list holds other rows than before and the title is back,
        // twice in a row.
        char title[64] = {};
        for (int i = 0, done = 0; i < 600 && done < 2; ++i) {
            WaitForInputIdle(process.hProcess, 100);
            Sleep(50);
            GetWindowTextA(search.window, title, sizeof title);
            done = RowsOf(search.window) != rowsBefore && std::strcmp(title, "Ostrevo") == 0 ? done + 1 : 0;
        }
        WaitUntilPainted(search.window);
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
