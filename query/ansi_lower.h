#pragma once
#include <string>

// The text lower-cased with the system's ANSI lower-casing (the active code page's rules).
std::string AnsiLowerCase(const std::string& text);
