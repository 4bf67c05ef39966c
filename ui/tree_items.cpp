// The items of the two catalogue trees, numbered in the order they were appended.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/controls.h"
#include "ui/item_colours.h"
#include "ui/tree_placement.h"
#include "ui/window_state.h"

namespace {

bool HasIndex(int tree, int index) {
    const TreeItems* items = TreeItemsOf(tree);
    return items != nullptr && index >= 0 && index < TreeItemCount(tree) &&
           index < static_cast<int>(items->handle.size());
}

// An item inserted with "no children" shows no expand button even once it has some, so a parent
// is marked when it gets its first child.
void MarkHasChildren(HWND tree, HTREEITEM parent) {
    TVITEMA item = {};
    item.mask = TVIF_CHILDREN;
    item.hItem = parent;
    item.cChildren = 1;
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void AppendTreeItem(int tree, const std::string& text, int level) {
    TreeItems* items = TreeItemsOf(tree);
    const HWND control = Control(tree);
    if (items == nullptr || control == nullptr) return;

    const int index = static_cast<int>(items->handle.size());
    const TreePlacement place = AppendToShape(items->shape, level);
    const HTREEITEM parent = place.parent < 0 ? TVI_ROOT : items->handle[place.parent];

    // Right after the previous sibling, whose handle is known: no walk along the sibling list.
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = place.previousSibling < 0 ? TVI_FIRST : items->handle[place.previousSibling];
    std::string copy = text;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = &copy[0];
    insert.item.lParam = index;
    insert.item.cChildren = 0;
    const auto handle =
        reinterpret_cast<HTREEITEM>(SendMessageA(control, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (handle == nullptr) {
        UndoAppendToShape(items->shape, place);
        return;
    }
    items->handle.push_back(handle);
    items->colour.emplace_back();
    if (place.parent >= 0 && place.previousSibling < 0) MarkHasChildren(control, parent);
}

void SuspendTreeRedraw(int tree) {
    const HWND control = TreeItemsOf(tree) != nullptr ? Control(tree) : nullptr;
    if (control != nullptr) SendMessageA(control, WM_SETREDRAW, FALSE, 0);
}

void ResumeTreeRedraw(int tree) {
    const HWND control = TreeItemsOf(tree) != nullptr ? Control(tree) : nullptr;
    if (control == nullptr) return;
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    InvalidateControl(control);
}

int TreeItemCount(int tree) {
    const HWND control = TreeItemsOf(tree) != nullptr ? Control(tree) : nullptr;
    return control == nullptr ? 0 : static_cast<int>(TreeView_GetCount(control));
}

void SetTreeItemColour(int tree, int index, Colour colour) {
    if (!HasIndex(tree, index)) return;
    TreeItems& items = *TreeItemsOf(tree);
    items.colour[index] = colour;
    InvalidateControl(Control(tree));
}

bool TreeItemColourOf(int tree, int index, Colour& colour) {
    const TreeItems* items = TreeItemsOf(tree);
    if (items == nullptr || index < 0 || index >= static_cast<int>(items->colour.size())) return false;
    const std::optional<Colour>& itemColour = items->colour[index];
    if (!itemColour) return false;
    colour = *itemColour;
    return true;
}

int SelectedTreeItem(int tree) {
    const HWND control = TreeItemsOf(tree) != nullptr ? Control(tree) : nullptr;
    if (control == nullptr) return -1;
    TVITEMA item = {};
    item.mask = TVIF_PARAM;
    item.hItem = TreeView_GetSelection(control);
    if (item.hItem == nullptr || !SendMessageA(control, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return static_cast<int>(item.lParam);
}

std::string TreeItemText(int tree, int index) {
    if (!HasIndex(tree, index)) return std::string();
    char buffer[4096] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = TreeItemsOf(tree)->handle[index];
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    if (!SendMessageA(Control(tree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return std::string();
    return std::string(AnsweredText(item.pszText, sizeof buffer - 1));
}
