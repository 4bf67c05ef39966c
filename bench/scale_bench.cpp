// Scale: synthetic results of 1,000, 10,000 and 100,000 rows written into the real ResultList as
// RunQuery writes them (AppendRow with the list's redraw suspended), then the growth exponent:
// the slope of log(time) over log(rows).
#include <cmath>
#include <string>

#include "bench/sections.h"
#include "ui/controls.h"
#include "ui/window_state.h"

namespace {

// Rows shaped like a query's: every 18th a separator and a heading, the rest name and value.
std::vector<std::string> SyntheticRows(int count) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (i % 18 == 0) rows.push_back("");
        else if (i % 18 == 1) rows.push_back("Item #" + std::to_string(i / 18 + 1));
        else rows.push_back("Property" + std::to_string(i % 18) + "\nvalue text of row " + std::to_string(i));
    }
    return rows;
}

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
    ClearRows();
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
}
