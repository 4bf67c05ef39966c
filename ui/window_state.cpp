#include "ui/window_state.h"

namespace {
StockResources stock;
WindowState state;
}  // namespace

StockResources& Stock() { return stock; }
WindowState& Window() { return state; }

HWND Control(int number) {
    return number >= 0 && number < ControlCount ? state.control[number] : nullptr;
}

int ControlNumberOf(HWND window) {
    if (window == nullptr) return -1;
    for (int number = 0; number < ControlCount; ++number)
        if (state.control[number] == window) return number;
    return -1;
}

TreeItems* TreeItemsOf(int tree) {
    if (tree == HierarchyTree) return &state.tree[0];
    if (tree == AlphabeticalTree) return &state.tree[1];
    return nullptr;
}

void InvalidateControl(HWND control) {
    if (control != nullptr)
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_INTERNALPAINT);
}
