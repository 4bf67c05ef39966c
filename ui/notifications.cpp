#include "ui/notifications.h"

#include <commctrl.h>

#include "ui/custom_draw.h"
#include "ui/pages.h"

LRESULT OnTreeNotify(int tree, NMHDR& header) {
    if (header.code == static_cast<UINT>(NM_CUSTOMDRAW))
        return OnTreeCustomDraw(tree, reinterpret_cast<NMTVCUSTOMDRAW&>(header));
    return 0;
}

LRESULT OnResultListNotify(NMHDR& header) {
    if (header.code == static_cast<UINT>(NM_CUSTOMDRAW))
        return OnResultListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    return 0;
}

LRESULT OnViewTabsNotify(NMHDR& header) {
    switch (header.code) {
    case static_cast<UINT>(TCN_SELCHANGING):
        LeaveCurrentPage();
        return FALSE;  // the change goes ahead
    case static_cast<UINT>(TCN_SELCHANGE):
        EnterCurrentPage();
        return 0;
    default:
        return 0;
    }
}

LRESULT OnCommand(int, int, HWND) { return 0; }
