#include "ui/copy_text.h"

#include "ui/controls.h"

std::string ResultListCopyText(bool everyRow) {
    const int selected = everyRow ? -1 : SelectedRow();
    const int first = selected >= 0 ? selected : 0;
    const int end = selected >= 0 ? selected + 1 : RowCount();
    std::string text;
    for (int row = first; row < end; ++row) {
        AppendCellText(row, 0, text);
        text += '\t';
        AppendCellText(row, 1, text);
        // A value cut at the LF of a CR LF keeps its CR, which a spreadsheet takes for a line end.
        if (text.back() == '\r') text.pop_back();
        text += "\r\n";
    }
    return text;
}

std::string TreeCopyText(int tree) {
    const int selected = SelectedTreeItem(tree);
    return selected >= 0 ? TreeItemText(tree, selected) : std::string();
}
