#include "tests/tools/driver_support.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool IsExtendedKey(WORD key) {
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

void AddKey(std::vector<INPUT>& keys, WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    // Without the flag, Home and the arrows would be read as the keys of the number pad.
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    keys.push_back(input);
}

void AddPress(std::vector<INPUT>& keys, WORD key, bool shift) {
    if (shift) AddKey(keys, VK_SHIFT, false);
    AddKey(keys, key, false);
    AddKey(keys, key, true);
    if (shift) AddKey(keys, VK_SHIFT, true);
}

}  // namespace

bool StartProgram(const char* program, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    process = PROCESS_INFORMATION{};
    std::string command = std::string("\"") + program + "\"";
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return true;
    std::fprintf(stderr, "cannot start %s (error %lu)\n", program, GetLastError());
    return false;
}

HWND WaitForMainWindow(const PROCESS_INFORMATION& process) {
    HWND window = nullptr;
    for (int i = 0; i < 1200 && !(window != nullptr && Answers(window)); ++i) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        if (window == nullptr) window = TopLevelWindowOf(process.dwProcessId, "WindowClass_0", true);
    }
    return window != nullptr && Answers(window) ? window : nullptr;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
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

bool TypeKeys(const char* script) {
    static const struct {
        const char* name;
        WORD key;
        bool shift;
    } names[] = {{"{TAB}", VK_TAB, false},       {"{SHIFTTAB}", VK_TAB, true},   {"{RIGHT}", VK_RIGHT, false},
                 {"{LEFT}", VK_LEFT, false},     {"{UP}", VK_UP, false},         {"{DOWN}", VK_DOWN, false},
                 {"{HOME}", VK_HOME, false},     {"{END}", VK_END, false},       {"{SHIFTHOME}", VK_HOME, true},
                 {"{SHIFTEND}", VK_END, true},   {"{ENTER}", VK_RETURN, false},  {"{SPACE}", VK_SPACE, false},
                 {"{BACKSPACE}", VK_BACK, false}, {"{ESCAPE}", VK_ESCAPE, false}};
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

bool WriteText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) return false;
    const bool written = std::fprintf(file, "%s\n", text.c_str()) >= 0;
    return std::fclose(file) == 0 && written;
}

bool WaitForFile(const std::string& path, DWORD milliseconds) {
    for (DWORD waited = 0; GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 50) {
        if (waited >= milliseconds) return false;
        Sleep(50);
    }
    return true;
}

DWORD CloseProgram(HWND window, PROCESS_INFORMATION& process) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "the program did not end after WM_CLOSE\n");
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}
