#include "ui/tree_placement.h"

TreePlacement AppendToShape(TreeShape& shape, int level) {
    const int count = static_cast<int>(shape.parent.size());
    int parent = -1;
    if (count > 0) {
        const int previous = count - 1;
        const int previousDepth = shape.depth[previous];
        const int wanted = level < 0 ? 0 : level;
        if (wanted > previousDepth) {
            parent = previous;
        } else {
            int ancestor = previous;
            for (int d = previousDepth; d > wanted; --d) ancestor = shape.parent[ancestor];
            parent = shape.parent[ancestor];
        }
    }
    int& last = parent < 0 ? shape.lastTopLevel : shape.lastChild[parent];
    const TreePlacement placement{parent, last};
    last = count;
    shape.parent.push_back(parent);
    shape.depth.push_back(parent < 0 ? 0 : shape.depth[parent] + 1);
    shape.lastChild.push_back(-1);
    return placement;
}

void UndoAppendToShape(TreeShape& shape, const TreePlacement& placement) {
    if (shape.parent.empty()) return;
    int& last = placement.parent < 0 ? shape.lastTopLevel : shape.lastChild[placement.parent];
    last = placement.previousSibling;
    shape.parent.pop_back();
    shape.depth.pop_back();
    shape.lastChild.pop_back();
}
