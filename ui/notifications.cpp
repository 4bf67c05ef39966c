#include "ui/notifications.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/copy_keys.h"
#include "ui/custom_draw.h"
#include "ui/events.h"
#include "ui/pages.h"
#include "ui/window_state.h"

namespace {

// What the user did to a control, for the loop; it waits in the EventQueue behind what was raised
// before.
void Raise(int control, EventDetail detail) { QueueEvent(Event{ControlEvent, control, 0, detail}); }

// Makes the tree report TVN_SELCHANGED at once when the item was not selected yet.
void SelectTreeItem(HWND tree, HTREEITEM item) {
    if (item != nullptr) TreeView_SelectItem(tree, item);
}

// A right double-click the tree is about to handle, at `point` in its client area.
void OnTreeRightDoubleClick(int tree, POINT point) {
    TVHITTESTINFO hit = {};
    hit.pt = point;
    TreeView_HitTest(Control(tree), &hit);
    if (hit.hItem != nullptr && (hit.flags & TVHT_ONITEMRIGHT) == 0) Raise(tree, RightDoubleClicked);
}

// A right double-click is seen before the tree handles it. The tree's procedure is replaced and
// called on, rather than subclassed through comctl32's SetWindowSubclass: under Wine a window
// subclassed that way goes to the server for every message it gets, and the catalogue alone sends
// each tree hundreds of items (bench/RESULTS.md has the cost).
LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int tree = ControlNumberOf(window);
    const TreeItems* items = TreeItemsOf(tree);
    if (items == nullptr || items->ownProc == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_RBUTTONDBLCLK) OnTreeRightDoubleClick(tree, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return CallWindowProcA(items->ownProc, window, message, wParam, lParam);
}

}  // namespace

LRESULT OnTreeNotify(int tree, NMHDR& header) {
    // The trees' notifications come in the form their parent asked for; both are taken, as only
    // the item handles are read.
    switch (header.code) {
    case NM_CUSTOMDRAW:
        return OnTreeCustomDraw(tree, reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    case NM_CLICK:
        Raise(tree, Clicked);
        return 0;
    case NM_DBLCLK:
        Raise(tree, DoubleClicked);
        return 0;
    case NM_RCLICK:
        // During a right click the item under the pointer is drop-highlighted; it becomes the
        // selection first, so the run that follows is for that item.
        SelectTreeItem(header.hwndFrom, TreeView_GetDropHilight(header.hwndFrom));
        Raise(tree, RightClicked);
        return 0;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        Raise(tree, SelectionChanged);
        return 0;
    case TVN_BEGINDRAGA:
    case TVN_BEGINDRAGW:
        SelectTreeItem(header.hwndFrom, reinterpret_cast<NMTREEVIEWA&>(header).itemNew.hItem);
        Raise(tree, DragBegun);
        return 0;
    case TVN_KEYDOWN: {
        // Non-zero keeps a typed character out of the tree's search: Ctrl+C types 0x03, Insert none.
        const WORD key = reinterpret_cast<NMTVKEYDOWN&>(header).wVKey;
        return OnCopyKey(tree, key) && key == 'C' ? 1 : 0;
    }
    default:
        return 0;
    }
}

void SubclassTree(int tree) {
    const HWND control = Control(tree);
    if (control == nullptr || TreeItemsOf(tree) == nullptr) return;
    TreeItemsOf(tree)->ownProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TreeProc)));
}

LRESULT OnResultListNotify(NMHDR& header) {
    switch (header.code) {
    case NM_CUSTOMDRAW:
        return OnResultListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case NM_CLICK:
        Raise(ResultList, Clicked);
        return 0;
    case NM_RCLICK:
        Raise(ResultList, RightClicked);
        return 0;
    case NM_DBLCLK:
        Raise(ResultList, DoubleClicked);
        return 0;
    case NM_RDBLCLK:
        Raise(ResultList, RightDoubleClicked);
        return 0;
    case LVN_ITEMCHANGED: {
        // Only a row entering the selected state; rows RunQuery inserts are not selected.
        const NMLISTVIEW& change = reinterpret_cast<NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0 &&
            (change.uOldState & LVIS_SELECTED) == 0)
            Raise(ResultList, SelectionChanged);
        return 0;
    }
    case LVN_BEGINDRAG:
        Raise(ResultList, DragBegun);
        return 0;
    case LVN_KEYDOWN:
        OnCopyKey(ResultList, reinterpret_cast<NMLVKEYDOWN&>(header).wVKey);
        return 0;
    default:
        return 0;
    }
}

LRESULT OnViewTabsNotify(NMHDR& header) {
    switch (header.code) {
    case TCN_SELCHANGING:
        LeaveCurrentPage();
        return FALSE;  // the change goes ahead
    case TCN_SELCHANGE:
        EnterCurrentPage();
        Raise(ViewTabs, SelectionChanged);  // once the new page is on show
        return 0;
    case NM_CLICK:
        Raise(ViewTabs, Clicked);
        return 0;
    default:
        return 0;
    }
}

LRESULT OnCommand(int control, int code) {
    switch (control) {
    case ExecuteButton:
        RaiseCommandEvent(Event{ControlEvent, ExecuteButton, 0, code});
        return 0;
    case CustomQueryField:
        RaiseCommandEvent(Event{ControlEvent, CustomQueryField, 0, code});
        if (code == EN_SETFOCUS) Raise(CustomQueryField, FocusGained);
        if (code == EN_KILLFOCUS) Raise(CustomQueryField, FocusLost);
        return 0;
    default:
        return 0;
    }
}
