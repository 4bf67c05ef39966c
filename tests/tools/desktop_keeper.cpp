// desktop_keeper: keeps the Wine prefix's desktop up for a whole test run (started by the test
// fixture, with its output going nowhere). Wine ends a desktop, with its explorer process, a few
// seconds after the last program on it has ended; the next test program that needs one starts it
// again, that explorer holds the test's output open, and CTest waits until the desktop ends once
// more: 10 to 15 seconds a test. This program takes the desktop (starting it if need be), starts a
// copy of itself that holds it, showing nothing, until the prefix's server is stopped, and returns.
#include <windows.h>

#include <string>

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the platform header names its own
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    GetDesktopWindow();
    if (std::string(commandLine) == "hold") {
        for (;;) Sleep(INFINITE);
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" hold";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
