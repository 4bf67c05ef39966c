#include "ui/event_loop.h"

#include "ui/dispatch.h"
#include "ui/events.h"
#include "ui/wait_event.h"

void RunEventLoop() {
    for (;;) {
        const Event event = WaitEvent();
        if (event.kind == ControlEvent) {
            DispatchEvent(event);
        } else if (event.kind == WindowCloseEvent) {
            return;
        }
    }
}
