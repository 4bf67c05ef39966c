#pragma once
#include <cstddef>
#include <optional>
#include <string>

// What the copy keys take out, read from the controls as they hold it (what the user sees, each
// ResultList cell already cut at its line feed); the empty text when there is nothing to take.

// ResultList rows, each as its Property text, a tab, its Value text (less a CR at its end) and CR
// LF, so that they paste into a spreadsheet as two columns and into a mail as lines: the selected
// row, or every row, top to bottom, when none is selected or when every row is asked for. The text
// of millions of rows is not held twice: it is measured first, then written where it is to go.
// Its size in bytes; none when it would not fit in memory.
std::optional<std::size_t> ResultListCopySize(bool everyRow);
// Writes it into `into`, which has room for `size` bytes and a NUL: false when the rows no longer
// give that size.
bool WriteResultListCopy(bool everyRow, char* into, std::size_t size);

// A tree's selected item, with no line end.
std::string TreeCopyText(int tree);
