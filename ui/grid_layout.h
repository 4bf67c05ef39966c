#pragma once
#include <vector>

// What the ResultList's grid lines are drawn from, in the list's client coordinates.
struct GridGeometry {
    int clientWidth;
    int clientHeight;
    int headerBottom;   // the first pixel row below the column header; no line goes above it
    int rowTop;         // the top of any one row (rows may be scrolled off), or of where row 0 would be
    int rowHeight;      // the spacing of the rows; the lines go on at this spacing below the last row
    int rowsRight;      // the right edge of the rows (one past their last pixel)
    std::vector<int> furtherColumnLefts;  // left edge of every column after the first that is wider than 0
};

// One-pixel lines: each horizontal one spans the client width at a pixel row, each vertical one runs
// from the header's bottom to the list's bottom at a pixel column.
struct GridLines {
    std::vector<int> rows;     // y of every horizontal line, top to bottom
    std::vector<int> columns;  // x of every vertical line
};

// A horizontal line runs along the bottom edge of every row, on the first pixel row below it: the
// row's own pixels keep its text whole (an underscore often sits on a row's last pixel row). A
// vertical line sits on the last pixel column before each further column and at the rows' right edge.
GridLines LayOutGridLines(const GridGeometry& geometry);
