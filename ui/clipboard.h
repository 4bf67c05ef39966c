#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

// Puts a text of `size` bytes on the clipboard, whole, as CF_TEXT in the ANSI code page with the
// locale that gives a Unicode reader that code page, with `owner` as the clipboard's owner (Windows
// takes no data from a clipboard opened with none). The text is written once, by `write`, straight
// into the block that the clipboard takes: `write` is given room for `size` bytes and a NUL after
// them, and answers whether it wrote them. False, with the clipboard as it was, when memory ran
// out, when `write` failed, or when the clipboard could not be opened within about 100 ms (another
// program holding it) or not emptied; false too when it would not take the text once emptied,
// which leaves it empty. Nothing the program made for it then stays allocated.
bool PutOnClipboard(HWND owner, std::size_t size, const std::function<bool(char* into)>& write);
// The same with a text at hand.
bool PutOnClipboard(HWND owner, const std::string& text);
