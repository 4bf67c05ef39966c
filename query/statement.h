#pragma once
#include <string>

// The WQL statement for a query text: "SELECT * FROM " + text when the text's first six bytes,
// lower-cased the ANSI way, are "win32_"; otherwise the text unchanged. Nothing is trimmed.
std::string StatementFor(const std::string& text);

// Every property is shown, system properties included, when the statement holds a "*" anywhere.
bool ShowAllFor(const std::string& statement);
