#pragma once
// Timing, medians and the one table the benchmark prints.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/tools/window_search.h"

// Milliseconds on the performance counter.
double NowMs();

struct Spread {
    double median = 0;
    double low = 0;   // first quartile
    double high = 0;  // third quartile
    double min = 0;
    double max = 0;
};
Spread SpreadOf(std::vector<double> values);
// The interquartile range as a share of the median, in per cent: how noisy a figure is.
double NoisePercent(const Spread& spread);

bool RunningUnderWine();

// Handles every message waiting for this thread, paint included, until nothing is left to paint.
void PumpUntilPainted(HWND window);

// One line of the results table.
struct TableRow {
    std::string figure;
    std::string measured;
    std::string baseline;
    std::string ratio;
    std::string target;
    std::string met;   // "yes", "no" or "-"
    std::string noise; // spread of the runs
};
void PrintTable(const std::vector<TableRow>& rows);

std::string Format(const char* format, ...);
