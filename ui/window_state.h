#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/tree_placement.h"

constexpr int ControlCount = 7;

// What the program knows of a tree: of its items, by index, where each one went, its handle (so an
// item is found without walking the tree, and the next one is inserted right after its previous
// sibling) and its text colour, if it was given one; and the control's own window procedure.
struct TreeItems {
    TreeShape shape;
    std::vector<HTREEITEM> handle;
    std::vector<std::optional<Colour>> colour;
    WNDPROC ownProc = nullptr;  // the tree control's own window procedure, under the program's
};

// What start-up fetches once for every window the program makes. Everything runs on the
// user-interface thread, so nothing is locked.
struct StockResources {
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;      // the stock DEFAULT_GUI_FONT
    HICON icon = nullptr;      // icon resource 1; the executable has none, so this stays null
    HCURSOR cursor = nullptr;  // the standard arrow
};

// How far the page background is already on the screen (see the page containers' painting).
struct PagePainting {
    bool paneFresh = false;     // the tab control painted its whole display area since a container last painted
    HWND container = nullptr;   // the container inside its own WM_PAINT
};

// The one window of the program: what is forgotten when it is destroyed.
struct WindowState {
    HWND main = nullptr;
    HWND control[ControlCount] = {};
    bool visualStyles = false;  // decided once, as the first common control is made
    TreeItems tree[2];          // the HierarchyTree, then the AlphabeticalTree
    int rowHeight = 0;          // the ResultList's row spacing as last measured; 0 while unknown
    bool rowRedrawSuspended = false;  // between SuspendRowRedraw and ResumeRowRedraw
    HACCEL accelerators = nullptr;    // Tab and Shift+Tab, made together with the window
    HWND focusWhenDeactivated = nullptr;  // the control to get the focus back on activation
    PagePainting pagePainting;
};

StockResources& Stock();
WindowState& Window();

// The window of a control by number; null for a number outside 0 to 6 or a control not made.
HWND Control(int number);
// The number of the control with that window, or -1 when it is none of the seven.
int ControlNumberOf(HWND window);
// The item store of tree 2 or 3; null for any other number.
TreeItems* TreeItemsOf(int tree);

// Marks the whole control for repainting when the thread next handles paint messages; never
// paints at once.
void InvalidateControl(HWND control);

// The text a control answered a request for an item's text with, at most `most` characters of it:
// it may point the request's pszText at its own copy rather than fill the buffer (or at nothing).
inline std::string_view AnsweredText(const char* pszText, std::size_t most) {
    return pszText == nullptr ? std::string_view() : std::string_view(pszText, strnlen(pszText, most));
}
