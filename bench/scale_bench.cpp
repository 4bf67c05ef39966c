// Scale: synthetic results of 1,000, 10,000 and 100,000 rows written into the real ResultList as
// RunQuery writes them (AppendRow with the list's redraw suspended), then the growth exponent:
// the slope of log(time) over log(rows); every one of the 100,000 rows copied to the clipboard;
// and ClearRows on 100,000 and 400,000 rows. Large: rows appended until the list refuses one.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cmath>
#include <optional>
#include <string>

#include "bench/sections.h"
#include "ui/controls.h"
#include "ui/copy_keys.h"
#include "ui/copy_text.h"
#include "ui/window_state.h"

namespace {

// Rows shaped like a query's: every 18th a separator and a heading, the rest name and value.
std::string SyntheticRow(int i) {
    if (i % 18 == 0) return "";
    if (i % 18 == 1) return "Item #" + std::to_string(i / 18 + 1);
    return "Property" + std::to_string(i % 18) + "\nvalue text of row " + std::to_string(i);
}

std::vector<std::string> SyntheticRows(int count) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) rows.push_back(SyntheticRow(i));
    return rows;
}

// A synthetic row appended; false when the list refused it or its text found no memory.
bool Appended(int row) {
    try {
        return AppendRow(SyntheticRow(row));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

constexpr double MiB = 1024.0 * 1024.0;

double WriteRows(const std::vector<std::string>& rows) {
    ClearRows();
    PumpUntilPainted(Window().main);
    const double start = NowMs();
    SuspendRowRedraw();
    for (const std::string& row : rows) AppendRow(row);
    ResumeRowRedraw();
    const double elapsed = NowMs() - start;
    PumpUntilPainted(Window().main);
    return elapsed;
}

// What copying every row cannot do without: each cell's text read with LVM_GETITEMTEXTA, twice, as
// the copy measures the text before it writes it where the clipboard takes it.
double ReadEveryCell() {
    const HWND list = Control(ResultList);
    char buffer[4096];
    const double start = NowMs();
    for (int row = 0, rows = ListView_GetItemCount(list); row < rows; ++row)
        for (int column = 0; column < 2; ++column) ListView_GetItemText(list, row, column, buffer, sizeof buffer);
    return NowMs() - start;
}

// Ctrl+Shift+C's work on the rows in the list, against reading their texts, run by run in turn.
TableRow CopyRow() {
    std::vector<double> copy, read;
    for (int run = 0; run < 5; ++run) {
        read.push_back(ReadEveryCell() + ReadEveryCell());
        const double start = NowMs();
        CopyFrom(ResultList, true);
        copy.push_back(NowMs() - start);
    }
    const Spread c = SpreadOf(copy);
    const Spread r = SpreadOf(read);
    const double ratio = c.median / r.median;
    return {Format("Copy: every one of %d rows to the clipboard (ms, 5 runs) vs reading their texts twice (LVM_GETITEMTEXT)",
                   RowCount()),
            Format("%.0f", c.median), Format("%.0f", r.median), Format("%.2f", ratio), "<= 1.5",
            ratio <= 1.5 ? "yes" : "no", Format("%.0f %% / %.0f %%", NoisePercent(c), NoisePercent(r))};
}

}  // namespace

void ScaleBench(std::vector<TableRow>& table) {
    const int sizes[] = {1000, 10000, 100000};
    const int runs[] = {7, 3, 3};
    double logRows[3], logTime[3];
    for (int s = 0; s < 3; ++s) {
        const std::vector<std::string> rows = SyntheticRows(sizes[s]);
        std::vector<double> times;
        times.reserve(static_cast<std::size_t>(runs[s]));
        for (int r = 0; r < runs[s]; ++r) times.push_back(WriteRows(rows));
        const Spread t = SpreadOf(times);
        logRows[s] = std::log(static_cast<double>(sizes[s]));
        logTime[s] = std::log(t.median);
        table.push_back({Format("Scale: %d rows into the ResultList (ms, %d runs; rows per second)", sizes[s], runs[s]),
                         Format("%.0f", t.median), Format("%.0f rows/s", sizes[s] * 1000.0 / t.median), "-", "-", "-",
                         Format("%.0f %%", NoisePercent(t))});
    }
    const TableRow copy = CopyRow();
    // Least squares over the three sizes.
    double mx = 0, my = 0;
    for (int s = 0; s < 3; ++s) {
        mx += logRows[s] / 3;
        my += logTime[s] / 3;
    }
    double sxy = 0, sxx = 0;
    for (int s = 0; s < 3; ++s) {
        sxy += (logRows[s] - mx) * (logTime[s] - my);
        sxx += (logRows[s] - mx) * (logRows[s] - mx);
    }
    const double exponent = sxy / sxx;
    table.push_back({"Scale: growth exponent of the time over 1,000 to 100,000 rows", Format("%.2f", exponent), "1.00",
                     "-", "<= 1.1", exponent <= 1.1 ? "yes" : "no", "-"});
    table.push_back(copy);
    // Wine's list view finds each item it deletes by a linear search: the time grows as the square.
    for (const int rows : {100000, 400000}) {
        if (rows != RowCount()) WriteRows(SyntheticRows(rows));
        const double start = NowMs();
        ClearRows();
        table.push_back({Format("ClearRows: %d rows (ms, 1 run)", rows), Format("%.0f", NowMs() - start), "-", "-",
                         "-", "-", "-"});
    }
}

void LargeBench(std::vector<TableRow>& table) {
    ClearRows();
    PumpUntilPainted(Window().main);
    const PROCESS_MEMORY_COUNTERS empty = Memory();
    double start = NowMs();
    SuspendRowRedraw();
    int rows = 0;
    while (Appended(rows)) {
        if (++rows != 1000000) continue;
        // Ctrl+Shift+C's peak beyond what the process held, against the text it copies.
        const double paused = NowMs();
        const std::size_t text = ResultListCopySize(true).value_or(0);
        const PROCESS_MEMORY_COUNTERS before = Memory();
        const bool copied = CopyFrom(ResultList, true);
        const double peak = static_cast<double>(Memory().PeakWorkingSetSize) -
                            static_cast<double>(std::max(before.WorkingSetSize, before.PeakWorkingSetSize));
        const double ratio = peak / static_cast<double>(text);
        table.push_back({"Large: Ctrl+Shift+C's peak memory on 1,000,000 rows (MiB, beyond the process's peak "
                         "before it) vs the text copied (MiB)",
                         Format("%.1f%s", peak / MiB, copied ? "" : " (beeped)"), Format("%.1f", text / MiB),
                         Format("%.2f", ratio), "<= 1.2", ratio <= 1.2 ? "yes" : "no", "-"});
        OpenClipboard(Window().main);  // the copy's block goes, and with it its memory
        EmptyClipboard();
        CloseClipboard();
        start += NowMs() - paused;
    }
    const double elapsed = NowMs() - start;
    const double grown = static_cast<double>(Memory().WorkingSetSize - empty.WorkingSetSize);
    table.push_back({"Large: rows appended until the list refuses one (rows; working set MiB, bytes and us per row)",
                     Format("%d", rows), Format("%.0f MiB, %.0f B, %.2f us", grown / MiB, grown / rows, elapsed * 1000 / rows),
                     "-", "-", "-", "-"});
    const double copyStart = NowMs();
    const bool copied = CopyFrom(ResultList, true);
    table.push_back({"Large:   Ctrl+Shift+C on those rows (ms): a copy, or a beep when memory is short",
                     Format("%.0f", NowMs() - copyStart), copied ? "copied" : "beeped", "-", "-", "-", "-"});
}
