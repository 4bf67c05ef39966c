#pragma once
#include <windows.h>

#include <string>

// The main window: no maximise box and no sizing border, an 800 x 500 client area.
constexpr DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int MainClientWidth = 800;
constexpr int MainClientHeight = 500;

// "WindowClass_0": the class name carries the window's number, 0.
std::string MainWindowClassName();

// Fetches the stock DEFAULT_GUI_FONT, the class icon (resource 1) and the arrow cursor, once.
void LoadStockResources(HINSTANCE instance);

// Registers the class, makes the window centred on the primary monitor, with its accelerator
// table, and shows it. On failure the class is unregistered again and false comes back.
bool CreateMainWindow();

// Destroys the window (and with it every control) if it exists, unregisters the class, destroys the
// accelerator table and forgets every handle and item, so that a new window can be made.
void DestroyMainWindow();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
