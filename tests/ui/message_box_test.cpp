// ShowMessage with the box found and dismissed from a second thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/tools/window_search.h"
#include "tests/ui/window_fixture.h"
#include "ui/window_state.h"

namespace {

struct SeenBox {
    std::string caption;
    std::string text;
    int buttons = 0;
    int okButtons = 0;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool mainEnabled = true;
    int listRedraw = -1;  // the last WM_SETREDRAW the ResultList had while the box was up
};

// The ResultList's redraw state as its WM_SETREDRAW messages set it; -1 before the first.
std::atomic<int> listRedraw(-1);
std::atomic<int> listRedrawOns(0);
WNDPROC listProc = nullptr;

LRESULT CALLBACK WatchRedraw(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETREDRAW) {
        listRedraw = wParam != 0;
        listRedrawOns += wParam != 0;
    }
    return CallWindowProcA(listProc, window, message, wParam, lParam);
}

// Waits up to ten seconds for the box of `thread`, notes what it shows, and presses OK.
void DismissBox(DWORD thread, SeenBox& seen, std::atomic<bool>& found) {
    HWND box = nullptr;
    for (int i = 0; i < 200 && box == nullptr; ++i) {
        Sleep(50);
        ForEachTopLevelWindow(GetCurrentProcessId(), [&](HWND window) {
            if (GetWindowThreadProcessId(window, nullptr) != thread || ClassNameOf(window) != "#32770" ||
                !IsWindowVisible(window))
                return true;
            box = window;
            return false;
        });
    }
    if (box == nullptr) return;
    found = true;
    Sleep(100);
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    ForEachChildWindow(box, [&](HWND child) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Button") != 0 || !IsWindowVisible(child)) return;
        ++seen.buttons;
        seen.okButtons += GetDlgCtrlID(child) == IDOK;
    });
    seen.icon = reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, 0x14), STM_GETICON, 0, 0));
    seen.owner = GetWindow(box, GW_OWNER);
    seen.mainEnabled = IsWindowEnabled(Window().main) != FALSE;
    seen.listRedraw = listRedraw;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

TEST(ShowMessage, ModalBoxWithCaptionTextAndOkOnlyWhileTheWindowIsDisabled) {
    ASSERT_TRUE(MakeWindow(false));
    const HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground != nullptr) GetWindowThreadProcessId(foreground, &process);

    SeenBox seen;
    std::atomic<bool> found(false);
    std::thread helper(DismissBox, GetCurrentThreadId(), std::ref(seen), std::ref(found));
    ShowMessage("ERROR", "unable to call IWbemServices::ExecQuery");
    helper.join();

    ASSERT_TRUE(found) << "no message box appeared";
    EXPECT_EQ(seen.caption, "ERROR");
    EXPECT_EQ(seen.text, "unable to call IWbemServices::ExecQuery");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.okButtons, 1);
    EXPECT_EQ(seen.icon, nullptr) << "no icon";
    EXPECT_EQ(seen.owner, process == GetCurrentProcessId() ? foreground : nullptr);
    EXPECT_FALSE(seen.mainEnabled) << "the main window takes no input while the box is up";
    EXPECT_TRUE(IsWindowEnabled(Window().main)) << "enabled again afterwards";
    EXPECT_EQ(PagePixelsChangedByAFreshPaint(), 0) << "the page on show, once the box is gone";
}

TEST(ShowMessage, TurnsASuspendedResultListBackOnSoTheBoxShowsOverAListThatRepaints) {
    ASSERT_TRUE(MakeWindow(false));
    listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Control(ResultList), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchRedraw)));
    SuspendRowRedraw();
    ASSERT_EQ(listRedraw, 0);

    SeenBox seen;
    std::atomic<bool> found(false);
    std::thread helper(DismissBox, GetCurrentThreadId(), std::ref(seen), std::ref(found));
    ShowMessage("ERROR", "unable to call CoCreateInstance");
    helper.join();
    ASSERT_TRUE(found);
    EXPECT_EQ(seen.listRedraw, 1);

    ResumeRowRedraw();
    EXPECT_EQ(listRedrawOns, 1) << "a list already redrawing is not turned on again";
}
