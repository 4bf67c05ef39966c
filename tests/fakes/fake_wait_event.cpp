#include "tests/fakes/fake_wait_event.h"

#include <cstddef>
#include <utility>

namespace {

std::vector<ScriptedWait> steps;
std::size_t next = 0;
int overruns = 0;

}  // namespace

void ScriptWaits(std::vector<ScriptedWait> script) {
    steps = std::move(script);
    next = 0;
    overruns = 0;
}

int WaitsTaken() { return static_cast<int>(next); }
int WaitsLeft() { return static_cast<int>(steps.size() - next); }
int WaitOverruns() { return overruns; }

Event WaitEvent() {
    if (next == steps.size()) {
        ++overruns;
        return Event{WindowCloseEvent, 0, 0, 0};
    }
    const ScriptedWait& step = steps[next++];
    if (step.before) step.before();
    return step.event;
}
