#include "bench/launch.h"

#include <commctrl.h>

#include "bench/bench_figures.h"

namespace {

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &result) != 0;
}

// The start-up fills both catalogue trees before its loop answers; checked all the same.
bool TreesFilled(HWND window) {
    const HWND hierarchy = ControlOf(window, WC_TREEVIEWA, 2);
    const HWND alphabetical = ControlOf(window, WC_TREEVIEWA, 3);
    return hierarchy != nullptr && alphabetical != nullptr && SendMessageA(hierarchy, TVM_GETCOUNT, 0, 0) == 482 &&
           SendMessageA(alphabetical, TVM_GETCOUNT, 0, 0) == 442;
}

}  // namespace

bool LaunchUntilPainted(const std::string& program, const std::string& arguments, bool trees, Launched& launched) {
    launched = Launched();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    const double start = NowMs();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &launched.process))
        return false;
    HWND window = nullptr;
    bool answered = false;
    // Tight polling while the program starts: the figure is taken the moment the state is seen.
    while (NowMs() - start < 60000) {
        if (WaitForSingleObject(launched.process.hProcess, 0) == WAIT_OBJECT_0) break;
        if (window == nullptr) {
            ForEachTopLevelWindow(launched.process.dwProcessId, [&](HWND candidate) {
                if (IsWindowVisible(candidate)) window = candidate;
                return window == nullptr;
            });
            if (window == nullptr) {
                Sleep(1);
                continue;
            }
        }
        // Answered in its loop: start-up is over (a sent message waits for the thread's next
        // message retrieval).
        if (!answered) answered = Answers(window);
        if (answered && (!trees || TreesFilled(window)) && !WaitsForPaint(window)) {
            launched.readyMs = NowMs() - start;
            launched.window = window;
            return true;
        }
        Sleep(1);
    }
    TerminateProcess(launched.process.hProcess, 1);
    CloseHandle(launched.process.hThread);
    CloseHandle(launched.process.hProcess);
    launched.process = PROCESS_INFORMATION();
    return false;
}

long CloseLaunched(Launched& launched) {
    if (launched.process.hProcess == nullptr) return -1;
    if (launched.window != nullptr) PostMessageA(launched.window, WM_CLOSE, 0, 0);
    long code = -1;
    if (WaitForSingleObject(launched.process.hProcess, 30000) == WAIT_OBJECT_0) {
        DWORD exitCode = 1;
        GetExitCodeProcess(launched.process.hProcess, &exitCode);
        code = static_cast<long>(exitCode);
    } else {
        TerminateProcess(launched.process.hProcess, 1);
    }
    CloseHandle(launched.process.hThread);
    CloseHandle(launched.process.hProcess);
    launched = Launched();
    return code;
}
