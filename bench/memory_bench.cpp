// Memory: the shipped program's working set, private bytes, handles and GDI/USER objects after
// start-up, after its first query (which loads WMI for the rest of the process's life) and after
// 1,000 more queries, read from outside while the queries are driven through its own button; and
// the heap bytes in use (HeapWalk, which only works inside a process) over 1,000 queries through
// the real loop in this process.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <string>

#include "bench/launch.h"
#include "bench/sections.h"
#include "tests/tools/heap_use.h"
#include "tests/tools/window_search.h"
#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/events.h"
#include "ui/pages.h"
#include "ui/window_state.h"

namespace {

struct Usage {
    double workingSetKiB = 0;
    double privateKiB = 0;
    double heapKiB = -1;  // in this process only
    long handles = -1;  // -1 when the platform does not report them
    long gdi = 0;
    long user = 0;
    int windows = 0;
};

double HeapKiBInUse() { return HeapBytesInUse() / 1024; }

Usage UsageOf(HANDLE process, DWORD id) {
    Usage usage;
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    usage.workingSetKiB = counters.WorkingSetSize / 1024.0;
    usage.privateKiB = counters.PrivateUsage / 1024.0;
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles) && handles != 0) usage.handles = static_cast<long>(handles);
    usage.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    usage.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    ForEachTopLevelWindow(id, [&](HWND window) {
        ++usage.windows;
        ForEachChildWindow(window, [&](HWND) { ++usage.windows; });
    });
    if (id == GetCurrentProcessId()) usage.heapKiB = HeapKiBInUse();
    return usage;
}

LRESULT RowsOf(HWND list) {
    DWORD_PTR rows = 0;
    if (!SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 60000, &rows)) return -1;
    return static_cast<LRESULT>(rows);
}

// One query in the other process: the text goes into its field, its button is clicked, and the
// query has ended when the list's row count has moved away from `before` (a message sent to it
// is only handled between queries).
LRESULT QueryInProgram(HWND field, HWND button, HWND list, const char* text, LRESULT before) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000, &result);
    PostMessageA(button, BM_CLICK, 0, 0);
    const double start = NowMs();
    for (;;) {
        const LRESULT rows = RowsOf(list);
        if (rows != before || NowMs() - start > 30000) return rows;
        Sleep(1);
    }
}

// One query here through the real loop: the button's click, then a close that ends the loop.
void QueryThroughLoop(const char* text) {
    SetWindowTextA(Control(CustomQueryField), text);
    PostMessageA(Control(ExecuteButton), BM_CLICK, 0, 0);
    PostMessageA(Window().main, WM_CLOSE, 0, 0);
    RunEventLoop();
    Event left{};
    while (TakeQueuedEvent(left)) {
    }
    PumpUntilPainted(Window().main);
}

std::string Kib(double kib) { return Format("%.0f KiB", kib); }

void AddGrowth(std::vector<TableRow>& table, const std::string& figure, double before, double after, bool wine) {
    if (wine && before == 0 && after == 0) {
        table.push_back({figure, "0 (not reported)", "-", "-", "<= 1 % growth", "needs Windows", "-"});
        return;
    }
    if (before <= 0) {
        table.push_back({figure, "not measured", "-", "-", "<= 1 % growth", "no", "-"});
        return;
    }
    const double growth = (after - before) * 100.0 / before;
    table.push_back({figure, Kib(after), Kib(before), Format("%+.2f %%", growth), "<= 1 % growth",
                     growth <= 1.0 ? "yes" : "no", "-"});
}

void AddCount(std::vector<TableRow>& table, const std::string& figure, long before, long after, bool wine,
              bool notReportedUnderWine) {
    if ((wine && notReportedUnderWine && before == 0 && after == 0) || before < 0 || after < 0) {
        table.push_back({figure, "0 (not reported)", "-", "-", "equal", "needs Windows", "-"});
        return;
    }
    table.push_back({figure, Format("%ld", after), Format("%ld", before), Format("%+ld", after - before), "equal",
                     after == before ? "yes" : "no", "-"});
}

}  // namespace

void MemoryBench(int queries, std::vector<TableRow>& table) {
    const bool wine = RunningUnderWine();
    const char* texts[2] = {"Win32_BIOS", "Win32_OperatingSystem"};

    // The shipped program, from outside.
    Launched program;
    if (!LaunchUntilPainted(OSTREVO_EXE, "", true, program)) {
        table.push_back({"Memory: Ostrevo.exe did not start", "-", "-", "-", "-", "no", "-"});
        return;
    }
    const HWND field = ControlOf(program.window, "Edit", CustomQueryField);
    const HWND button = ControlOf(program.window, "Button", ExecuteButton);
    const HWND list = ControlOf(program.window, WC_LISTVIEWA, ResultList);
    const Usage started = UsageOf(program.process.hProcess, program.process.dwProcessId);
    // A few of each first: the first query loads WMI, and each class its own parts, for the rest of
    // the process's life.
    LRESULT rows = RowsOf(list);
    for (int i = 0; i < 10; ++i) rows = QueryInProgram(field, button, list, texts[i % 2], rows);
    Sleep(200);
    const Usage warm = UsageOf(program.process.hProcess, program.process.dwProcessId);
    int wrongCounts = 0;
    LRESULT counts[2] = {-1, rows};
    const double start = NowMs();
    for (int i = 0; i < queries; ++i) {
        rows = QueryInProgram(field, button, list, texts[i % 2], rows);
        if (counts[i % 2] < 0) counts[i % 2] = rows;
        wrongCounts += rows != counts[i % 2];
    }
    const double elapsed = NowMs() - start;
    Sleep(200);
    const Usage done = UsageOf(program.process.hProcess, program.process.dwProcessId);
    char title[64] = {};
    GetWindowTextA(program.window, title, sizeof title);
    const long exitCode = CloseLaunched(program);

    table.push_back({"Memory (Ostrevo.exe): working set after start-up", Kib(started.workingSetKiB), "-", "-", "-",
                     "-", "-"});
    table.push_back({"Memory (Ostrevo.exe): private bytes after start-up",
                     wine && started.privateKiB == 0 ? "0 (not reported)" : Kib(started.privateKiB), "-", "-", "-",
                     "-", "-"});
    AddGrowth(table, Format("Memory (Ostrevo.exe): working set after %d more queries vs after 10", queries),
              warm.workingSetKiB, done.workingSetKiB, wine);
    AddGrowth(table, Format("Memory (Ostrevo.exe): private bytes after %d more queries vs after 10", queries),
              warm.privateKiB, done.privateKiB, wine);
    AddCount(table, "Objects (Ostrevo.exe): GDI objects, after start-up vs after the queries", started.gdi, done.gdi,
             wine, true);
    AddCount(table, "Objects (Ostrevo.exe): USER objects, after start-up vs after the queries", started.user,
             done.user, wine, true);
    AddCount(table, "Objects (Ostrevo.exe): windows of the process, after start-up vs after the queries",
             started.windows, done.windows, wine, false);
    AddCount(table, "Objects (Ostrevo.exe): kernel handles, after 10 queries vs after the queries", warm.handles,
             done.handles, wine, false);
    table.push_back({Format("  the %d queries in Ostrevo.exe (ms per query, rows %ld / %ld, wrong counts, title, exit)",
                            queries, static_cast<long>(counts[0]), static_cast<long>(counts[1])),
                     Format("%.1f", elapsed / queries), "-", "-", "-",
                     wrongCounts == 0 && std::string(title) == "Ostrevo" && exitCode == 0 ? "yes" : "no",
                     Format("%d, \"%s\", %ld", wrongCounts, title, exitCode)});

    // In this process, through the real loop: the heap.
    ShowPage(2);
    for (int i = 0; i < 20; ++i) QueryThroughLoop(texts[i % 2]);
    const Usage before = UsageOf(GetCurrentProcess(), GetCurrentProcessId());
    for (int i = 0; i < queries; ++i) QueryThroughLoop(texts[i % 2]);
    const Usage after = UsageOf(GetCurrentProcess(), GetCurrentProcessId());
    AddGrowth(table, Format("Memory (in process, real loop): heap bytes in use (HeapWalk) over %d queries", queries),
              before.heapKiB, after.heapKiB, wine);
    AddGrowth(table, Format("Memory (in process, real loop): working set over %d queries", queries),
              before.workingSetKiB, after.workingSetKiB, wine);
    AddCount(table, "Objects (in process, real loop): kernel handles over the queries", before.handles, after.handles,
             wine, false);
}
