// The start-up floor: a program built like Ostrevo that only registers a class and shows an empty
// window of the same style and client size, centred, then runs a plain message loop until the
// window is closed. Nothing of Ostrevo is linked in.
//
// Built a second time with OSTREVO_BARE_LINKED: the same window, in a program that also carries
// Ostrevo's manifest, loads the libraries it loads (common controls, COM, visual styles) and
// prepares the thread as it does. What that costs is the platform's, not the window's.
#include <windows.h>
#ifdef OSTREVO_BARE_LINKED
#include <commctrl.h>
#include <objbase.h>
#include <uxtheme.h>
#endif

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef OSTREVO_BARE_LINKED
    InitCommonControls();
    CoInitialize(nullptr);
    SysFreeString(SysAllocString(L""));
    IsAppThemed();
#endif
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = BareProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = "BareWindow";
    RegisterClassA(&windowClass);

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer = {0, 0, 800, 500};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const HWND window = CreateWindowExA(0, "BareWindow", "Bare", style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                        (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                                        nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
