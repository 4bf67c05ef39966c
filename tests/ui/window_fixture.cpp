#include "tests/ui/window_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

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
    ListView_GetItemText(list, row, column, buffer, sizeof buffer);
    return std::string(buffer, strnlen(buffer, sizeof buffer));  // Wine ends a cut text with no NUL
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int PagePixelsChangedByAFreshPaint() {
    PumpMessages();
    const HWND page = PageContainer(CurrentPage());
    RECT box;
    GetClientRect(page, &box);
    const HDC dc = GetDC(page);
    // Every third pixel each way, as the page's own DC has them: a stale patch three pixels or more
    // across shows, a stale line one or two pixels wide may fall between them.
    std::vector<COLORREF> shown;
    for (LONG y = 0; y < box.bottom; y += 3)
        for (LONG x = 0; x < box.right; x += 3) shown.push_back(GetPixel(dc, x, y));
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    int changed = 0;
    std::size_t i = 0;
    for (LONG y = 0; y < box.bottom; y += 3)
        for (LONG x = 0; x < box.right; x += 3) changed += GetPixel(dc, x, y) != shown[i++];
    ReleaseDC(page, dc);
    return changed;
}

void ExpectClipboard(const std::string& expected, const char* what) {
    std::string ansi;
    std::wstring unicode;
    LCID locale = 0;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_TEXT)) ansi = static_cast<const char*>(GlobalLock(data));
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) unicode = static_cast<const wchar_t*>(GlobalLock(data));
        if (const HANDLE data = GetClipboardData(CF_LOCALE)) locale = *static_cast<const LCID*>(GlobalLock(data));
        for (const UINT format : {CF_TEXT, CF_UNICODETEXT, CF_LOCALE}) GlobalUnlock(GetClipboardData(format));
        CloseClipboard();
    }
    EXPECT_EQ(GetClipboardOwner(), Window().main) << what;
    EXPECT_EQ(locale, GetSystemDefaultLCID()) << what;
    EXPECT_EQ(ansi, expected) << what;
    std::wstring wide(expected.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, expected.data(), static_cast<int>(expected.size()),
                                                             &wide[0], static_cast<int>(wide.size()))));
    EXPECT_EQ(unicode, wide) << what << ", as a Unicode program reads it";
}
