#include "ui/copy_text.h"

#include <cstring>
#include <limits>

#include "ui/controls.h"

namespace {

struct RowRange {
    int first;
    int end;
};

RowRange RowsToCopy(bool everyRow) {
    const int selected = everyRow ? -1 : SelectedRow();
    return selected >= 0 ? RowRange{selected, selected + 1} : RowRange{0, RowCount()};
}

// What follows each cell: a tab between the two, CR LF at the end of the row.
const char* const after[2] = {"\t", "\r\n"};

// A value cut at the LF of a CR LF keeps its CR, which a spreadsheet takes for a line end.
std::size_t CopiedLength(int column, const char* text, std::size_t length) {
    return column == 1 && length > 0 && text[length - 1] == '\r' ? length - 1 : length;
}

}  // namespace

std::optional<std::size_t> ResultListCopySize(bool everyRow) {
    const RowRange rows = RowsToCopy(everyRow);
    std::string cell;  // one at a time: it grows to the longest
    std::size_t size = 0;
    for (int row = rows.first; row < rows.end; ++row) {
        for (int column = 0; column < 2; ++column) {
            cell.clear();
            AppendCellText(row, column, cell);
            const std::size_t length = CopiedLength(column, cell.data(), cell.size()) + std::strlen(after[column]);
            if (length > std::numeric_limits<std::size_t>::max() - 1 - size) return std::nullopt;
            size += length;
        }
    }
    return size;
}

bool WriteResultListCopy(bool everyRow, char* into, std::size_t size) {
    const RowRange rows = RowsToCopy(everyRow);
    std::size_t at = 0;
    for (int row = rows.first; row < rows.end; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::size_t length = CopiedLength(column, into + at, CellTextInto(row, column, into + at, size + 1 - at));
            const std::size_t end = std::strlen(after[column]);
            if (length + end > size - at) return false;
            std::memcpy(into + at + length, after[column], end);
            at += length + end;
        }
    }
    return at == size;
}

std::string TreeCopyText(int tree) {
    const int selected = SelectedTreeItem(tree);
    return selected >= 0 ? TreeItemText(tree, selected) : std::string();
}
