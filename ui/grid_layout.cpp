#include "ui/grid_layout.h"

GridLines LayOutGridLines(const GridGeometry& g) {
    GridLines lines;
    if (g.rowHeight > 0) {
        // The highest line below the header that keeps the rows' spacing, wherever rowTop is. A line
        // at the header's own edge would close no row on show.
        const int firstBelowHeader = g.headerBottom + 1;
        int offset = (g.rowTop + g.rowHeight - firstBelowHeader) % g.rowHeight;
        if (offset < 0) offset += g.rowHeight;
        for (int y = firstBelowHeader + offset; y < g.clientHeight; y += g.rowHeight) lines.rows.push_back(y);
    }
    if (g.headerBottom < g.clientHeight) {
        for (int left : g.furtherColumnLefts) {
            const int x = left - 1;
            if (x >= 0 && x < g.clientWidth) lines.columns.push_back(x);
        }
        const int right = g.rowsRight - 1;
        if (right >= 0 && right < g.clientWidth) lines.columns.push_back(right);
    }
    return lines;
}
