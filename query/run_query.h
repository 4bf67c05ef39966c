#pragma once
#include <string>

// Runs a class name or a WQL statement against WMI and lists the properties of every object
// returned in the ResultList. Holds the user-interface thread until it is done.
void RunQuery(const std::string& text);
