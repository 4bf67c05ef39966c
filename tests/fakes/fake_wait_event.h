#pragma once
// A scripted WaitEvent: each wait first runs its step's action (the user changing the selection
// or the field meanwhile), then hands out its step's event. A wait past the end of the script
// counts as an overrun and hands out a WindowCloseEvent, so a faulty loop cannot hang a test.
#include <functional>
#include <vector>

#include "ui/wait_event.h"

struct ScriptedWait {
    Event event;
    std::function<void()> before;
};

void ScriptWaits(std::vector<ScriptedWait> script);
int WaitsTaken();    // waits handed out from the script
int WaitsLeft();     // script steps not yet waited for
int WaitOverruns();  // waits after the script had ended
