#pragma once
// Drives the real event loop of a test program on this thread: real input (SendInput) or posted
// messages are put into the thread's queues first, then the loop runs until the thread has had
// nothing left to handle for a while and is ended with a WM_CLOSE to the main window, as from its
// close box. A thread timer watches the loop meanwhile: it ends a loop that runs past its time
// limit and dismisses any message box (noting its text), so no test can hang.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/events.h"

struct LoopOutcome {
    bool endedWhenIdle = false;  // ended by the driver's WM_CLOSE once nothing was left to handle
    bool timedOut = false;       // ended by the driver at the time limit
    std::vector<std::string> boxes;  // "caption: text" of every message box dismissed
    std::vector<Event> leftOver;     // events still queued when the loop ended
};

LoopOutcome RunLoopUntilIdle(int limitMs = 15000);

// Handles every message waiting for this thread (paint included), then empties the EventQueue and
// the CommandEvent slot: what set-up did raises nothing for the gesture that follows.
void Settle();

// Real input through SendInput, at a point in a window's client area.
enum class Button { Left, Right };
void Click(HWND window, POINT point, Button button = Button::Left, int clicks = 1);
// Presses at `from`, moves well past the drag threshold and releases.
void Drag(HWND window, POINT from, POINT to);
void PressKey(WORD key, bool shift = false);
// Presses the keys in order and lets them go in reverse: {VK_CONTROL, 'C'} is Ctrl+C.
void PressKeys(const std::vector<WORD>& chord);
void TypeText(const std::string& text);

// Makes the main window the foreground and active window, as the user's click on it would.
void BringToFront();

// The middle of a tree item's text, in the tree's client area, after scrolling it into sight.
POINT TreeItemPoint(int tree, int index);
HTREEITEM TreeItemHandle(int tree, int index);
// The first item of the tree with that text, or -1.
int TreeItemIndex(int tree, const std::string& text);
// Makes the item the tree's selection (the tree reports the change as it would for the user).
void SelectTreeItemNow(int tree, int index);
bool TreeItemExpanded(int tree, int index);
