// The ANSI lower-casing of the native tests: the ASCII letters only, which is all the "win32_"
// test can match.
#include "query/ansi_lower.h"

std::string AnsiLowerCase(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}
