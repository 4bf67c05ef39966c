#pragma once
#include <vector>

// The shape of an append-only tree: for every item, its parent and its depth, and for every
// parent the most recent child, so that a new item can be inserted right after its previous
// sibling instead of walking the sibling list.
struct TreeShape {
    std::vector<int> parent;     // -1 for a top-level item
    std::vector<int> depth;      // 0 for a top-level item
    std::vector<int> lastChild;  // -1 while the item has no children
    int lastTopLevel = -1;
};

struct TreePlacement {
    int parent;           // -1: top level
    int previousSibling;  // -1: the item becomes its parent's first child (or the first top-level item)
};

// Where an item appended at `level` goes, by the depth of the item appended before it: the same
// level makes it that item's next sibling, a deeper level its first child (one level deeper,
// however deep the level asked for), a shallower one (negative counting as 0) the next sibling
// of its ancestor at that depth. The first item is top-level whatever the level. Records the item.
TreePlacement AppendToShape(TreeShape& shape, int level);

// Forgets the item that the last AppendToShape recorded, given what that call returned; for an
// insertion that the tree control refused.
void UndoAppendToShape(TreeShape& shape, const TreePlacement& placement);
