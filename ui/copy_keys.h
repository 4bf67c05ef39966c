#pragma once
#include <windows.h>

// Ctrl+C and Ctrl+Insert copy the ResultList's selected row (every row when none is selected) or a
// tree's selected item; Ctrl+Shift+C on the ResultList copies every row. Nothing here raises an
// event or runs a query.

// A key that the ResultList or a tree (by control number) reports pressed, as LVN_KEYDOWN or
// TVN_KEYDOWN: true when it was a copy key, which has then done its copy, or beeped when the
// clipboard could not be had.
bool OnCopyKey(int control, WORD key);

// What a copy key does, without the beep: false when the clipboard could not be had.
bool CopyFrom(int control, bool everyRow);
