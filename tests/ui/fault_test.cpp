// Faults, load and bad input on the whole program in this process: the real start-up, loop,
// dispatcher and RunQuery against the platform's WMI, fed through the real field, button, trees
// and message queue. Each case checks that the program goes on working, shows exactly what it
// should and keeps what the user had on screen.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "query/run_query.h"
#include "tests/query/allocation_spy.h"
#include "tests/tools/heap_use.h"
#include "tests/ui/loop_driver.h"
#include "tests/ui/window_fixture.h"
#include "ui/clipboard.h"
#include "ui/copy_keys.h"
#include "ui/pages.h"
#include "ui/startup.h"
#include "ui/window_state.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
const std::string Retrieving = "Ostrevo  -  retrieving data from ";

// Every title the main window is given, in order; and, when asked, a WM_CLOSE posted the moment a
// query sets its title, as if the user closed the window while the query runs.
std::vector<std::string> titles;
bool closeWhenAQueryStarts = false;
WNDPROC mainProc = nullptr;

LRESULT CALLBACK RecordTitle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && lParam != 0) {
        titles.emplace_back(reinterpret_cast<const char*>(lParam));
        if (closeWhenAQueryStarts && titles.back().compare(0, Retrieving.size(), Retrieving) == 0) {
            closeWhenAQueryStarts = false;
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    return CallWindowProcA(mainProc, window, message, wParam, lParam);
}

Rows ShownRows() {
    Rows rows;
    for (int row = 0; row < RowCount(); ++row)
        rows.emplace_back(ListCellText(Control(ResultList), row, 0), ListCellText(Control(ResultList), row, 1));
    return rows;
}

std::wstring FieldTextW() {
    const HWND field = Control(CustomQueryField);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, &text[0], static_cast<int>(text.size()))));
    return text;
}


double WorkingSetBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize);
}

struct ObjectCounts {
    DWORD gdi = 0, user = 0, handles = 0;
};

ObjectCounts CountObjects() {
    ObjectCounts counts;
    counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    GetProcessHandleCount(GetCurrentProcess(), &counts.handles);
    return counts;
}

// Message boxes of this thread, dismissed by a thread timer without allocating (it also fires while
// allocations are made to fail): how many, and the caption and text of the last.
int boxes = 0;
char boxCaption[16], boxText[64];
BOOL CALLBACK DismissBox(HWND box, LPARAM) {
    char name[8] = {};
    if (!IsWindowVisible(box) || !GetClassNameA(box, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return TRUE;
    ++boxes;
    GetWindowTextA(box, boxCaption, sizeof boxCaption);
    GetDlgItemTextA(box, 0xFFFF, boxText, sizeof boxText);
    PostMessageA(box, WM_COMMAND, IDOK, 0);  // handled before the timer's next tick
    return TRUE;
}
void CALLBACK DismissBoxes(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), DismissBox, 0); }

// The list refuses the nth row inserted from now on, as it does once memory runs out (0: none).
int insertToRefuse = 0;
LRESULT CALLBACK RefuseAnInsert(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == LVM_INSERTITEMA && insertToRefuse > 0) {
        if (--insertToRefuse == 0) return -1;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

class Faults : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
        // BSTRs, SAFEARRAYs and values' contents: what the program frees through COM's allocator.
        ASSERT_TRUE(StartWatchingAllocations());
        mainProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(Window().main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordTitle)));
    }

    void SetUp() override {
        BringToFront();
        Settle();
        titles.clear();
    }

    // The whole text goes into the field at once, as pasted.
    static void SetField(const std::wstring& text) {
        ShowPage(2);
        SetWindowTextW(Control(CustomQueryField), text.c_str());
    }

    // The space bar presses the ExecuteButton, as the user would, and the loop runs until it is idle.
    static LoopOutcome PressExecute(int limitMs = 60000) {
        SetFocus(Control(ExecuteButton));
        Settle();
        titles.clear();
        PressKey(VK_SPACE);
        return RunLoopUntilIdle(limitMs);
    }
};

struct BadText {
    const char* what;
    std::wstring text;
};

bool IsPropertyName(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

// "" when the rows are those of a real answer: one object's property rows, or several objects',
// each under its "Item #" heading (numbered from 1) with an empty row before every heading but the
// first; otherwise the first row that is not.
std::string NotAnAnswer(const Rows& rows) {
    if (rows.empty()) return "no rows";
    const bool several = rows[0].first == "Item #1";
    int objects = several ? 0 : 1;
    size_t row = 0;
    for (; row < rows.size(); ++row) {
        const auto& [property, value] = rows[row];
        const bool heading = several && property == "Item #" + std::to_string(objects + 1) && value.empty() &&
                             (row == 0 || rows[row - 1] == Rows::value_type{"", ""});
        const bool separator = several && property.empty() && value.empty() && row + 1 < rows.size() &&
                               rows[row + 1].first == "Item #" + std::to_string(objects + 1);
        objects += heading;
        if (!heading && !separator && !IsPropertyName(property)) break;
    }
    if (row < rows.size())
        return "row " + std::to_string(row) + " (\"" + rows[row].first + "\" | \"" + rows[row].second +
               "\") is neither a property, a heading nor the row before one";
    return several && objects < 2 ? "one object under an \"Item #1\" heading" : "";
}

std::wstring Repeat(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::vector<BadText> BadTexts() {
    const std::wstring where = L"SELECT * FROM Win32_BIOS WHERE Name <> '";
    return {
        {"unbalanced single quote", L"SELECT * FROM Win32_BIOS WHERE Name = 'Default"},
        {"unbalanced double quote", L"SELECT * FROM Win32_BIOS WHERE Name = \"Default"},
        {"unbalanced parenthesis", L"SELECT * FROM Win32_BIOS WHERE (Name = 'x'"},
        {"unknown keyword", L"SELEKT * FROM Win32_BIOS"},
        {"misspelt FROM", L"SELECT * FRUM Win32_BIOS"},
        {"FROM missing", L"SELECT * Win32_BIOS"},
        {"SELECT alone", L"SELECT"},
        {"WHERE without a condition", L"SELECT * FROM Win32_BIOS WHERE"},
        {"a lone star", L"*"},
        {"a star between blanks", L" * "},
        {"control characters", L"\x01\x02\x07\x1b\x7f"},
        {"control characters in a statement", L"SELECT\x01 * FROM\x1b Win32_BIOS"},
        {"only blanks", L"     "},
        {"a tab", L"\t"},
        {"an embedded line feed", L"SELECT *\nFROM Win32_BIOS"},
        {"an embedded carriage return", L"SELECT *\rFROM Win32_BIOS"},
        {"a class name with CR LF after it", L"Win32_BIOS\r\n"},
        {"a percent sign", L"%"},
        {"percent signs in LIKE", L"SELECT * FROM Win32_BIOS WHERE Name LIKE '%%%'"},
        {"a backslash", L"\\"},
        {"backslashes in a literal", L"SELECT * FROM Win32_BIOS WHERE Name = '\\\\\\'"},
        {"characters outside the ANSI code page", L"SELECT * FROM Win32_BIOS WHERE Name = '\u03a9\u2603\U0001F600'"},
        {"a class name outside the code page", L"Win32_\u0416\u4e2d"},
        {"high ANSI characters", L"SELECT * FROM Win32_BIOS WHERE Name = '\u00e9\u00ff'"},
        {"a 10,000-character identifier", L"SELECT * FROM Win32_" + std::wstring(10000, L'A')},
        {"a 100,000-character class name", L"Win32_" + std::wstring(100000, L'B')},
        {"2,000 properties", L"SELECT " + Repeat(L"Name, ", 2000) + L"Name FROM Win32_BIOS"},
        {"a SELECT nested in FROM", L"SELECT * FROM (SELECT * FROM Win32_BIOS)"},
        {"a SELECT nested in WHERE", L"SELECT * FROM Win32_BIOS WHERE Name IN (SELECT Name FROM Win32_BIOS)"},
        {"5,000 nested parentheses", L"SELECT * FROM Win32_BIOS WHERE " + std::wstring(5000, L'(') + L"Name = 'x'" +
                                         std::wstring(5000, L')')},
        {"a WHERE with a 200,000-character literal", where + std::wstring(200000, L'x') + L"'"},
        {"a 1,000,000-character statement", where + std::wstring(1000000 - where.size() - 1, L'y') + L"'"},
        {"a number of 40 digits", L"SELECT * FROM Win32_BIOS WHERE SoftwareElementState = " + std::wstring(40, L'9')},
        {"two statements", L"SELECT * FROM Win32_BIOS; DELETE FROM Win32_BIOS"},
        {"a condition that is always true", L"SELECT * FROM Win32_BIOS WHERE Name = '' OR 1 = 1 --"},
        {"ASSOCIATORS OF", L"ASSOCIATORS OF {Win32_BIOS}"},
        {"an event query", L"SELECT * FROM __InstanceCreationEvent WITHIN 1 WHERE TargetInstance ISA 'Win32_Process'"},
        {"the prefix alone", L"win32_"},
        {"a class name with a quote after it", L"WIN32_BIOS'"},
        {"braces and brackets", L"{[<>]}"},
    };
}

}  // namespace

TEST_F(Faults, BadStatementsEndInTheBoxNoDataOrRowsAndKeepTheField) {
    std::printf("outcome of each bad text (box, no data, or rows):\n");
    for (const BadText& bad : BadTexts()) {
        SCOPED_TRACE(bad.what);
        SetField(bad.text);
        const std::wstring field = FieldTextW();
        const std::string typed = QueryFieldText();
        const auto start = std::chrono::steady_clock::now();
        const LoopOutcome outcome = PressExecute();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        EXPECT_FALSE(outcome.timedOut);

        const Rows rows = ShownRows();
        const char* shown = "rows";
        if (!outcome.boxes.empty()) {
            shown = "box";
            EXPECT_EQ(outcome.boxes, std::vector<std::string>{"ERROR: unable to call IWbemServices::ExecQuery"});
            EXPECT_TRUE(rows.empty());
        } else if (rows == Rows{{"", "No data to display"}}) {
            shown = "no data";
        } else {
            EXPECT_EQ(NotAnAnswer(rows), "") << "neither the box, \"No data to display\" nor an answer";
        }
        std::printf("  %-8s %6.0f ms  %s\n", shown, ms, bad.what);
        // One run, with the text as the field gave it, and the title back.
        ASSERT_EQ(titles.size(), 2u);
        EXPECT_TRUE(titles[0] == Retrieving + typed) << titles[0].substr(0, 80);
        EXPECT_EQ(titles[1], "Ostrevo");
        EXPECT_EQ(WindowText(Window().main), "Ostrevo");
        EXPECT_TRUE(IsWindowEnabled(Window().main));
        EXPECT_TRUE(FieldTextW() == field) << "the field keeps what was typed";
        EXPECT_EQ(CurrentPage(), 2);
    }
}

TEST_F(Faults, AThousandQueriesInARowThroughTheButtonKeepTheListTitleAndMemory) {
    SetField(L"Win32_BIOS");
    // Warm: the first queries load WMI's parts for the rest of the process's life.
    for (int i = 0; i < 10; ++i) PostMessageA(Control(ExecuteButton), BM_CLICK, 0, 0);
    ASSERT_TRUE(RunLoopUntilIdle(60000).endedWhenIdle);
    const Rows expected = ShownRows();
    ASSERT_GE(expected.size(), 2u);
    EXPECT_NE(std::find(expected.begin(), expected.end(), Rows::value_type{"__CLASS", "Win32_BIOS"}), expected.end());
    titles.clear();
    titles.shrink_to_fit();
    // Wine 10 lists a grouped heap's groups, not its blocks: its walk is left out, and the program's
    // own blocks are counted instead, those of its C++ code and those it frees through COM's
    // allocator (BSTRs, SAFEARRAYs, values' contents). Wine 8 lists every block: all are checked.
    const bool leaveOutGrouped = RunningUnderWine();
    int groupedHeaps = 0;
    const double heapBefore = HeapBytesInUse(leaveOutGrouped, &groupedHeaps);
    const long blocksBefore = ProgramBlocksInUse();
    const int comBlocksBefore = LiveAllocations();
    const double workingSetBefore = WorkingSetBytes();
    const ObjectCounts objectsBefore = CountObjects();

    // All queued at once: each click is its own message, so each runs its own query.
    for (int i = 0; i < 1000; ++i) PostMessageA(Control(ExecuteButton), BM_CLICK, 0, 0);
    const LoopOutcome outcome = RunLoopUntilIdle(300000);
    EXPECT_TRUE(outcome.endedWhenIdle);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(titles.size(), 2000u);
    EXPECT_EQ(titles.back(), "Ostrevo");
    EXPECT_EQ(ShownRows(), expected) << "the same rows after 1,000 runs";
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
    EXPECT_EQ(QueryFieldText(), "Win32_BIOS");
    titles.clear();  // the test's own record, not the program's
    titles.shrink_to_fit();

    // A leak of the smallest heap block per query would add 16 KB, and 1,000 of the program's own
    // blocks of either kind; the working set may move by a page or so of the platform's own.
    const double heapGrowth = HeapBytesInUse(leaveOutGrouped, &groupedHeaps) - heapBefore;
    const long blockGrowth = ProgramBlocksInUse() - blocksBefore;
    const int comBlockGrowth = LiveAllocations() - comBlocksBefore;
    const double workingSetGrowth = WorkingSetBytes() - workingSetBefore;
    std::printf("after 1,000 queries: heap in use %+.0f bytes (%d grouped heaps left out), the program's blocks "
                "%+ld and COM's %+d, working set %+.0f KiB of %.0f KiB\n",
                heapGrowth, groupedHeaps, blockGrowth, comBlockGrowth, workingSetGrowth / 1024, workingSetBefore / 1024);
    EXPECT_LT(heapGrowth, 16000.0);
    EXPECT_LT(blockGrowth, 16);
    EXPECT_LT(comBlockGrowth, 16);
    EXPECT_LT(workingSetGrowth, workingSetBefore / 100);

    // GDI and USER objects are the program's alone; the handle count may move by a few of the
    // platform's own (WMI's thread pool), where a handle kept per query would add 1,000.
    const ObjectCounts objectsAfter = CountObjects();
    if (RunningUnderWine()) {
        std::printf("GDI, USER and handle counts not checked: Wine reports none\n");
        return;
    }
    EXPECT_EQ(objectsAfter.gdi, objectsBefore.gdi) << "GDI objects after 1,000 queries";
    EXPECT_EQ(objectsAfter.user, objectsBefore.user) << "USER objects after 1,000 queries";
    EXPECT_LE(objectsAfter.handles, objectsBefore.handles + 16) << "handles after 1,000 queries";
}

// Out of memory part way: each allocation of a query failing in turn, then each row the list is
// given refused in turn, then each allocation of a copy of every row failing in turn.
TEST_F(Faults, RunningOutOfMemoryCutsTheAnswerShortUnderOneBoxAndACopyBeeps) {
    const std::string query = "SELECT Name, Size FROM Win32_LogicalDisk";  // two disks, each under its heading
    SetWindowLongPtrA(Window().main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mainProc));  // recording allocates
    SetWindowSubclass(Control(ResultList), RefuseAnInsert, 0, 0);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, DismissBoxes);
    RunQuery(query);
    const Rows whole = ShownRows();
    ASSERT_EQ(whole.at(0).first, "Item #1");
    for (int nth = 1, refuseRows = 0; refuseRows < 2; ++nth) {
        const long blocks = ProgramBlocksInUse();
        const int comBlocks = LiveAllocations();
        boxes = 0;
        refuseRows ? void(insertToRefuse = nth) : FailProgramBlock(nth);
        RunQuery(query);
        const bool failed = refuseRows ? insertToRefuse == 0 : ProgramBlockFailed();
        insertToRefuse = 0;
        FailProgramBlock(0);
        EXPECT_EQ(ProgramBlocksInUse(), blocks);
        EXPECT_EQ(LiveAllocations(), comBlocks);
        const Rows rows = ShownRows();
        SCOPED_TRACE(std::string(refuseRows ? "row " : "allocation ") + std::to_string(nth));
        EXPECT_EQ(WindowText(Window().main), "Ostrevo");
        EXPECT_EQ(boxes, failed ? 1 : 0);
        EXPECT_EQ(std::string(boxCaption) + ": " + boxText, "ERROR: not enough memory to show every object");
        EXPECT_TRUE(rows.size() + failed <= whole.size() && std::equal(rows.begin(), rows.end(), whole.begin()));
        if (!failed) nth = 0, ++refuseRows;
    }
    std::string copied;
    for (const auto& [property, value] : whole) copied.append(property).append("\t").append(value).append("\r\n");
    for (int nth = 1, failed = 1; failed; ++nth) {
        ASSERT_TRUE(PutOnClipboard(Window().main, "before"));
        FailProgramBlock(nth);
        const bool copiedAll = CopyFrom(ResultList, true);
        failed = ProgramBlockFailed();
        FailProgramBlock(0);
        const std::string what = "allocation " + std::to_string(nth);
        EXPECT_EQ(copiedAll, !failed) << what;
        ExpectClipboard(failed ? "before" : copied, what.c_str());
    }
    KillTimer(nullptr, timer);
    RemoveWindowSubclass(Control(ResultList), RefuseAnInsert, 0);
    SetWindowLongPtrA(Window().main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordTitle));
}

TEST_F(Faults, ABurstOfTwoHundredKeyStepsRunsEachItemInOrder) {
    // From the class after Win32_Directory (whose query walks every folder of every drive) down
    // 200 items, one SelectionChanged, so one query, for each.
    ShowPage(1);
    const int first = TreeItemIndex(AlphabeticalTree, "Win32_Directory") + 1;
    ASSERT_GT(first, 0);
    ASSERT_LE(first + 200, TreeItemCount(AlphabeticalTree) - 1);
    SetFocus(Control(AlphabeticalTree));
    SelectTreeItemNow(AlphabeticalTree, first);
    Settle();
    titles.clear();
    for (int step = 0; step < 200; ++step) PressKey(VK_DOWN);
    const LoopOutcome outcome = RunLoopUntilIdle(240000);
    EXPECT_TRUE(outcome.endedWhenIdle);
    EXPECT_TRUE(outcome.boxes.empty());

    std::vector<std::string> expected;
    for (int step = 1; step <= 200; ++step) {
        expected.push_back(Retrieving + TreeItemText(AlphabeticalTree, first + step));
        expected.push_back("Ostrevo");
    }
    EXPECT_EQ(titles, expected);
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), first + 200);
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
}

TEST_F(Faults, AWmQuitIsPassedOverAndACloseDuringAQueryWaitsForItsEnd) {
    SetField(L"Win32_BIOS");
    SetFocus(Control(ExecuteButton));
    Settle();
    titles.clear();
    PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0);
    closeWhenAQueryStarts = true;
    PressKey(VK_SPACE);
    const LoopOutcome outcome = RunLoopUntilIdle();
    EXPECT_FALSE(closeWhenAQueryStarts) << "the query ran";
    EXPECT_FALSE(outcome.endedWhenIdle) << "the close ended the loop";
    EXPECT_FALSE(outcome.timedOut);
    EXPECT_EQ(titles, (std::vector<std::string>{Retrieving + "Win32_BIOS", "Ostrevo"}));
    const Rows rows = ShownRows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), Rows::value_type{"__CLASS", "Win32_BIOS"}), rows.end())
        << "the query wrote its rows before the close ended the loop";
}
