#include "ui/main_window.h"

#include <cstdio>

#include "ui/keyboard_focus.h"
#include "ui/window_placement.h"
#include "ui/window_state.h"

namespace {
constexpr int MainWindowNumber = 0;
}

std::string MainWindowClassName() {
    char name[32];
    std::snprintf(name, sizeof name, "WindowClass_%d", MainWindowNumber);
    return name;
}

void LoadStockResources(HINSTANCE instance) {
    StockResources& stock = Stock();
    stock.instance = instance;
    stock.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    stock.icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    stock.cursor = LoadCursorA(nullptr, IDC_ARROW);
}

bool CreateMainWindow() {
    const StockResources& stock = Stock();
    WindowState& w = Window();
    const std::string className = MainWindowClassName();

    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = stock.instance;
    windowClass.hIcon = stock.icon;
    windowClass.hCursor = stock.cursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className.c_str();
    RegisterClassA(&windowClass);

    RECT outer = {0, 0, MainClientWidth, MainClientHeight};
    AdjustWindowRectEx(&outer, MainWindowStyle, FALSE, 0);
    const WindowPlacement place = CentreOnScreen(outer.right - outer.left, outer.bottom - outer.top,
                                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    w.main = CreateWindowExA(0, className.c_str(), "Ostrevo", MainWindowStyle, place.x, place.y, place.width,
                             place.height, nullptr, nullptr, stock.instance, nullptr);
    if (w.main == nullptr) {
        UnregisterClassA(className.c_str(), stock.instance);
        return false;
    }
    w.accelerators = CreateTabAccelerators();
    ShowWindow(w.main, SW_SHOWNORMAL);
    return true;
}

void DestroyMainWindow() {
    WindowState& w = Window();
    if (w.main != nullptr) DestroyWindow(w.main);
    UnregisterClassA(MainWindowClassName().c_str(), Stock().instance);
    if (w.accelerators != nullptr) DestroyAcceleratorTable(w.accelerators);
    w = WindowState();
}
