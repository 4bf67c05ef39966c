// What the drivers of the real program share: starting it, finding its main window, waiting until
// it has painted, typing keys into it as real input, and closing it.
#pragma once
#include <windows.h>

#include <string>

#include "tests/tools/window_search.h"

// Starts the program; false (with a message on stderr) when it cannot be started.
bool StartProgram(const char* program, PROCESS_INFORMATION& process);

// The program's visible main window once its message loop answers, within a minute; null if it
// ends or shows none in that time.
HWND WaitForMainWindow(const PROCESS_INFORMATION& process);

// Whether the window's thread answers a message within a second.
bool Answers(HWND window);

// Waits until neither the window nor any visible window inside it waits to be painted, twice in a
// row (at most five seconds).
void WaitUntilPainted(HWND window);

// Types the keys as real input into whatever has the focus. Plain characters are typed as they
// are; {TAB}, {SHIFTTAB}, {RIGHT}, {LEFT}, {UP}, {DOWN}, {HOME}, {END}, {SHIFTHOME}, {SHIFTEND},
// {ENTER}, {SPACE}, {BACKSPACE} and {ESCAPE} name keys. False for a name it does not know.
bool TypeKeys(const char* script);

// Writes the text to the file, ended by a line feed.
bool WriteText(const std::string& path, const std::string& text);

// Waits until the file exists; false after the given number of milliseconds.
bool WaitForFile(const std::string& path, DWORD milliseconds);

// Posts WM_CLOSE to the window and gives the program's exit code once it has ended (within 30
// seconds; otherwise it is ended and 1 is given). Closes the process's handles.
DWORD CloseProgram(HWND window, PROCESS_INFORMATION& process);
