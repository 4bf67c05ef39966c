// What each control raises for the loop, seen in the EventQueue and the CommandEvent slot while
// the real window handles real messages (the loop itself does not run here).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/events.h"
#include "ui/keyboard_focus.h"
#include "ui/pages.h"
#include "ui/window_state.h"

// How a failing check shows an event.
std::ostream& operator<<(std::ostream& out, const Event& e) {
    return out << "{" << e.kind << "," << e.control << "," << e.window << "," << e.detail << "}";
}

namespace {

using Events = std::vector<Event>;

Event Raised(int control, std::int32_t detail) { return Event{ControlEvent, control, 0, detail}; }

Events Queued() {
    Events events;
    Event event{};
    while (TakeQueuedEvent(event)) events.push_back(event);
    return events;
}

// The CommandEvent slot, emptied; a kind of 0 when it was empty.
Event Command() {
    Event event{};
    TakeCommandEvent(event);
    return event;
}

void Drain() {
    PumpMessages();
    Queued();
    Command();
}

HTREEITEM Item(int tree, int index) { return Window().tree[tree - HierarchyTree].handle.at(index); }

void Select(int tree, int index, DWORD how = TVGN_CARET) {
    SendMessageA(Control(tree), TVM_SELECTITEM, how, reinterpret_cast<LPARAM>(index < 0 ? nullptr : Item(tree, index)));
}

// A notification as a control sends it: to its parent, which hands it to the main window procedure.
LRESULT Notify(int control, UINT code, NMHDR* header = nullptr) {
    NMHDR plain = {};
    NMHDR& h = header != nullptr ? *header : plain;
    h.hwndFrom = Control(control);
    h.idFrom = static_cast<UINT_PTR>(control);
    h.code = code;
    return SendMessageA(GetParent(Control(control)), WM_NOTIFY, h.idFrom, reinterpret_cast<LPARAM>(&h));
}

class RaiseEvents : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MakeWindow(true)); }
    void SetUp() override {
        ShowPage(0);
        Drain();
    }
};

}  // namespace

TEST_F(RaiseEvents, TreeNotificationsRaiseTheirEventsAndKeepTheDefault) {
    for (int tree : {HierarchyTree, AlphabeticalTree}) {
        SCOPED_TRACE(tree);
        EXPECT_EQ(Notify(tree, static_cast<UINT>(NM_CLICK)), 0);
        EXPECT_EQ(Notify(tree, static_cast<UINT>(NM_DBLCLK)), 0);
        EXPECT_EQ(Notify(tree, static_cast<UINT>(TVN_SELCHANGEDA)), 0);
        EXPECT_EQ(Notify(tree, static_cast<UINT>(TVN_SELCHANGEDW)), 0) << "either form of the notification";
        for (UINT quiet : {TVN_SELCHANGINGA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, static_cast<UINT>(NM_RETURN),
                           static_cast<UINT>(NM_SETFOCUS), static_cast<UINT>(NM_KILLFOCUS), TVN_KEYDOWN})
            Notify(tree, quiet);
        EXPECT_EQ(Queued(), (Events{Raised(tree, Clicked), Raised(tree, DoubleClicked), Raised(tree, SelectionChanged)}))
            << "the second SelectionChanged equals the newest waiting and is not added";
        EXPECT_EQ(Command().kind, 0);
    }
}

TEST_F(RaiseEvents, RightClickMakesTheDropHighlightedItemTheSelectionFirst) {
    // The tree drop-highlights the item under a right click while it reports NM_RCLICK (Wine's does
    // not, so the highlight is set here as Windows' tree would have it).
    Select(AlphabeticalTree, 0);
    Select(AlphabeticalTree, 5, TVGN_DROPHILITE);
    Drain();
    EXPECT_EQ(Notify(AlphabeticalTree, static_cast<UINT>(NM_RCLICK)), 0);
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), 5);
    EXPECT_EQ(Queued(), (Events{Raised(AlphabeticalTree, SelectionChanged), Raised(AlphabeticalTree, RightClicked)}));

    // On the selected item, or with nothing highlighted, the selection stays.
    Notify(AlphabeticalTree, static_cast<UINT>(NM_RCLICK));
    Select(AlphabeticalTree, -1, TVGN_DROPHILITE);
    Notify(AlphabeticalTree, static_cast<UINT>(NM_RCLICK));
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), 5);
    EXPECT_EQ(Queued(), (Events{Raised(AlphabeticalTree, RightClicked)})) << "two equal events back to back";
}

TEST_F(RaiseEvents, DragMakesTheDraggedItemTheSelectionFirst) {
    Select(HierarchyTree, 0);
    Drain();
    for (UINT code : {TVN_BEGINDRAGA, TVN_BEGINDRAGW}) {
        NMTREEVIEWA drag = {};
        drag.itemNew.hItem = Item(HierarchyTree, code == TVN_BEGINDRAGA ? 3 : 0);
        EXPECT_EQ(Notify(HierarchyTree, code, &drag.hdr), 0);
    }
    EXPECT_EQ(Queued(), (Events{Raised(HierarchyTree, SelectionChanged), Raised(HierarchyTree, DragBegun),
                                Raised(HierarchyTree, SelectionChanged), Raised(HierarchyTree, DragBegun)}));
    EXPECT_EQ(SelectedTreeItem(HierarchyTree), 0);
}

TEST_F(RaiseEvents, RightDoubleClickCountsOnAnItemNotToTheRightOfItsText) {
    // The HierarchyTree shows only its few headings, so there is room below the last.
    const HWND tree = Control(HierarchyTree);
    Select(HierarchyTree, 0);
    RECT text = {};
    const HTREEITEM item = Item(HierarchyTree, 0);
    ASSERT_TRUE(TreeView_GetItemRect(tree, item, &text, TRUE));
    const int y = (text.top + text.bottom) / 2;
    RECT client;
    GetClientRect(tree, &client);
    int shown = 0;
    for (auto i = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); i != nullptr;
         i = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(i))))
        ++shown;
    const int lastY = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0)) * shown;

    struct Case {
        POINT point;
        bool raised;
    };
    const Case cases[] = {
        {{(text.left + text.right) / 2, y}, true},  // on the text
        {{text.left - 3, y}, true},                 // left of it, on the line's indent
        {{text.right + 10, y}, false},              // to the right of the text
        {{5, lastY + 50}, false},                   // below the last item: no item there
    };
    if (lastY + 50 >= client.bottom) FAIL() << "the tree has no empty space below its items";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point.x);
        Drain();
        // Posted rather than clicked, for exact points; the release comes behind, for a tree that
        // tracks the button after a press.
        PostMessageA(tree, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(c.point.x, c.point.y));
        PostMessageA(tree, WM_RBUTTONUP, 0, MAKELPARAM(c.point.x, c.point.y));
        PumpMessages();
        const Events events = Queued();
        const bool raised = !events.empty() && events.front() == Raised(HierarchyTree, RightDoubleClicked);
        EXPECT_EQ(raised, c.raised);
        for (std::size_t i = 1; i < events.size(); ++i) EXPECT_NE(events[i].detail, RightDoubleClicked);
    }
}

TEST_F(RaiseEvents, ResultListRaisesForClicksDragsAndRowsBecomingSelected) {
    EXPECT_EQ(Notify(ResultList, static_cast<UINT>(NM_CLICK)), 0);
    EXPECT_EQ(Notify(ResultList, static_cast<UINT>(NM_RCLICK)), 0);
    EXPECT_EQ(Notify(ResultList, static_cast<UINT>(NM_DBLCLK)), 0);
    EXPECT_EQ(Notify(ResultList, static_cast<UINT>(NM_RDBLCLK)), 0);
    NMLISTVIEW drag = {};
    EXPECT_EQ(Notify(ResultList, static_cast<UINT>(LVN_BEGINDRAG), &drag.hdr), 0);
    EXPECT_EQ(Queued(), (Events{Raised(ResultList, Clicked), Raised(ResultList, RightClicked),
                                Raised(ResultList, DoubleClicked), Raised(ResultList, RightDoubleClicked),
                                Raised(ResultList, DragBegun)}));

    struct Change {
        UINT changed, oldState, newState;
        bool raised;
    };
    const Change changes[] = {
        {LVIF_STATE, 0, LVIS_SELECTED | LVIS_FOCUSED, true},
        {LVIF_STATE, LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED, false},  // already selected
        {LVIF_STATE, LVIS_SELECTED, 0, false},                             // leaving the selection
        {LVIF_STATE, 0, LVIS_FOCUSED, false},
        {LVIF_TEXT, 0, LVIS_SELECTED, false},                              // the state did not change
    };
    for (const Change& c : changes) {
        NMLISTVIEW change = {};
        change.uChanged = c.changed;
        change.uOldState = c.oldState;
        change.uNewState = c.newState;
        EXPECT_EQ(Notify(ResultList, static_cast<UINT>(LVN_ITEMCHANGED), &change.hdr), 0);
        EXPECT_EQ(Queued(), c.raised ? Events{Raised(ResultList, SelectionChanged)} : Events{});
    }

    // Rows as RunQuery writes them raise nothing; a row the user selects does.
    ClearRows();
    for (const char* row : {"Item #1", "Name\nvalue", "Caption\nother"}) AppendRow(row);
    SetRowColour(0, HeadingColour);
    RemoveRow(0);
    PumpMessages();
    EXPECT_EQ(Queued(), Events{});
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(Control(ResultList), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(Queued(), Events{Raised(ResultList, SelectionChanged)});
}

TEST_F(RaiseEvents, TabsRaiseForAChangeOfPageAndForAClick) {
    // A click on a tab, posted to the tab control as the mouse would give it.
    const HWND tabs = Control(ViewTabs);
    RECT rect;
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(tabs, WM_LBUTTONUP, 0, point);
    PumpMessages();
    EXPECT_EQ(CurrentPage(), 1);
    const Events events = Queued();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_NE(std::find(events.begin(), events.end(), Raised(ViewTabs, SelectionChanged)), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), Raised(ViewTabs, Clicked)), events.end());

    // The page is on show by the time its change is raised.
    EXPECT_EQ(Notify(ViewTabs, static_cast<UINT>(TCN_SELCHANGING)), FALSE);
    SendMessageA(tabs, TCM_SETCURSEL, 2, 0);
    EXPECT_EQ(Notify(ViewTabs, static_cast<UINT>(TCN_SELCHANGE)), 0);
    EXPECT_TRUE(IsWindowVisible(PageContainer(2)));
    EXPECT_FALSE(IsWindowVisible(PageContainer(1)));
    EXPECT_EQ(Queued(), Events{Raised(ViewTabs, SelectionChanged)});
}

TEST_F(RaiseEvents, FieldAndButtonReportThroughTheCommandEvent) {
    ShowPage(2);
    Drain();
    const HWND field = Control(CustomQueryField);
    SetFocus(field);
    EXPECT_EQ(Command(), Raised(CustomQueryField, EN_SETFOCUS));
    EXPECT_EQ(Queued(), Events{Raised(CustomQueryField, FocusGained)});

    // Of the notifications one message brings, the last stays in the slot.
    SetWindowTextA(field, "Win32_BIOS");
    EXPECT_EQ(Command(), Raised(CustomQueryField, EN_CHANGE));
    EXPECT_EQ(Queued(), Events{});

    SetFocus(Control(ExecuteButton));
    EXPECT_EQ(Command(), Raised(CustomQueryField, EN_KILLFOCUS));
    EXPECT_EQ(Queued(), Events{Raised(CustomQueryField, FocusLost)});

    SendMessageA(Control(ExecuteButton), BM_CLICK, 0, 0);
    EXPECT_EQ(Command(), Raised(ExecuteButton, BN_CLICKED));
    EXPECT_EQ(Queued(), Events{});

    // A notification code the button does not send of itself is handed on all the same.
    SendMessageA(PageContainer(2), WM_COMMAND, MAKEWPARAM(ExecuteButton, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(Control(ExecuteButton)));
    EXPECT_EQ(Command(), Raised(ExecuteButton, BN_DOUBLECLICKED));
    // The hint raises nothing.
    SendMessageA(PageContainer(2), WM_COMMAND, MAKEWPARAM(CustomHint, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(CustomHint)));
    EXPECT_EQ(Command().kind, 0);
}

TEST_F(RaiseEvents, TabAndShiftTabAreTheAcceleratorsAndNoControlEvent) {
    ACCEL keys[4] = {};
    ASSERT_EQ(CopyAcceleratorTableA(Window().accelerators, keys, 4), 2);
    EXPECT_EQ(keys[0].fVirt & ~FNOINVERT, FVIRTKEY);
    EXPECT_EQ(keys[0].key, VK_TAB);
    EXPECT_EQ(keys[0].cmd, 64001);
    EXPECT_EQ(keys[1].fVirt & ~FNOINVERT, FVIRTKEY | FSHIFT);
    EXPECT_EQ(keys[1].key, VK_TAB);
    EXPECT_EQ(keys[1].cmd, 64002);

    SetFocus(Control(ResultList));
    Drain();
    SendMessageA(Window().main, WM_COMMAND, MAKEWPARAM(NextTabStopCommand, 1), 0);
    EXPECT_EQ(GetFocus(), Control(ViewTabs));
    SendMessageA(Window().main, WM_COMMAND, MAKEWPARAM(PreviousTabStopCommand, 1), 0);
    EXPECT_EQ(GetFocus(), Control(ResultList));
    EXPECT_EQ(Queued(), Events{});
    EXPECT_EQ(Command().kind, 0);
}

TEST_F(RaiseEvents, CloseRaisesTheCloseEventAndLeavesTheWindowUp) {
    EXPECT_EQ(SendMessageA(Window().main, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(Window().main));
    EXPECT_TRUE(IsWindowVisible(Window().main));
    // The close box and the system menu reach it the same way.
    SendMessageA(Window().main, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(Window().main));
    EXPECT_EQ(Queued(), (Events{Event{WindowCloseEvent, 0, 0, 0}})) << "the second equals the newest waiting";
}

TEST_F(RaiseEvents, FocusComesBackToItsControlWhenTheWindowIsActivatedAgain) {
    // Activation is switched by the calls a window manager would make; clicking another window
    // would do the same, but a click on the main window would also move the focus itself.
    SetActiveWindow(Window().main);
    ShowPage(1);
    SetFocus(Control(AlphabeticalTree));
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetActiveWindow(other);
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_NE(GetFocus(), Control(AlphabeticalTree));
    SetActiveWindow(Window().main);
    EXPECT_EQ(GetFocus(), Control(AlphabeticalTree));

    // With the focus on the window itself nothing is remembered, and the window keeps it.
    SetFocus(Window().main);
    SetActiveWindow(other);
    SetActiveWindow(Window().main);
    EXPECT_EQ(GetFocus(), Window().main);
    DestroyWindow(other);
    PumpMessages();

    // Activated while still minimised, the window gives no control the keyboard (arrow keys typed
    // then would run queries in a window not on show); activated restored, it does.
    SetFocus(Control(AlphabeticalTree));
    SendMessageA(Window().main, WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageA(Window().main, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, TRUE), 0);
    EXPECT_NE(GetFocus(), Control(AlphabeticalTree)) << "activated while minimised";
    SendMessageA(Window().main, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, FALSE), 0);
    EXPECT_EQ(GetFocus(), Control(AlphabeticalTree)) << "activated restored";
}
