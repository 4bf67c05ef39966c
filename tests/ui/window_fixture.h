#pragma once
// Makes the program's real window for tests and scenes, as start-up makes it, on this thread.
#include <windows.h>

#include <string>

// Destroys any window made before, then makes the window and its controls; with the catalogue
// loaded into the trees when asked. False when the window could not be made.
bool MakeWindow(bool withCatalogue);

// Handles every message waiting for this thread, paint messages included.
void PumpMessages();

bool RunningUnderWine();

// Small readers of what the controls show.
std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
std::string ListCellText(HWND list, int row, int column);
// Expects the clipboard's text as CF_TEXT, and as the CF_UNICODETEXT that Windows makes of it in
// the code page of CF_LOCALE, which names the system's locale whatever the user's; the main window
// owns it.
void ExpectClipboard(const std::string& expected, const char* what);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// How many pixels of the page on show change when the whole window is painted afresh (erased and
// painted again, children and all): a page left with a stale background shows them.
int PagePixelsChangedByAFreshPaint();
