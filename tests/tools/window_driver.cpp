// window_driver PROGRAM DIR [KEYS]: starts PROGRAM, waits until its main window exists, its message
// loop answers (SendMessageTimeout with WM_NULL) and the window has painted, writes the window's
// screen rectangle ("x y width height") to DIR/ready, waits until DIR/close exists, posts WM_CLOSE
// to the window, writes the program's exit code to DIR/exit-code and returns it. Used to take a
// screenshot of the program once its start-up is over, without guessing a delay.
// With KEYS (see TypeKeys), the keys are typed into the program as real input before DIR/ready is
// written, and the driver waits until the ResultList has changed (a query has run) and the window
// has painted.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/tools/driver_support.h"

namespace {

// Rows of the program's ResultList (a message without pointers works across processes).
LRESULT RowsOf(HWND window) {
    const HWND list = FindWindowExA(window, nullptr, "SysListView32", nullptr);
    return list == nullptr ? -1 : SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: window_driver PROGRAM DIR [KEYS]\n");
        return 2;
    }
    const std::string directory = argv[2];
    PROCESS_INFORMATION process;
    if (!StartProgram(argv[1], process)) return 2;

    const HWND window = WaitForMainWindow(process);
    if (window == nullptr) {
        std::fprintf(stderr, "window_driver: no main window answering within a minute\n");
        TerminateProcess(process.hProcess, 1);
        return 2;
    }
    WaitUntilPainted(window);
    if (argc == 4) {
        SetForegroundWindow(window);
        const LRESULT rowsBefore = RowsOf(window);
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
            GetWindowTextA(window, title, sizeof title);
            done = RowsOf(window) != rowsBefore && std::strcmp(title, "Ostrevo") == 0 ? done + 1 : 0;
        }
        WaitUntilPainted(window);
    }

    RECT rect;
    GetWindowRect(window, &rect);
    WriteRect(directory + "/ready", rect);
    WaitForFile(directory + "/close", 60000);

    const DWORD code = CloseProgram(window, process);
    if (FILE* exit = std::fopen((directory + "/exit-code").c_str(), "w")) {
        std::fprintf(exit, "%lu\n", code);
        std::fclose(exit);
    }
    return static_cast<int>(code);
}
