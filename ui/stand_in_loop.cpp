#include "ui/stand_in_loop.h"

#include <windows.h>

namespace {
bool endRequested = false;
}

void RequestLoopEnd() { endRequested = true; }

void RunStandInLoop() {
    endRequested = false;
    while (!endRequested) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) == -1) continue;
        if (message.hwnd == nullptr && message.message == WM_CLOSE) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
