#pragma once
#include <windows.h>

// The start-up sequence up to the loop: the common controls, COM on this thread as a
// single-threaded apartment (until the first query leaves it; see PrepareUserInterfaceThread), the
// stock font, icon and cursor, the main window, its controls and the catalogue. False when the
// main window could not be made; then nothing else was made.
bool StartUp(HINSTANCE instance);

// The steps before the window: the common-control classes, COM, and the stock resources.
void PrepareUserInterfaceThread(HINSTANCE instance);

// Destroys the window if it exists and unregisters its class.
void ShutDown();
