#include "ui/control_creation.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/control_definitions.h"
#include "ui/controls.h"
#include "ui/notifications.h"
#include "ui/pages.h"
#include "ui/visual_styles.h"
#include "ui/window_state.h"

const char* const CustomHintText = CustomHintLines;

namespace {

HWND MakeControl(const ControlDefinition& definition, HWND parent) {
    const StockResources& stock = Stock();
    const auto identifier = reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.number));
    const HWND control = CreateWindowExA(definition.extendedStyle, definition.className, definition.text,
                                         definition.style, definition.x, definition.y, definition.width,
                                         definition.height, parent, identifier, stock.instance, nullptr);
    Window().control[definition.number] = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(stock.font), TRUE);
    return control;
}

void AddColumn(HWND list, int column, const char* header, int width) {
    char text[32];
    lstrcpynA(text, header, sizeof text);
    LVCOLUMNA heading = {};
    heading.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    heading.cx = width;
    heading.pszText = text;
    heading.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&heading));
}

HWND MakeTree(int number, HWND parent) {
    const HWND tree = MakeControl(ControlDefinitions[number], parent);
    SendMessageA(tree, TVM_SETEXTENDEDSTYLE, TVS_EX_DOUBLEBUFFER, TVS_EX_DOUBLEBUFFER);
    // The tree's right double-clicks are seen before the tree handles them.
    SubclassTree(number);
    return tree;
}

}  // namespace

void CreateControls() {
    WindowState& w = Window();
    w.visualStyles = VisualStylesAvailable();
    HWND parent = w.main;

    const HWND list = MakeControl(ControlDefinitions[ResultList], parent);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    // The scroll bars are worked out once, for the columns and the first row together.
    SuspendRowRedraw();
    for (int column = 0; column < 2; ++column)
        AddColumn(list, column, ResultListColumns[column].header, ResultListColumns[column].width);
    AppendRow("\nPlease select a class to access its data");
    ResumeRowRedraw();

    // The tab control goes to the top of its siblings, ahead of the ResultList in the keyboard order.
    const HWND tabs = MakeControl(ControlDefinitions[ViewTabs], parent);
    SetWindowPos(tabs, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    WatchTabPainting(tabs);

    // Each page's container is the parent of the controls made after its tab.
    parent = AddPage(tabs, 0, PageCaptions[0]);
    MakeTree(HierarchyTree, parent);
    parent = AddPage(tabs, 1, PageCaptions[1]);
    MakeTree(AlphabeticalTree, parent);
    parent = AddPage(tabs, 2, PageCaptions[2]);
    for (int number : {CustomHint, CustomQueryField, ExecuteButton}) MakeControl(ControlDefinitions[number], parent);
}
