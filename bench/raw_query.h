#pragma once
// The query floors: the same statement through the same COM calls as the program's conversation,
// in the same order, with no window code. Each row (separator, "Item #" heading, name and value
// joined by a line feed; system properties hidden unless the statement holds "*") goes to a sink.
#include <windows.h>

#include <string>
#include <vector>

using RowSink = void (*)(const std::string& row, void* context);

// Runs the statement and hands every row to the sink; the number of rows.
int EnumerateRaw(const std::string& statement, RowSink sink, void* context);

// Floor (a): the rows kept in memory.
std::vector<std::string> RawRows(const std::string& statement);

// Floor (b): a report list view of the ResultList's size, styles and columns in a window of its
// own, with nothing else (no colours, no custom drawing, no title).
HWND MakeFloorList();
// Clears the list, writes the rows into it with its redraw suspended, and resumes the redraw.
int RawRowsIntoList(HWND list, const std::string& statement);
