#pragma once
#include <vector>

// Where Tab and Shift+Tab move the focus. The candidates are a window's descendants in the order
// EnumChildWindows lists them; `isTabStop` tells, for each, whether it may take the focus from the
// keyboard, and `focused` is the index of the one that has the focus, or -1 when none has it.
// Forward gives the first tab stop after the focused one, wrapping round to the first of all;
// backward the last one before it, wrapping round to the last of all. With no focused candidate,
// forward gives the first tab stop and backward the last. -1 when there is no tab stop at all.
int NextTabStop(const std::vector<bool>& isTabStop, int focused, bool forward);
