// The ResultList's rows: appending, colouring, counting and removing them.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/grid_lines.h"
#include "ui/item_colours.h"
#include "ui/row_colour.h"
#include "ui/row_split.h"
#include "ui/window_state.h"

namespace {

int ColumnCount(HWND list) {
    const HWND header = ListView_GetHeader(list);
    return header == nullptr ? 0 : Header_GetItemCount(header);
}

}  // namespace

bool AppendRow(const std::string& text) {
    const HWND list = Control(ResultList);
    if (list == nullptr) return true;  // no list, nothing to refuse
    // The pieces are copies: the caller's text is not changed, and the control gets writable buffers.
    std::vector<std::string> pieces = SplitRow(text);

    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = RowCount();
    item.pszText = &pieces[0][0];
    item.lParam = 0;
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return false;

    // A piece meant for a column the list does not have is not shown. A row whose value the list
    // could not keep goes again: a row is shown whole or not at all.
    const int columns = ColumnCount(list);
    for (int column = 1; column < static_cast<int>(pieces.size()) && column < columns; ++column) {
        LVITEMA sub = {};
        sub.iSubItem = column;
        sub.pszText = &pieces[column][0];
        if (!SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub))) {
            ListView_DeleteItem(list, row);
            return false;
        }
    }
    return true;
}

void SetRowColour(int row, Colour colour) {
    if (row < 0 || row >= RowCount()) return;
    const HWND list = Control(ResultList);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = RowDataFor(colour);
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    InvalidateControl(list);
}

bool RowColourOf(int row, Colour& colour) {
    if (row < 0 || row >= RowCount()) return false;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(Control(ResultList), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return false;
    if (!RowDataHasColour(item.lParam)) return false;
    colour = RowDataColour(item.lParam);
    return true;
}

int RowCount() {
    const HWND list = Control(ResultList);
    return list == nullptr ? 0 : ListView_GetItemCount(list);
}

std::size_t CellTextInto(int row, int column, char* into, std::size_t room) {
    const HWND list = Control(ResultList);
    if (list == nullptr || row < 0 || column < 0 || room == 0) return 0;
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = into;
    item.cchTextMax = static_cast<int>(std::min<std::size_t>(room, INT_MAX));
    const auto length = static_cast<std::size_t>(SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    const std::string_view answer = AnsweredText(item.pszText, std::min(length, room));
    std::memmove(into, answer.data(), answer.size());  // the control may answer with its own copy
    return answer.size();
}

void AppendCellText(int row, int column, std::string& text) {
    // Read straight into the end of the text: copying every row costs one message a cell and no
    // allocation of its own, and the list answers a row or column it does not have with no text.
    // The list keeps a cell's text whole, however long: the room grows until the text fits. A cut
    // text fills all the room but a byte, or two where a double-byte character did not fit.
    const std::size_t start = text.size();
    for (std::size_t room = 256;; room *= 2) {
        text.resize(start + room);
        const std::size_t length = CellTextInto(row, column, &text[start], room);
        if (length + 2 < room) {
            text.resize(start + length);
            return;
        }
    }
}

int SelectedRow() {
    const HWND list = Control(ResultList);
    return list == nullptr ? -1 : ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

void ClearRows() {
    const HWND list = Control(ResultList);
    if (list == nullptr) return;
    // An empty list keeps drawing its grid at the spacing its rows had.
    RememberRowHeight(list);
    ListView_DeleteAllItems(list);
}

void RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    const HWND list = Control(ResultList);
    RememberRowHeight(list);
    ListView_DeleteItem(list, row);
}

void SuspendRowRedraw() {
    const HWND list = Control(ResultList);
    if (list == nullptr || Window().rowRedrawSuspended) return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    Window().rowRedrawSuspended = true;
}

void ResumeRowRedraw() {
    const HWND list = Control(ResultList);
    // Turning the redraw on costs the list a scroll-bar update, so only a suspended list gets it.
    if (list == nullptr || !Window().rowRedrawSuspended) return;
    Window().rowRedrawSuspended = false;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateControl(list);
}
