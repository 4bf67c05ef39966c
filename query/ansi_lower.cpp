#include "query/ansi_lower.h"

#include <windows.h>

std::string AnsiLowerCase(const std::string& text) {
    std::string lower = text;
    // CharLowerBuffA works in place on a counted buffer, so embedded NULs do not end it.
    if (!lower.empty()) CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
    return lower;
}
