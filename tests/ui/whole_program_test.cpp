// The whole program in this process: the real start-up, the real loop and the real RunQuery
// against the platform's WMI, driven by real input (SendInput). The rows are read in-process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/ui/loop_driver.h"
#include "tests/ui/window_fixture.h"
#include "ui/pages.h"
#include "ui/startup.h"
#include "ui/window_state.h"

namespace {

// The Value column of the first row whose Property column is `property`; "(none)" when none is.
std::string ValueOf(const std::string& property) {
    const HWND list = Control(ResultList);
    for (int row = 0; row < RowCount(); ++row)
        if (ListCellText(list, row, 0) == property) return ListCellText(list, row, 1);
    return "(none)";
}

// What reaches the ResultList while a query runs (the title tells): paints, and rows inserted
// while its redraw is on (each of those repaints the visible list's scroll bar at once).
struct ListWatch {
    WNDPROC own = nullptr;
    bool redrawOff = false;
    int paintsDuringQuery = 0;
    int paintsInAll = 0;
    int rowsInserted = 0;
    int rowsInsertedWhileDrawn = 0;
};
ListWatch listWatch;

LRESULT CALLBACK WatchList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool querying = WindowText(Window().main) != "Ostrevo";
    if (message == WM_SETREDRAW) listWatch.redrawOff = wParam == FALSE;
    if (message == WM_PAINT || message == WM_NCPAINT) {
        ++listWatch.paintsInAll;
        listWatch.paintsDuringQuery += querying;
    }
    if (message == LVM_INSERTITEMA && querying) {
        ++listWatch.rowsInserted;
        listWatch.rowsInsertedWhileDrawn += !listWatch.redrawOff;
    }
    return CallWindowProcA(listWatch.own, list, message, wParam, lParam);
}

int RowsWithProperty(const std::string& property) {
    int count = 0;
    for (int row = 0; row < RowCount(); ++row) count += ListCellText(Control(ResultList), row, 0) == property;
    return count;
}

class WholeProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
        BringToFront();
        Settle();
    }

    // Runs the loop over the input given and reports how long it took.
    static LoopOutcome RunTimed(const char* what) {
        const auto start = std::chrono::steady_clock::now();
        LoopOutcome outcome = RunLoopUntilIdle(60000);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s: %.0f ms until the loop was idle again (the last 120 ms of them idle)\n", what, ms);
        EXPECT_TRUE(outcome.endedWhenIdle);
        return outcome;
    }

    static void ClickTab(int tab) {
        RECT rect;
        ASSERT_TRUE(SendMessageA(Control(ViewTabs), TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&rect)));
        Click(Control(ViewTabs), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
};

}  // namespace

TEST_F(WholeProgram, AClickOnAClassListsItsProperties) {
    EXPECT_EQ(ListCellText(Control(ResultList), 0, 1), "Please select a class to access its data");
    ClickTab(1);
    const int bios = TreeItemIndex(AlphabeticalTree, "Win32_BIOS");
    ASSERT_GE(bios, 0);
    const POINT point = TreeItemPoint(AlphabeticalTree, bios);
    Settle();
    Click(Control(AlphabeticalTree), point);
    const LoopOutcome outcome = RunTimed("tab, then a click on Win32_BIOS (two queries)");
    // On Windows the second query's CoInitializeSecurity answers that it is too late (once per
    // process): no failure, so no box (Wine accepts every call, so there this shows less).
    EXPECT_TRUE(outcome.boxes.empty()) << outcome.boxes.front();

    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), bios);
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
    EXPECT_EQ(RowsWithProperty("Manufacturer"), 1) << "one object, listed once though the query ran twice";
    EXPECT_EQ(RowsWithProperty("Item #1"), 0) << "a lone object has no heading";
    EXPECT_EQ(RowsWithProperty("__CLASS"), 1) << "a class name becomes SELECT * FROM it, which shows everything";
    if (RunningUnderWine()) EXPECT_EQ(ValueOf("Manufacturer"), "The Wine Project");
    else EXPECT_NE(ValueOf("Manufacturer"), "(none)");
}

TEST_F(WholeProgram, TheCustomPageRunsATypedStatement) {
    ShowPage(2);
    RECT field;
    GetClientRect(Control(CustomQueryField), &field);
    Settle();
    Click(Control(CustomQueryField), POINT{field.right / 2, field.bottom / 2});
    TypeText("Select Name from Win32_Process");
    PressKey(VK_TAB);
    PressKey(VK_SPACE);
    const LoopOutcome outcome = RunTimed("a click in the field, typing, Tab and the space bar (one query)");
    EXPECT_TRUE(outcome.boxes.empty()) << outcome.boxes.front();

    EXPECT_EQ(QueryFieldText(), "Select Name from Win32_Process");
    EXPECT_EQ(GetFocus(), Control(ExecuteButton));
    const int objects = RowsWithProperty("Name");
    EXPECT_GE(objects, 2) << "this process and Wine's own at least";
    EXPECT_EQ(RowsWithProperty("Item #1"), 1);
    EXPECT_EQ(RowsWithProperty("Item #" + std::to_string(objects)), 1);
    EXPECT_EQ(ListCellText(Control(ResultList), 0, 0), "Item #1") << "the leading separator is removed";
    EXPECT_EQ(RowsWithProperty("__CLASS"), 0) << "system properties are hidden without a *";
}

TEST_F(WholeProgram, AFailedStatementShowsItsBoxAndTheWindowGoesOn) {
    ShowPage(2);
    SetWindowTextA(Control(CustomQueryField), "garbage statement");
    RECT button;
    GetClientRect(Control(ExecuteButton), &button);
    Settle();
    Click(Control(ExecuteButton), POINT{button.right / 2, button.bottom / 2});
    const LoopOutcome outcome = RunTimed("a failing statement, its box dismissed by the test");
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes.front(), "ERROR: unable to call IWbemServices::ExecQuery");
    EXPECT_TRUE(IsWindowEnabled(Window().main)) << "enabled again once the box is gone";
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");

    // The next request works as before.
    SetWindowTextA(Control(CustomQueryField), "win32_bios");
    Settle();
    Click(Control(ExecuteButton), POINT{button.right / 2, button.bottom / 2});
    RunTimed("win32_bios typed in lower case");
    EXPECT_EQ(RowsWithProperty("Manufacturer"), 1);
}

TEST_F(WholeProgram, AQueryWritesItsRowsUnseenAndPaintsTheListOnceAfterwards) {
    ShowPage(2);
    SetWindowTextA(Control(CustomQueryField), "SELECT * FROM Win32_Process");
    RECT button;
    GetClientRect(Control(ExecuteButton), &button);
    Settle();
    const HWND list = Control(ResultList);
    listWatch = ListWatch{};
    listWatch.own = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchList)));
    Click(Control(ExecuteButton), POINT{button.right / 2, button.bottom / 2});
    RunTimed("SELECT * FROM Win32_Process, the list watched");
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listWatch.own));

    std::printf("%d rows inserted, %d of them with the list's redraw on; %d paints while the query ran, %d in all\n",
                listWatch.rowsInserted, listWatch.rowsInsertedWhileDrawn, listWatch.paintsDuringQuery,
                listWatch.paintsInAll);
    ASSERT_GE(RowsWithProperty("Item #2"), 1) << "several objects, many rows";
    EXPECT_EQ(listWatch.rowsInsertedWhileDrawn, 0) << "no row is written into the drawn list";
    EXPECT_FALSE(listWatch.redrawOff) << "the list draws again once the query is over";
    EXPECT_EQ(listWatch.paintsDuringQuery, 0) << "no paint while the rows are written";
    EXPECT_GE(listWatch.paintsInAll, 1) << "painted once the query is over";
    EXPECT_LE(listWatch.paintsInAll, 4) << "a few paints for the whole query, not one per row";
}
