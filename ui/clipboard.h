#pragma once
#include <windows.h>

#include <string>

// Puts the program's own text on the clipboard, whole, as CF_TEXT in the ANSI code page with the
// locale that gives a Unicode reader that code page, with `owner` as the clipboard's owner (Windows
// takes no data from a clipboard opened with none). False when memory ran out or the clipboard
// could not be opened within about 100 ms (another program holding it), which leave it as it was,
// or when it would not take the text, which leaves it empty; nothing the program made for it then
// stays allocated.
bool PutOnClipboard(HWND owner, const std::string& text);
