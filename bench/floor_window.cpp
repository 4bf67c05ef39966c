// Floor (b) of start-up: Ostrevo's window built with the platform alone. The same window class,
// style, size and title, the same seven controls (their definitions are the program's), the same
// font, manifest, libraries and thread preparation; the three tabs with their page containers, the
// list's columns and first row, and both trees filled in the catalogue's shape with their redraw
// suspended, each item inserted right after its previous sibling. Nothing of the program's own:
// no custom draw, no grid lines, no page background, no subclassing, no accelerators; a plain
// message loop. The window is shown once it is complete, the cheapest order the platform allows.
//
// floor_window [show-first] [FILE]: with show-first, the window is shown before its controls are
// made, as the program's start-up sequence does it. With FILE, the steps are timed as
// startup_probe times the program's (thread preparation, font set-up, window, controls, trees
// filled, first paint, in milliseconds on one line), and the program ends after its first paint.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue_walk.h"
#include "catalogue/class_catalogue.h"
#include "ui/control_definitions.h"
#include "bench/bench_figures.h"
#include "ui/main_window.h"
#include "ui/tree_placement.h"
#include "ui/window_placement.h"

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND Make(int number, HWND parent, HFONT font) {
    const ControlDefinition& d = ControlDefinitions[number];
    const HWND control = CreateWindowExA(d.extendedStyle, d.className, d.text, d.style, d.x, d.y, d.width, d.height,
                                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)),
                                         GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

// Redraw back on; a control in a window already on show is then painted afresh.
void Resume(HWND control) {
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// Texts at their levels, in order; each goes after its previous sibling.
void Fill(HWND tree, const std::vector<std::pair<std::string, int>>& items) {
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    TreeShape shape;
    std::vector<HTREEITEM> handles;
    handles.reserve(items.size());
    for (const auto& entry : items) {
        const TreePlacement place = AppendToShape(shape, entry.second);
        std::string text = entry.first;
        TVINSERTSTRUCTA insert = {};
        insert.hParent = place.parent < 0 ? TVI_ROOT : handles[place.parent];
        insert.hInsertAfter = place.previousSibling < 0 ? TVI_FIRST : handles[place.previousSibling];
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = &text[0];
        insert.item.lParam = static_cast<LPARAM>(handles.size());
        handles.push_back(
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
    }
    Resume(tree);
}

}  // namespace

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the platform header names its own
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string arguments = commandLine;
    const bool showFirst = arguments.compare(0, 10, "show-first") == 0;
    const std::string file = arguments.substr(showFirst ? (arguments.size() > 10 ? 11 : 10) : 0);
    double t = NowMs();
    double laps[6] = {};
    int lap = 0;
    auto next = [&] {
        const double now = NowMs();
        laps[lap++] = now - t;
        t = now;
    };
    InitCommonControls();
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
    CoInitialize(nullptr);
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    next();
    if (!file.empty()) {
        // As the program's probe does: the first text measured pays for the font set-up.
        const HDC screen = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(screen, font);
        SIZE size;
        GetTextExtentPoint32A(screen, "Ostrevo", 7, &size);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
    }
    next();

    const char* const className = "WindowClass_0";
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    RECT outer = {0, 0, MainClientWidth, MainClientHeight};
    AdjustWindowRectEx(&outer, MainWindowStyle, FALSE, 0);
    const WindowPlacement place = CentreOnScreen(outer.right - outer.left, outer.bottom - outer.top,
                                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const HWND window = CreateWindowExA(0, className, "Ostrevo", MainWindowStyle, place.x, place.y,
                                        place.width, place.height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    if (showFirst) ShowWindow(window, SW_SHOWNORMAL);
    next();

    const HWND list = Make(ResultList, window, font);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNA heading = {};
        heading.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        heading.cx = ResultListColumns[column].width;
        heading.pszText = const_cast<char*>(ResultListColumns[column].header);
        heading.iSubItem = column;
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&heading));
    }
    char empty[] = "";
    char first[] = "Please select a class to access its data";
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.pszText = empty;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
    LVITEMA value = {};
    value.iSubItem = 1;
    value.pszText = first;
    SendMessageA(list, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&value));
    Resume(list);

    const HWND tabs = Make(ViewTabs, window, font);
    SetWindowPos(tabs, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND pages[3];
    for (int tab = 0; tab < 3; ++tab) {
        pages[tab] = CreateWindowExA(0, "STATIC", nullptr, PageContainerStyle, 0, 0, 0, 0, tabs, nullptr, instance,
                                     nullptr);
        EnableWindow(pages[tab], FALSE);
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = const_cast<char*>(PageCaptions[tab]);
        item.lParam = reinterpret_cast<LPARAM>(pages[tab]);
        SendMessageA(tabs, TCM_INSERTITEMA, tab, reinterpret_cast<LPARAM>(&item));
    }
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    SetWindowPos(pages[0], nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(pages[0], TRUE);
    ShowWindow(pages[0], SW_SHOW);

    const HWND hierarchy = Make(HierarchyTree, pages[0], font);
    const HWND alphabetical = Make(AlphabeticalTree, pages[1], font);
    for (HWND tree : {hierarchy, alphabetical})
        SendMessageA(tree, TVM_SETEXTENDEDSTYLE, TVS_EX_DOUBLEBUFFER, TVS_EX_DOUBLEBUFFER);
    for (int number : {CustomHint, CustomQueryField, ExecuteButton}) Make(number, pages[2], font);

    next();
    CatalogueViews views = WalkCatalogue(ClassCatalogue, ClassCatalogueSize);
    std::vector<std::pair<std::string, int>> items;
    items.reserve(views.hierarchy.size());
    for (const HierarchyItem& item : views.hierarchy) items.emplace_back(item.text, item.level);
    Fill(hierarchy, items);
    SortClassNames(views.classNames);
    items.clear();
    for (const std::string& name : views.classNames) items.emplace_back(name, 0);
    Fill(alphabetical, items);

    next();
    if (!showFirst) ShowWindow(window, SW_SHOWNORMAL);
    if (!file.empty()) {
        PumpUntilPainted(window);
        next();
        if (FILE* out = std::fopen(file.c_str(), "w")) {
            std::fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f\n", laps[0], laps[1], laps[2], laps[3], laps[4], laps[5]);
            std::fclose(out);
        }
        DestroyWindow(window);
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    UnregisterClassA(className, instance);
    return 0;
}
