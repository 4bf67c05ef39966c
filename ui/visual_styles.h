#pragma once
#include <windows.h>

// Whether visual styles are in effect: the application is themed and the common controls are
// version 6.0 or later (which the manifest asks for).
bool VisualStylesAvailable();

// The colour request of a static text or a button (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN). With visual
// styles the CustomHint and the ExecuteButton draw with a transparent text background over the
// themed tab page behind them; everything else gets the platform's default colours.
LRESULT OnControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
