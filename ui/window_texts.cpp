// The texts the other parts read or write: the main window's title and the custom query field.
#include <windows.h>

#include <string>

#include "ui/controls.h"
#include "ui/window_state.h"

void SetMainTitle(const std::string& text) {
    // The caption of a top-level window is redrawn as part of setting it.
    if (Window().main != nullptr) SetWindowTextA(Window().main, text.c_str());
}

std::string QueryFieldText() {
    const HWND field = Control(CustomQueryField);
    if (field == nullptr) return std::string();
    const int length = GetWindowTextLengthA(field);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::string::size_type>(length) + 1, '\0');
    const int copied = GetWindowTextA(field, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::string::size_type>(copied) : 0);
    return text;
}
