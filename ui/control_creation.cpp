#include "ui/control_creation.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"
#include "ui/notifications.h"
#include "ui/pages.h"
#include "ui/visual_styles.h"
#include "ui/window_state.h"

const char* const CustomHintText =
    "Please enter the WMI class you want to execute.\r"
    "\r"
    "For example:\r"
    "Win32_OperatingSystem\r"
    "Or\r"
    "win32_operatingsystem\r"
    "(the name that you write is case insensitive.)\r"
    "Or\r"
    "Select * from Win32_OperatingSystem\r"
    "Or\r"
    "Select Caption, Name from Win32_OperatingSystem";

namespace {

struct ControlDefinition {
    int number;
    const char* className;
    int x, y, width, height;
    DWORD style;
    DWORD extendedStyle;
    const char* text;
};

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
    const HWND tree = MakeControl({number, WC_TREEVIEWA, 6, 10, 260, 437,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                   WS_EX_CLIENTEDGE, nullptr},
                                  parent);
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

    const HWND list = MakeControl({ResultList, WC_LISTVIEWA, 310, 10, 480, 480,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
                                   WS_EX_CLIENTEDGE, nullptr},
                                  parent);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    // The scroll bars are worked out once, for the columns and the first row together.
    SuspendRowRedraw();
    AddColumn(list, 0, "Property", 200);
    AddColumn(list, 1, "Value", 400);
    AppendRow("\nPlease select a class to access its data");
    ResumeRowRedraw();

    // The tab control goes to the top of its siblings, ahead of the ResultList in the keyboard order.
    const HWND tabs = MakeControl(
        {ViewTabs, WC_TABCONTROLA, 10, 10, 280, 480, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, WS_EX_TRANSPARENT,
         nullptr},
        parent);
    SetWindowPos(tabs, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // Each page's container is the parent of the controls made after its tab.
    parent = AddPage(tabs, 0, "Hierarchical Order");
    MakeTree(HierarchyTree, parent);
    parent = AddPage(tabs, 1, "Alphabetical Order");
    MakeTree(AlphabeticalTree, parent);
    parent = AddPage(tabs, 2, "Custom");
    MakeControl({CustomHint, "Static", 10, 10, 260, 160, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, CustomHintText},
                parent);
    MakeControl({CustomQueryField, "Edit", 6, 160, 260, 25,
                 WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, ""},
                parent);
    MakeControl({ExecuteButton, "Button", 6, 190, 60, 30, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON,
                 0, "Execute"},
                parent);
}
