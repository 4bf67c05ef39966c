#pragma once
#include <cstdint>

// What the window tells the event loop: four signed 32-bit values. A wait that hands out no event
// hands out the number of the message it handled as the kind, the other three values 0.
struct Event {
    std::int32_t kind;
    std::int32_t control;  // the control that raised it (0 to 6); meaningful for a ControlEvent only
    std::int32_t window;   // always 0, the main window
    std::int32_t detail;   // an EventDetail, or the notification code of a WM_COMMAND
};

bool operator==(const Event& a, const Event& b);

// The two kinds the loop acts on. 16 is also WM_CLOSE's message number, so a WM_CLOSE posted to
// the thread ends the loop by itself.
enum EventKind : std::int32_t {
    WindowCloseEvent = 16,
    ControlEvent = 13100,
};

// What a control reported. Nothing reads these; they stay clear of the BN_ and EN_ codes that a
// WM_COMMAND brings as its detail, so a log tells the two apart.
enum EventDetail : std::int32_t {
    Clicked = 101,
    RightClicked = 102,
    DoubleClicked = 103,
    RightDoubleClicked = 104,
    SelectionChanged = 105,
    DragBegun = 106,
    FocusGained = 107,
    FocusLost = 108,
};

// The EventQueue, first in first out, and the CommandEvent slot. Both belong to the user-interface
// thread alone, so nothing is locked.

// Adds the event behind the others, unless it equals the newest event still waiting; an event
// that memory cannot hold is given up.
void QueueEvent(const Event& event);
// Removes the oldest waiting event into `event`; false when none waits.
bool TakeQueuedEvent(Event& event);

// Holds the ControlEvent of a WM_COMMAND; a second one raised while the same message is handled
// replaces the first.
void RaiseCommandEvent(const Event& event);
// Empties the slot into `event`; false when it was empty.
bool TakeCommandEvent(Event& event);

// Takes one message of the thread, offers it to the accelerators or translates and dispatches it,
// and returns its number.
using MessageHandler = std::int32_t (*)();

// The wait, apart from the platform: the oldest queued event if one waits, and nothing else is
// done; otherwise one message is handled, and the CommandEvent raised while it was handled is
// handed out, or else the message's number. A CommandEvent raised outside such a handling (for
// instance in a message box's own loop) is not handed out.
Event NextEvent(MessageHandler handleOneMessage);
