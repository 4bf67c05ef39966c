#pragma once
#include <string>
#include <vector>

// The column texts of a ResultRow: the text up to the first line feed, then each piece between
// further line feeds. A line feed at the very end starts no further piece. Always at least one.
std::vector<std::string> SplitRow(const std::string& text);
