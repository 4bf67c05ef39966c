#pragma once
#include <windows.h>

// The keyboard focus without a dialog manager: Tab and Shift+Tab come from the main window's
// accelerator table as two commands, and the focus leaves and comes back with the window's
// activation. Enter is not bound.
constexpr WORD NextTabStopCommand = 64001;
constexpr WORD PreviousTabStopCommand = 64002;

// Tab (no modifier) gives NextTabStopCommand, Shift+Tab PreviousTabStopCommand.
HACCEL CreateTabAccelerators();

// Gives the focus to the next (or previous) of the active window's descendants, in
// EnumChildWindows order, that is enabled, visible and a tab stop, wrapping round at the ends.
void MoveFocus(bool forward);

// On the main window's deactivation: remembers its control that has the focus (none when the focus
// is elsewhere).
void RememberFocus();
// On its activation: gives the focus back to that control. False when none is remembered.
bool GiveFocusBack();
