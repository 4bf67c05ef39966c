#pragma once
// Starting a program under test and watching its window from this process.
#include <windows.h>

#include <string>

struct Launched {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;  // its visible top-level window
    double readyMs = 0;     // from just before CreateProcess until the ready state was seen
};

// Starts the program and waits until its top-level window is visible, its message loop answers
// and nothing in the window waits to be painted; for Ostrevo (trees = true) also until both trees
// hold their 482 and 442 items. False (and the process ended) when that does not happen within a
// minute.
bool LaunchUntilPainted(const std::string& program, const std::string& arguments, bool trees, Launched& launched);

// Posts WM_CLOSE to the window, waits for the process to end and returns its exit code (or -1
// after 30 seconds, when it is ended by force).
long CloseLaunched(Launched& launched);
