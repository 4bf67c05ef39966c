#pragma once
#include <string>

// What the copy keys take out, read from the controls as they hold it (what the user sees, each
// ResultList cell already cut at its line feed); the empty text when there is nothing to take.

// ResultList rows, each as its Property text, a tab, its Value text (less a CR at its end) and CR
// LF, so that they paste into a spreadsheet as two columns and into a mail as lines: the selected
// row, or every row, top to bottom, when none is selected or when every row is asked for.
std::string ResultListCopyText(bool everyRow);

// A tree's selected item, with no line end.
std::string TreeCopyText(int tree);
