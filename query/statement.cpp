#include "query/statement.h"

#include "query/ansi_lower.h"

std::string StatementFor(const std::string& text) {
    // A text shorter than six bytes is compared whole, so it never matches.
    if (AnsiLowerCase(text.substr(0, 6)) == "win32_") return "SELECT * FROM " + text;
    return text;
}

bool ShowAllFor(const std::string& statement) { return statement.find('*') != std::string::npos; }
