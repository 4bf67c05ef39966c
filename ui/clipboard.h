#pragma once
#include <windows.h>

#include <string>

// Puts the program's own text on the clipboard, whole, as CF_TEXT in the ANSI code page with the
// locale that gives a Unicode reader that code page. False, with the clipboard left as it was,
// when memory ran out or the clipboard could not be opened within about 100 ms (another program
// holding it); then nothing the program made for it stays allocated.
bool PutOnClipboard(HWND owner, const std::string& text);
