// A small stand-in for the real window, used only by the benchmark: the control operations over
// a visible top-level window with one real report list view, redraw suspended while a query
// writes its rows, heading colours drawn through custom draw. The trees and the query field
// are not made.
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "bench/bench_controls.h"
#include "ui/controls.h"
#include "ui/row_split.h"

namespace {

HWND mainWindow = nullptr;
HWND resultList = nullptr;
int messagesShown = 0;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == resultList && header->code == NM_CUSTOMDRAW) {
            NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
            if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            // A coloured row keeps its colour in its item data, offset by one; 0 is no colour.
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw->nmcd.lItemlParam != 0)
                draw->clrText = static_cast<COLORREF>(draw->nmcd.lItemlParam - 1);
            return CDRF_DODEFAULT;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void SetItemText(int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(resultList, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

bool MakeBenchWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "OstrevoQueryBench";
    RegisterClassA(&windowClass);
    mainWindow = CreateWindowExA(0, "OstrevoQueryBench", "Ostrevo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100,
                                 816, 539, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (mainWindow == nullptr) return false;
    resultList = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                 300, 10, 490, 480, mainWindow, reinterpret_cast<HMENU>(ResultList),
                                 GetModuleHandleA(nullptr), nullptr);
    if (resultList == nullptr) return false;
    SendMessageA(resultList, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    SendMessageA(resultList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const char* headings[] = {"Property", "Value"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = i == 0 ? 180 : 290;
        column.pszText = const_cast<char*>(headings[i]);
        SendMessageA(resultList, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    ShowWindow(mainWindow, SW_SHOW);
    UpdateWindow(mainWindow);
    PumpBenchMessages();
    return true;
}

void PumpBenchMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

int BenchMessagesShown() { return messagesShown; }

void AppendRow(const std::string& text) {
    const std::vector<std::string> columns = SplitRow(text);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = RowCount();
    item.pszText = const_cast<char*>(columns[0].c_str());
    item.lParam = 0;
    const int row = static_cast<int>(SendMessageA(resultList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0 && columns.size() > 1) SetItemText(row, 1, columns[1]);
}

void SetRowColour(int row, Colour colour) {
    if (row < 0 || row >= RowCount()) return;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(colour) + 1;
    SendMessageA(resultList, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    RedrawWindow(resultList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_INTERNALPAINT);
}

int RowCount() { return static_cast<int>(SendMessageA(resultList, LVM_GETITEMCOUNT, 0, 0)); }

void ClearRows() { SendMessageA(resultList, LVM_DELETEALLITEMS, 0, 0); }

void RemoveRow(int row) {
    if (row >= 0 && row < RowCount()) SendMessageA(resultList, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void SuspendRowRedraw() { SendMessageA(resultList, WM_SETREDRAW, FALSE, 0); }

void ResumeRowRedraw() {
    SendMessageA(resultList, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(resultList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SetMainTitle(const std::string& text) { SetWindowTextA(mainWindow, text.c_str()); }

void ShowMessage(const std::string& caption, const std::string& text) {
    // Counted, not shown: a benchmark cannot wait for a user.
    ++messagesShown;
    (void)caption;
    (void)text;
}

void AppendTreeItem(int, const std::string&, int) {}
int TreeItemCount(int) { return 0; }
void SetTreeItemColour(int, int, Colour) {}
int SelectedTreeItem(int) { return -1; }
std::string TreeItemText(int, int) { return std::string(); }
std::string QueryFieldText() { return std::string(); }
