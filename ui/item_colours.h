#pragma once
#include "ui/controls.h"

// The text colours that custom draw applies, read from where the operations keep them: a row's
// colour in the row's item data, a tree item's colour by the item's index. False when the row or
// item has none, or does not exist.
bool RowColourOf(int row, Colour& colour);
bool TreeItemColourOf(int tree, int index, Colour& colour);
