// The EventQueue, the CommandEvent slot and the wait's order under random operation sequences,
// against a plain model: a list that drops an event equal to its last one, and one slot.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <deque>

#include "fuzz/fuzz_check.h"
#include "ui/events.h"

namespace {

FuzzedDataProvider* input = nullptr;
std::deque<Event> modelQueue;
bool modelRaised = false;
Event modelCommand{};
int messagesHandled = 0;
std::int32_t lastMessage = 0;

// Few distinct values, so that equal events are common.
std::int32_t Value() {
    const std::uint8_t pick = input->ConsumeIntegral<std::uint8_t>();
    if (pick < 250) return pick % 3;
    return input->ConsumeIntegral<std::int32_t>();
}

Event NextEventValue() {
    const std::int32_t kinds[] = {ControlEvent, WindowCloseEvent, 0x0F, 0x12};
    const std::int32_t kind = kinds[input->ConsumeIntegralInRange<int>(0, 3)];
    return Event{kind, Value(), Value(), Value()};
}

void Queue() {
    const Event event = NextEventValue();
    QueueEvent(event);
    if (modelQueue.empty() || !(modelQueue.back() == event)) modelQueue.push_back(event);
}

void Raise() {
    const Event event = NextEventValue();
    RaiseCommandEvent(event);
    modelRaised = true;
    modelCommand = event;
}

// A message whose handling raises a few events.
std::int32_t HandleMessage() {
    ++messagesHandled;
    const int raised = input->ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < raised; ++i) {
        if (input->ConsumeBool()) Queue();
        else Raise();
    }
    lastMessage = input->ConsumeIntegral<std::uint16_t>();
    return lastMessage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    input = &in;
    Event event{};
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            Queue();
            break;
        case 1: {
            const bool taken = TakeQueuedEvent(event);
            Check(taken == !modelQueue.empty(), "an event is taken exactly when one waits");
            if (taken) {
                Check(event == modelQueue.front(), "the oldest is taken");
                modelQueue.pop_front();
            }
            break;
        }
        case 2:
            Raise();
            break;
        case 3: {
            const bool taken = TakeCommandEvent(event);
            Check(taken == modelRaised, "the slot is taken exactly when full");
            if (taken) Check(event == modelCommand, "the last raised is held");
            modelRaised = false;
            break;
        }
        default: {
            const int before = messagesHandled;
            if (!modelQueue.empty()) {
                const Event expected = modelQueue.front();
                modelQueue.pop_front();
                Check(NextEvent(HandleMessage) == expected, "a wait takes the queue first");
                Check(messagesHandled == before, "and handles no message then");
                break;
            }
            modelRaised = false;  // a command event from outside the handling is not handed out
            const Event got = NextEvent(HandleMessage);
            Check(messagesHandled == before + 1, "one message per wait with an empty queue");
            if (modelRaised) {
                Check(got == modelCommand, "the message's command event");
                modelRaised = false;
            } else {
                Check(got == Event{lastMessage, 0, 0, 0}, "else the message's number");
            }
            break;
        }
        }
    }
    // Empty both, checking what is left, so that the next input starts clean.
    while (TakeQueuedEvent(event)) {
        Check(!modelQueue.empty() && event == modelQueue.front(), "what is left in the queue");
        modelQueue.pop_front();
    }
    Check(modelQueue.empty(), "nothing missing from the queue");
    Check(TakeCommandEvent(event) == modelRaised, "what is left in the slot");
    modelRaised = false;
    input = nullptr;  // the provider ends with this run
    return 0;
}
