#include "ui/grid_lines.h"

#include <commctrl.h>

#include "ui/grid_layout.h"
#include "ui/window_state.h"

namespace {

bool FirstVisibleRowBounds(HWND list, RECT& bounds) {
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) <= 0) return false;
    const int top = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    bounds = {};
    bounds.left = LVIR_BOUNDS;
    return SendMessageA(list, LVM_GETITEMRECT, top, reinterpret_cast<LPARAM>(&bounds)) != 0;
}

// With no row to measure: the spacing the rows had, or else the height a row of the current font
// takes (the taller of the text and a small icon, and a pixel).
int EmptyListRowHeight(HWND list) {
    if (Window().rowHeight > 0) return Window().rowHeight;
    const HDC dc = GetDC(list);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    const int icon = GetSystemMetrics(SM_CYSMICON);
    return (metrics.tmHeight > icon ? metrics.tmHeight : icon) + 1;
}

// A header item's rectangle in the list's client coordinates (the header moves when the list
// scrolls sideways).
bool ColumnRect(HWND list, HWND header, int column, RECT& rect) {
    if (!SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect))) return false;
    MapWindowPoints(header, list, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

}  // namespace

void RememberRowHeight(HWND list) {
    RECT bounds;
    if (FirstVisibleRowBounds(list, bounds) && bounds.bottom > bounds.top) Window().rowHeight = bounds.bottom - bounds.top;
}

void DrawGridLines(HWND list, HDC dc) {
    RECT client;
    GetClientRect(list, &client);
    GridGeometry geometry = {};
    geometry.clientWidth = client.right;
    geometry.clientHeight = client.bottom;

    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (header != nullptr && IsWindowVisible(header)) {
        RECT frame;
        GetWindowRect(header, &frame);
        MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&frame), 2);
        geometry.headerBottom = frame.bottom > 0 ? frame.bottom : 0;
    }

    RECT row;
    if (FirstVisibleRowBounds(list, row) && row.bottom > row.top) {
        geometry.rowTop = row.top;
        geometry.rowHeight = row.bottom - row.top;
        geometry.rowsRight = row.right;
        Window().rowHeight = geometry.rowHeight;
    } else {
        geometry.rowTop = geometry.headerBottom;
        geometry.rowHeight = EmptyListRowHeight(list);
        RECT first;
        geometry.rowsRight = header != nullptr && ColumnRect(list, header, 0, first) ? first.right : 0;
    }

    const int columns = header == nullptr ? 0 : static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 1; column < columns; ++column) {
        RECT rect;
        if (ColumnRect(list, header, column, rect) && rect.right > rect.left)
            geometry.furtherColumnLefts.push_back(rect.left);
    }

    const GridLines lines = LayOutGridLines(geometry);
    const HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    for (int y : lines.rows) {
        const RECT line = {0, y, client.right, y + 1};
        FillRect(dc, &line, brush);
    }
    for (int x : lines.columns) {
        const RECT line = {x, geometry.headerBottom, x + 1, client.bottom};
        FillRect(dc, &line, brush);
    }
}
