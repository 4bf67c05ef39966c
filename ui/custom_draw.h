#pragma once
#include <windows.h>
#include <commctrl.h>

// The answers to NM_CUSTOMDRAW. A tree draws an item that has a colour in that colour unless the
// item is selected; the ResultList draws every column of a coloured row in the row's colour,
// selected or not, and its grid lines after each paint. A disabled control is left to itself.
LRESULT OnTreeCustomDraw(int tree, NMTVCUSTOMDRAW& draw);
LRESULT OnResultListCustomDraw(NMLVCUSTOMDRAW& draw);
