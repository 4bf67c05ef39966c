#pragma once
#include <string>

// Runs a class name or a WQL statement against WMI and lists the properties of every object
// returned in the ResultList. Holds the user-interface thread until it is done.
void RunQuery(const std::string& text);

// One box that says memory ran out before every object could be shown: RunQuery's, for an answer
// cut short, and the dispatcher's, for a query text it had no memory to read.
void ShowNotEnoughMemory();
