#include "ui/row_split.h"

std::vector<std::string> SplitRow(const std::string& text) {
    std::vector<std::string> columns;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type feed = text.find('\n', start);
        if (feed == std::string::npos) {
            columns.push_back(text.substr(start));
            return columns;
        }
        columns.push_back(text.substr(start, feed - start));
        start = feed + 1;
        if (start == text.size()) return columns;
    }
}
