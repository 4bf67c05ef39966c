#pragma once
#include <windows.h>

// The ResultList's own grid: one-pixel lines in the button-face colour, drawn after every paint of
// the enabled list, below the header only.
void DrawGridLines(HWND list, HDC dc);

// Notes the list's row spacing while it has rows, so that the grid of an emptied list keeps it.
void RememberRowHeight(HWND list);
