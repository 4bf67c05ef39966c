#include "tests/ui/window_fixture.h"

#include <commctrl.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "catalogue/load_catalogue.h"
#include "ui/control_creation.h"
#include "ui/main_window.h"
#include "ui/pages.h"
#include "ui/startup.h"
#include "ui/window_state.h"

bool MakeWindow(bool withCatalogue) {
    DestroyMainWindow();
    PrepareUserInterfaceThread(GetModuleHandleA(nullptr));
    if (!CreateMainWindow()) return false;
    CreateControls();
    if (withCatalogue) LoadCatalogue();
    PumpMessages();
    return true;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ListCellText(HWND list, int row, int column) {
    char buffer[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    const LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(item.pszText, static_cast<std::size_t>(length));
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

namespace {

// The page's pixels as its own DC has them, everything painted so far included.
std::vector<DWORD> PagePixels(HWND page) {
    RECT box;
    GetClientRect(page, &box);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = box.right;
    info.bmiHeader.biHeight = -box.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC dc = GetDC(page);
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)> bitmap(
        CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0), DeleteObject);
    const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&DeleteDC)> memory(CreateCompatibleDC(dc), DeleteDC);
    std::vector<DWORD> pixels;
    if (bitmap != nullptr && memory != nullptr) {
        SelectObject(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, box.right, box.bottom, dc, 0, 0, SRCCOPY);
        GdiFlush();
        pixels.assign(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + box.right * box.bottom);
    }
    ReleaseDC(page, dc);
    return pixels;
}

}  // namespace

int PagePixelsChangedByAFreshPaint() {
    PumpMessages();
    const HWND page = PageContainer(CurrentPage());
    const std::vector<DWORD> shown = PagePixels(page);
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    const std::vector<DWORD> afresh = PagePixels(page);
    if (shown.empty() || shown.size() != afresh.size()) return -1;
    int changed = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) changed += shown[i] != afresh[i];
    return changed;
}
