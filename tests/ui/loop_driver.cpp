#include "tests/ui/loop_driver.h"

#include <commctrl.h>

#include <chrono>
#include <vector>

#include "tests/tools/window_search.h"
#include "tests/ui/window_fixture.h"
#include "ui/event_loop.h"
#include "ui/events.h"
#include "ui/window_state.h"

namespace {

constexpr UINT TickMs = 30;
constexpr int QuietTicksToEnd = 4;

struct Watch {
    std::chrono::steady_clock::time_point start;
    int limitMs = 0;
    int quietTicks = 0;
    bool closePosted = false;
    LoopOutcome* outcome = nullptr;
};
Watch watch;

// Notes what each box of this thread shows, and presses its OK.
void DismissBoxes() {
    const DWORD thread = GetCurrentThreadId();
    ForEachTopLevelWindow(GetCurrentProcessId(), [thread](HWND window) {
        if (GetWindowThreadProcessId(window, nullptr) != thread || !IsWindowVisible(window) ||
            ClassNameOf(window) != "#32770")
            return;
        std::string text = WindowText(window) + ": ";
        if (const HWND message = GetDlgItem(window, 0xFFFF)) text += WindowText(message);
        watch.outcome->boxes.push_back(text);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
}

bool ThreadIsIdle() {
    // Whatever is still waiting, timers apart: sent and posted messages, input, paint. Wine keeps
    // the QS_PAINT bit up with no window left to paint, so a paint is looked for instead.
    MSG paint;
    return (HIWORD(GetQueueStatus(QS_ALLINPUT)) & ~(QS_TIMER | QS_PAINT)) == 0 &&
           !PeekMessageA(&paint, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE | PM_NOYIELD);
}

void CALLBACK WatchLoop(HWND, UINT, UINT_PTR, DWORD) {
    DismissBoxes();
    if (watch.closePosted) return;
    const auto elapsed = std::chrono::steady_clock::now() - watch.start;
    if (elapsed > std::chrono::milliseconds(watch.limitMs)) {
        watch.outcome->timedOut = true;
    } else {
        watch.quietTicks = ThreadIsIdle() ? watch.quietTicks + 1 : 0;
        if (watch.quietTicks < QuietTicksToEnd) return;
        watch.outcome->endedWhenIdle = true;
    }
    watch.closePosted = true;
    PostMessageA(Window().main, WM_CLOSE, 0, 0);
}

INPUT MouseInput(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Presses further apart than the double-click time, unless they are meant as one.
std::chrono::steady_clock::time_point lastPress;

void WaitOutDoubleClick() {
    const auto apart = std::chrono::milliseconds(GetDoubleClickTime() + 50);
    const auto since = std::chrono::steady_clock::now() - lastPress;
    if (since < apart) Sleep(static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(apart - since).count()));
}

void MoveCursorTo(HWND window, POINT point) {
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
}

}  // namespace

LoopOutcome RunLoopUntilIdle(int limitMs) {
    LoopOutcome outcome;
    watch = Watch{std::chrono::steady_clock::now(), limitMs, 0, false, &outcome};
    const UINT_PTR timer = SetTimer(nullptr, 0, TickMs, WatchLoop);
    RunEventLoop();
    KillTimer(nullptr, timer);
    watch.outcome = nullptr;
    // A WM_CLOSE posted to the window ends the loop by its own message number, before the
    // WindowCloseEvent it raised is handed out; that one must not end the next stretch.
    Event left{};
    while (TakeQueuedEvent(left)) outcome.leftOver.push_back(left);
    return outcome;
}

void Settle() {
    PumpMessages();
    Event stale{};
    while (TakeQueuedEvent(stale)) {
    }
    TakeCommandEvent(stale);
}

void Click(HWND window, POINT point, Button button, int clicks) {
    WaitOutDoubleClick();
    MoveCursorTo(window, point);
    const DWORD down = button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    const DWORD up = button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    for (int i = 0; i < clicks; ++i) {
        INPUT press[2] = {MouseInput(down), MouseInput(up)};
        SendInput(2, press, sizeof(INPUT));
    }
    lastPress = std::chrono::steady_clock::now();
}

void Drag(HWND window, POINT from, POINT to) {
    WaitOutDoubleClick();
    MoveCursorTo(window, from);
    INPUT down = MouseInput(MOUSEEVENTF_LEFTDOWN);
    SendInput(1, &down, sizeof(INPUT));
    MoveCursorTo(window, to);
    INPUT moved[2] = {MouseInput(MOUSEEVENTF_MOVE), MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, moved, sizeof(INPUT));
    lastPress = std::chrono::steady_clock::now();
}

void PressKey(WORD key, bool shift) {
    if (shift) PressKeys({VK_SHIFT, key});
    else PressKeys({key});
}

void PressKeys(const std::vector<WORD>& chord) {
    std::vector<INPUT> keys;
    keys.reserve(2 * chord.size());
    for (WORD key : chord) keys.push_back(KeyInput(key, false));
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) keys.push_back(KeyInput(*key, true));
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        PressKey(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0);
    }
}

void BringToFront() {
    SetForegroundWindow(Window().main);
    SetActiveWindow(Window().main);
    PumpMessages();
}

HTREEITEM TreeItemHandle(int tree, int index) { return Window().tree[tree - HierarchyTree].handle.at(index); }

POINT TreeItemPoint(int tree, int index) {
    const HTREEITEM item = TreeItemHandle(tree, index);
    SendMessageA(Control(tree), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT rect = {};
    TreeView_GetItemRect(Control(tree), item, &rect, TRUE);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int TreeItemIndex(int tree, const std::string& text) {
    for (int index = 0; index < TreeItemCount(tree); ++index)
        if (TreeItemText(tree, index) == text) return index;
    return -1;
}

void SelectTreeItemNow(int tree, int index) {
    SendMessageA(Control(tree), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(TreeItemHandle(tree, index)));
}

bool TreeItemExpanded(int tree, int index) {
    const LRESULT state = SendMessageA(Control(tree), TVM_GETITEMSTATE,
                                       reinterpret_cast<WPARAM>(TreeItemHandle(tree, index)), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}
