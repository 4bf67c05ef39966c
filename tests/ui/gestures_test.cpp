// Real gestures on the real window, through the real wait, loop and dispatcher, with RunQuery
// replaced by a double that keeps the text of every run. Mouse and keyboard go in as real input
// (SendInput) unless a test says otherwise.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/fakes/fake_run_query.h"
#include "tests/ui/loop_driver.h"
#include "tests/ui/window_fixture.h"
#include "ui/clipboard.h"
#include "ui/pages.h"
#include "ui/window_state.h"

namespace {

using Texts = std::vector<std::string>;

// Points this program's import of a user32 function at `replacement` and gives back what it
// pointed at: a spy on a platform call that leaves no trace of its own.
ULONG_PTR ReplaceUser32Import(const char* name, ULONG_PTR replacement) {
    const auto base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto& headers =
        *reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); dll->Name != 0; ++dll) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "user32.dll") != 0) continue;
        auto slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (auto entry = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
             entry->u1.AddressOfData != 0; ++entry, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(entry->u1.Ordinal) ||
                lstrcmpA(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + entry->u1.AddressOfData)->Name, name) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            const ULONG_PTR replaced = slot->u1.Function;
            slot->u1.Function = replacement;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            return replaced;
        }
    }
    return 0;
}

// Sets this thread's view of a key as its key messages would leave it: 0x80 down, 0x01 toggled.
void SetKeyState(int key, BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[key] = state;
    SetKeyboardState(keys);
}

// Answers LVM_GETITEMTEXTA as Windows' list does, with a NUL and its length (Wine's fills the room
// with no NUL), each cut taken to end where a double-byte character did not fit, a byte early.
LRESULT CALLBACK AnswerAsWindows(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message != LVM_GETITEMTEXTA) return DefSubclassProc(list, message, wParam, lParam);
    auto& item = *reinterpret_cast<LVITEMA*>(lParam);
    --item.cchTextMax;
    DefSubclassProc(list, message, wParam, lParam);
    item.pszText[item.cchTextMax - 1] = '\0';
    ++item.cchTextMax;
    return lstrlenA(item.pszText);
}

int beeps = 0;
BOOL WINAPI CountBeep(UINT) {
    ++beeps;
    return TRUE;
}

// OpenClipboard while another program reads the clipboard a moment: held at a copy's first try.
ULONG_PTR openClipboard = 0;
int opens = 0;
BOOL WINAPI OpenClipboardHeldAtFirst(HWND owner) {
    return ++opens > 1 && reinterpret_cast<BOOL(WINAPI*)(HWND)>(openClipboard)(owner);
}

class Gestures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(MakeWindow(true));
        BringToFront();
    }

    void SetUp() override {
        BringToFront();
        ShowPage(0);
        Settle();
        RunQueryTexts().clear();
        WhileRunQueryRuns() = nullptr;
    }

    void TearDown() override { WhileRunQueryRuns() = nullptr; }

    // Runs the loop over what was put into the queue and hands back the texts of the runs.
    static Texts Runs() {
        const LoopOutcome outcome = RunLoopUntilIdle();
        EXPECT_TRUE(outcome.endedWhenIdle);
        EXPECT_FALSE(outcome.timedOut);
        EXPECT_TRUE(outcome.boxes.empty());
        Texts texts = RunQueryTexts();
        RunQueryTexts().clear();
        return texts;
    }

    // Selection and focus as the gesture should find them, with nothing raised by the set-up left.
    static void Prepare(int tree, int selected) {
        if (tree == AlphabeticalTree) ShowPage(1);
        SetFocus(Control(tree));
        SelectTreeItemNow(tree, selected);
        Settle();
    }
};

}  // namespace

TEST_F(Gestures, ClicksOnTheHierarchyTree) {
    const HWND tree = Control(HierarchyTree);
    const int heading = 0;
    const int bios = TreeItemIndex(HierarchyTree, "Win32_BIOS");
    ASSERT_GT(bios, heading);
    Prepare(HierarchyTree, heading);

    Click(tree, TreeItemPoint(HierarchyTree, bios));
    EXPECT_EQ(Runs(), (Texts{"Win32_BIOS", "Win32_BIOS"})) << "a click on a class that is not selected";
    EXPECT_EQ(SelectedTreeItem(HierarchyTree), bios);

    Click(tree, TreeItemPoint(HierarchyTree, bios));
    EXPECT_EQ(Runs(), (Texts{"Win32_BIOS"})) << "a click on the selected class";

    Click(tree, TreeItemPoint(HierarchyTree, heading));
    EXPECT_EQ(Runs(), Texts{}) << "a click on a heading";
    EXPECT_EQ(SelectedTreeItem(HierarchyTree), heading);
}

TEST_F(Gestures, DoubleClicksOnTheHierarchyTree) {
    const HWND tree = Control(HierarchyTree);
    const int bios = TreeItemIndex(HierarchyTree, "Win32_BIOS");
    const int lastHeading = TreeItemIndex(HierarchyTree, "Performance Counter");
    ASSERT_GE(lastHeading, 0);
    Prepare(HierarchyTree, 0);
    SendMessageA(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(TreeItemHandle(HierarchyTree, lastHeading)));
    Settle();

    Click(tree, TreeItemPoint(HierarchyTree, lastHeading), Button::Left, 2);
    EXPECT_EQ(Runs(), Texts{}) << "a double-click on a heading";
    EXPECT_TRUE(TreeItemExpanded(HierarchyTree, lastHeading)) << "the heading opens all the same";

    Click(tree, TreeItemPoint(HierarchyTree, bios), Button::Left, 2);
    EXPECT_EQ(Runs(), (Texts{"Win32_BIOS", "Win32_BIOS", "Win32_BIOS"})) << "a double-click on a class not selected";
    Click(tree, TreeItemPoint(HierarchyTree, bios), Button::Left, 2);
    EXPECT_EQ(Runs(), (Texts{"Win32_BIOS", "Win32_BIOS"})) << "a double-click on the selected class";
}

TEST_F(Gestures, ClicksKeysRightClicksAndDragsOnTheAlphabeticalTree) {
    const HWND tree = Control(AlphabeticalTree);
    Prepare(AlphabeticalTree, 0);
    const std::string first = TreeItemText(AlphabeticalTree, 0);

    Click(tree, TreeItemPoint(AlphabeticalTree, 3));
    const std::string third = TreeItemText(AlphabeticalTree, 3);
    EXPECT_EQ(Runs(), (Texts{third, third})) << "a click on an item that is not selected";

    for (int step = 0; step < 5; ++step) PressKey(VK_DOWN);
    Texts passed;
    for (int index = 4; index <= 8; ++index) passed.push_back(TreeItemText(AlphabeticalTree, index));
    EXPECT_EQ(Runs(), passed) << "five steps down, one run for each item passed";
    PressKey(VK_HOME);
    EXPECT_EQ(Runs(), Texts{first});

    // Windows' tree drop-highlights the item under a right click, and NM_RCLICK makes it the
    // selection first; Wine's tree does not, so there the run is for the item still selected.
    Click(tree, TreeItemPoint(AlphabeticalTree, 2), Button::Right);
    const std::string second = TreeItemText(AlphabeticalTree, 2);
    if (RunningUnderWine()) {
        EXPECT_EQ(Runs(), Texts{first}) << "a right click on an item not selected, under Wine";
        SelectTreeItemNow(AlphabeticalTree, 2);
        Settle();
    } else {
        EXPECT_EQ(Runs(), (Texts{second, second})) << "a right click on an item not selected";
    }
    Click(tree, TreeItemPoint(AlphabeticalTree, 2), Button::Right);
    EXPECT_EQ(Runs(), Texts{second}) << "a right click on the selected item";

    // The second press of a right double-click raises RightDoubleClicked besides what the tree
    // reports for the presses themselves (Wine's tree reports only the first press, as NM_RCLICK;
    // Windows' may report the second as well); every run is for the selected item.
    Click(tree, TreeItemPoint(AlphabeticalTree, 2), Button::Right, 2);
    const Texts runs = Runs();
    if (RunningUnderWine()) EXPECT_EQ(runs.size(), 2u) << "a right double-click on the selected item";
    else EXPECT_GE(runs.size(), 2u) << "a right double-click on the selected item";
    EXPECT_EQ(runs, Texts(runs.size(), second));

    // A drag begun on another item makes it the selection before DragBegun is raised.
    const POINT from = TreeItemPoint(AlphabeticalTree, 5);
    Drag(tree, from, POINT{from.x + 40, from.y + 60});
    const std::string fifth = TreeItemText(AlphabeticalTree, 5);
    EXPECT_EQ(Runs(), (Texts{fifth, fifth})) << "a drag begun on an item not selected";
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), 5);
}

TEST_F(Gestures, TheButtonRunsTheFieldByMouseSpaceBarAndDoubleClickButEnterAndTypingRunNothing) {
    ShowPage(2);
    const HWND field = Control(CustomQueryField);
    const HWND button = Control(ExecuteButton);
    const std::string statement = " Select Name from Win32_Fan ";
    SetWindowTextA(field, statement.c_str());
    Settle();
    RECT box;
    GetClientRect(button, &box);
    const POINT middle = {box.right / 2, box.bottom / 2};

    Click(button, middle);
    EXPECT_EQ(Runs(), Texts{statement}) << "a click";
    EXPECT_EQ(GetFocus(), button);
    PressKey(VK_SPACE);
    EXPECT_EQ(Runs(), Texts{statement}) << "the space bar";
    Click(button, middle, Button::Left, 2);
    EXPECT_EQ(Runs(), (Texts{statement, statement})) << "a double-click";
    PressKey(VK_RETURN);
    EXPECT_EQ(Runs(), Texts{}) << "Enter on the button: it is no default button";

    RECT fieldBox;
    GetClientRect(field, &fieldBox);
    Click(field, POINT{fieldBox.right - 5, fieldBox.bottom / 2});
    EXPECT_EQ(Runs(), Texts{}) << "a click in the field";
    EXPECT_EQ(GetFocus(), field);
    PressKey(VK_END);
    TypeText("x");
    PressKey(VK_RETURN);
    EXPECT_EQ(Runs(), Texts{}) << "typing and Enter in the field";
    EXPECT_EQ(QueryFieldText(), statement + "x");

    Click(button, middle);
    EXPECT_EQ(Runs(), Texts{statement + "x"}) << "the field as it is now";
}

TEST_F(Gestures, SwitchingPagesRunsNothing) {
    // The third tab stands partly behind the tab row's scroll arrows, so the mouse takes the
    // first two and the arrow keys the third.
    const HWND tabs = Control(ViewTabs);
    for (int tab : {1, 0}) {
        RECT rect;
        ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&rect)));
        Click(tabs, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        EXPECT_EQ(Runs(), Texts{}) << tab;
        EXPECT_EQ(CurrentPage(), tab);
    }
    EXPECT_EQ(GetFocus(), tabs);
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    EXPECT_EQ(Runs(), Texts{});
    EXPECT_EQ(CurrentPage(), 2);
    PressKey(VK_LEFT);
    EXPECT_EQ(Runs(), Texts{});
    EXPECT_EQ(CurrentPage(), 1);
}

TEST_F(Gestures, ClicksOnTheResultListRunNothing) {
    ClearRows();
    for (const char* row : {"Caption\nfirst", "Name\nsecond"}) AppendRow(row);
    Settle();
    const HWND list = Control(ResultList);
    RECT row = {};
    row.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
    const POINT point = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    Click(list, point);
    Click(list, point, Button::Left, 2);
    Click(list, point, Button::Right);
    EXPECT_EQ(Runs(), Texts{});
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(Gestures, TabAndShiftTabGoRoundThePageOnShow) {
    // The keyboard order on each page: the ViewTabs, the page's tab stops, the ResultList.
    struct Page {
        int page;
        std::vector<int> order;
    };
    const Page pages[] = {{0, {ViewTabs, HierarchyTree, ResultList}},
                          {1, {ViewTabs, AlphabeticalTree, ResultList}},
                          {2, {ViewTabs, CustomQueryField, ExecuteButton, ResultList}}};
    for (const Page& page : pages) {
        SCOPED_TRACE(page.page);
        ShowPage(page.page);
        SetFocus(Control(ResultList));
        Settle();
        const int count = static_cast<int>(page.order.size());
        for (int step = 0; step <= count; ++step) {
            PressKey(VK_TAB);
            Runs();
            EXPECT_EQ(GetFocus(), Control(page.order[step % count])) << "Tab, step " << step;
        }
        // From the first, backwards: the last, and on round to the last again.
        for (int step = 0; step <= count; ++step) {
            PressKey(VK_TAB, true);
            Runs();
            EXPECT_EQ(GetFocus(), Control(page.order[(2 * count - 1 - step) % count])) << "Shift+Tab, step " << step;
        }
    }
}

TEST_F(Gestures, TabFromNoFocusedControlStartsAtTheEnds) {
    SetFocus(Window().main);
    Settle();
    PressKey(VK_TAB);
    Runs();
    EXPECT_EQ(GetFocus(), Control(ViewTabs));
    SetFocus(Window().main);
    Settle();
    PressKey(VK_TAB, true);
    Runs();
    EXPECT_EQ(GetFocus(), Control(ResultList));
}

TEST_F(Gestures, AWmQuitPostedToTheThreadEndsNothing) {
    Prepare(HierarchyTree, 0);
    const int bios = TreeItemIndex(HierarchyTree, "Win32_BIOS");
    PostQuitMessage(0);
    Click(Control(HierarchyTree), TreeItemPoint(HierarchyTree, bios));
    const LoopOutcome outcome = RunLoopUntilIdle();
    EXPECT_TRUE(outcome.endedWhenIdle) << "the loop went on until the close";
    EXPECT_EQ(RunQueryTexts(), (Texts{"Win32_BIOS", "Win32_BIOS"}));
}

TEST_F(Gestures, CloseEndsTheLoopWithTheWindowStillUp) {
    // Posted to the window, it ends the loop by its message number; posted to the thread, too.
    for (HWND to : {Window().main, static_cast<HWND>(nullptr)}) {
        if (to != nullptr) PostMessageA(to, WM_CLOSE, 0, 0);
        else PostThreadMessageA(GetCurrentThreadId(), WM_CLOSE, 0, 0);
        const LoopOutcome outcome = RunLoopUntilIdle();
        EXPECT_FALSE(outcome.endedWhenIdle);
        EXPECT_FALSE(outcome.timedOut);
        EXPECT_TRUE(IsWindowVisible(Window().main));
    }
    // Sent, as the close box sends it, it raises the event that the next wait hands out.
    PostMessageA(Window().main, WM_SYSCOMMAND, SC_CLOSE, 0);
    const LoopOutcome outcome = RunLoopUntilIdle();
    EXPECT_FALSE(outcome.endedWhenIdle);
    EXPECT_FALSE(outcome.timedOut);
    EXPECT_TRUE(outcome.leftOver.empty());
    EXPECT_TRUE(IsWindowVisible(Window().main));
}

TEST_F(Gestures, ClosingWhileAQueryRunsTakesEffectAfterIt) {
    Prepare(AlphabeticalTree, 0);
    const std::string third = TreeItemText(AlphabeticalTree, 3);
    for (bool send : {true, false}) {
        SCOPED_TRACE(send ? "sent" : "posted");
        SelectTreeItemNow(AlphabeticalTree, 0);
        Settle();
        bool windowStayed = true;
        WhileRunQueryRuns() = [&] {
            if (RunQueryTexts().size() != 1) return;
            if (send) SendMessageA(Window().main, WM_CLOSE, 0, 0);
            else PostMessageA(Window().main, WM_CLOSE, 0, 0);
            windowStayed = IsWindowVisible(Window().main) != FALSE;
        };
        // Clicked and SelectionChanged were both raised before the first run, so both run.
        Click(Control(AlphabeticalTree), TreeItemPoint(AlphabeticalTree, 3));
        const LoopOutcome outcome = RunLoopUntilIdle();
        EXPECT_FALSE(outcome.endedWhenIdle) << "the close ended the loop";
        EXPECT_FALSE(outcome.timedOut);
        EXPECT_TRUE(windowStayed);
        EXPECT_EQ(RunQueryTexts(), (Texts{third, third}));
        RunQueryTexts().clear();
        WhileRunQueryRuns() = nullptr;
    }
}

TEST_F(Gestures, CopyKeysOnTheResultListTakeOutTheSelectedRowOrEveryRow) {
    // Run again with a user's locale of its own (ui_copy_user_locale_test), which must have taken.
    if (const char* user = std::getenv("OSTREVO_USER_LCID")) {
        EXPECT_EQ(GetUserDefaultLCID(), std::strtoul(user, nullptr, 16));
        EXPECT_NE(GetUserDefaultLCID(), GetSystemDefaultLCID());
    }
    ClearRows();
    const std::string longValue(5000, 'v');
    for (const std::string& row : Texts{"Caption\ncaf\xE9", "", "Item #2", "Name\n" + longValue}) AppendRow(row);
    const HWND list = Control(ResultList);
    SetFocus(list);
    const std::string every = "Caption\tcaf\xE9\r\n\t\r\nItem #2\t\r\nName\t" + longValue + "\r\n";
    const struct {
        const char* name;
        int selected;  // -1: none
        std::vector<WORD> keys;
        std::string copied;        // "before": nothing
        bool ctrlToggled = false;  // Ctrl up, toggled, as a press of Ctrl alone leaves it
    } copies[] = {{"Ctrl+C", -1, {VK_CONTROL, 'C'}, every},
                  {"Ctrl+C", 3, {VK_CONTROL, 'C'}, "Name\t" + longValue + "\r\n"},
                  {"Ctrl+Insert", 0, {VK_CONTROL, VK_INSERT}, "Caption\tcaf\xE9\r\n"},
                  {"Ctrl+Shift+C", 0, {VK_CONTROL, VK_SHIFT, 'C'}, every},
                  {"C", 0, {'C'}, "before"},
                  {"AltGr+C", 0, {VK_CONTROL, VK_MENU, 'C'}, "before"},
                  {"C after Ctrl", 0, {'C'}, "before", true}};
    for (const bool asWindows : {false, true}) {
        if (asWindows) SetWindowSubclass(list, AnswerAsWindows, 0, 0);
        for (const auto& copy : copies) {
            SCOPED_TRACE(std::string(copy.name) + ", selected " + std::to_string(copy.selected));
            EXPECT_TRUE(PutOnClipboard(Window().main, "before"));
            ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
            if (copy.selected >= 0) ListView_SetItemState(list, copy.selected, LVIS_SELECTED, LVIS_SELECTED);
            SetKeyState(VK_CONTROL, copy.ctrlToggled ? 0x01 : 0x00);
            Settle();
            PressKeys(copy.keys);
            EXPECT_EQ(Runs(), Texts{});
            ExpectClipboard(copy.copied, asWindows ? "the rows, from a list that answers as Windows' does" : "the rows");
            EXPECT_EQ(SelectedRow(), copy.selected);
        }
    }
    RemoveWindowSubclass(list, AnswerAsWindows, 0);
}

TEST_F(Gestures, CopyKeysInATreeTakeOutTheSelectedItemAndMoveNothing) {
    for (int tree : {HierarchyTree, AlphabeticalTree}) {
        SCOPED_TRACE(tree);
        const int item = TreeItemIndex(tree, "Win32_BIOS");
        Prepare(tree, item);
        PressKeys({VK_CONTROL, 'C'});
        EXPECT_EQ(Runs(), Texts{});
        EXPECT_EQ(SelectedTreeItem(tree), item);
        ExpectClipboard("Win32_BIOS", "Ctrl+C");
        // Non-zero keeps a key's character out of the tree's search: Ctrl+C's, and Insert has none.
        SetKeyState(VK_CONTROL, 0x80);
        for (const WORD key : {WORD{'C'}, WORD{VK_INSERT}, WORD{'A'}, WORD{VK_DOWN}}) {
            NMTVKEYDOWN down = {{Control(tree), static_cast<UINT_PTR>(tree), TVN_KEYDOWN}, key, 0};
            EXPECT_EQ(SendMessageA(GetParent(Control(tree)), WM_NOTIFY, tree, reinterpret_cast<LPARAM>(&down)) != 0,
                      key == 'C') << "TVN_KEYDOWN's answer with Ctrl down, key " << key;
        }
        SetKeyState(VK_CONTROL, 0);
    }
    // With nothing selected nothing is copied; an event of the alphabetical tree would show here as
    // a run with the empty text.
    ASSERT_TRUE(PutOnClipboard(Window().main, "before"));
    SendMessageA(Control(AlphabeticalTree), TVM_SELECTITEM, TVGN_CARET, 0);
    Settle();
    PressKeys({VK_CONTROL, 'C'});
    EXPECT_EQ(Runs(), Texts{});
    ExpectClipboard("before", "nothing selected");
}

TEST_F(Gestures, ACopyWhileAnotherWindowHoldsTheClipboardWaitsForItOrBeepsAndLeavesItAsItWas) {
    ClearRows();
    AppendRow("Name\nvalue");
    const ULONG_PTR beep = ReplaceUser32Import("MessageBeep", reinterpret_cast<ULONG_PTR>(&CountBeep));
    ASSERT_NE(beep, 0u);
    // Held by another window past the copy's tries; then held at its first try only, whatever the
    // machine's speed: the copy must try again.
    for (const bool heldThroughout : {true, false}) {
        EXPECT_TRUE(PutOnClipboard(Window().main, "before"));
        beeps = 0;
        opens = 0;
        SetFocus(Control(ResultList));
        Settle();
        const HANDLE opened = CreateEventA(nullptr, TRUE, !heldThroughout, nullptr);
        const HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread holder([&] {
            if (!heldThroughout) return;
            const HWND window = CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            OpenClipboard(window);
            SetEvent(opened);
            WaitForSingleObject(done, INFINITE);
            CloseClipboard();
            DestroyWindow(window);
        });
        WaitForSingleObject(opened, INFINITE);
        openClipboard = ReplaceUser32Import("OpenClipboard", reinterpret_cast<ULONG_PTR>(&OpenClipboardHeldAtFirst));
        PressKeys({VK_CONTROL, 'C'});
        EXPECT_EQ(Runs(), Texts{}) << "and no hang: the loop ended when idle";
        ReplaceUser32Import("OpenClipboard", openClipboard);
        SetEvent(done);
        holder.join();
        CloseHandle(opened);
        CloseHandle(done);
        EXPECT_EQ(beeps, heldThroughout ? 1 : 0);
        EXPECT_GE(opens, 2) << "tried again";
        ExpectClipboard(heldThroughout ? "before" : "Name\tvalue\r\n", heldThroughout ? "held" : "let go");
    }
    ReplaceUser32Import("MessageBeep", beep);
}
