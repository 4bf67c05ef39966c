#include "ui/events.h"

#include <deque>
#include <new>

namespace {

std::deque<Event> queue;
Event command{};
bool commandRaised = false;

}  // namespace

bool operator==(const Event& a, const Event& b) {
    return a.kind == b.kind && a.control == b.control && a.window == b.window && a.detail == b.detail;
}

void QueueEvent(const Event& event) {
    // Only the newest is compared: the same event behind a different one is a new report.
    if (!queue.empty() && queue.back() == event) return;
    // Events are raised inside window procedures, which no exception may leave: one that memory
    // cannot hold is given up.
    try {
        queue.push_back(event);
    } catch (const std::bad_alloc&) {
        return;
    }
}

bool TakeQueuedEvent(Event& event) {
    if (queue.empty()) return false;
    event = queue.front();
    queue.pop_front();
    return true;
}

void RaiseCommandEvent(const Event& event) {
    command = event;
    commandRaised = true;
}

bool TakeCommandEvent(Event& event) {
    if (!commandRaised) return false;
    event = command;
    commandRaised = false;
    return true;
}

Event NextEvent(MessageHandler handleOneMessage) {
    Event event{};
    if (TakeQueuedEvent(event)) return event;
    // Only what this message raises counts.
    TakeCommandEvent(event);
    const std::int32_t message = handleOneMessage();
    if (TakeCommandEvent(event)) return event;
    return Event{message, 0, 0, 0};
}
