// The wait on Win32: the EventQueue first, else one message of the thread.
#include "ui/wait_event.h"

#include <windows.h>

#include <cstdint>

#include "ui/window_state.h"

namespace {

// Takes the next message of the thread, for any of its windows. Tab and Shift+Tab go to the
// accelerator table while the main window is the active one; everything else is translated and
// dispatched, the main window procedure raising events meanwhile.
std::int32_t HandleOneMessage() {
    MSG message = {};
    // The result is not tested: WM_QUIT is dispatched like any other message, and the loop passes
    // over its number.
    GetMessageA(&message, nullptr, 0, 0);
    const WindowState& w = Window();
    if (w.main != nullptr && GetActiveWindow() == w.main &&
        TranslateAcceleratorA(w.main, w.accelerators, &message))
        return static_cast<std::int32_t>(message.message);
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return static_cast<std::int32_t>(message.message);
}

}  // namespace

Event WaitEvent() { return NextEvent(HandleOneMessage); }
