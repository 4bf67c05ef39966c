#include "ui/custom_draw.h"

#include "ui/grid_lines.h"
#include "ui/item_colours.h"
#include "ui/window_state.h"

LRESULT OnTreeCustomDraw(int tree, NMTVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return IsWindowEnabled(Control(tree)) ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
        // The item data is the item's index. A selected item keeps the selection colours.
        Colour colour;
        if (!(draw.nmcd.uItemState & CDIS_SELECTED) &&
            TreeItemColourOf(tree, static_cast<int>(draw.nmcd.lItemlParam), colour))
            draw.clrText = colour;
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

LRESULT OnResultListCustomDraw(NMLVCUSTOMDRAW& draw) {
    const HWND list = Control(ResultList);
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    Colour colour;
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return IsWindowEnabled(list) ? CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT:
        return RowColourOf(row, colour) ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        // The selection state is not looked at: a coloured row keeps its colour when selected.
        if (RowColourOf(row, colour)) {
            draw.clrText = colour;
            draw.clrTextBk = static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0));
        }
        return CDRF_DODEFAULT;
    case CDDS_POSTPAINT:
        DrawGridLines(list, draw.nmcd.hdc);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}
