#pragma once
// Wine's own command-line WMI client, run from a test as an independent source of values.
#include <map>
#include <string>
#include <vector>

// The rows that `wmic path <className> get <properties>` prints, each a map from column name to
// its text with the padding removed. Values are narrowed to ASCII; others become '?'.
std::vector<std::map<std::string, std::string>> WmicRows(const std::string& className,
                                                         const std::vector<std::string>& properties);
