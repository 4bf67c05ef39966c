#include "bench/bench_figures.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

namespace {

// Linear interpolation between the two nearest ranks of the sorted values.
double Quantile(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return 0;
    const double position = q * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    Spread spread;
    if (values.empty()) return spread;
    spread.median = Quantile(values, 0.5);
    spread.low = Quantile(values, 0.25);
    spread.high = Quantile(values, 0.75);
    spread.min = values.front();
    spread.max = values.back();
    return spread;
}

double NoisePercent(const Spread& spread) {
    return spread.median > 0 ? (spread.high - spread.low) * 100.0 / spread.median : 0;
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void PumpUntilPainted(HWND window) {
    for (int round = 0; round < 1000; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!WaitsForPaint(window)) return;
    }
}

std::string Format(const char* format, ...) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

void PrintTable(const std::vector<TableRow>& rows) {
    std::printf("| Figure | Ostrevo | Baseline | Ratio | Target | Met | Noise |\n");
    std::printf("|---|---:|---:|---:|---|---|---:|\n");
    for (const TableRow& row : rows)
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.measured.c_str(),
                    row.baseline.c_str(), row.ratio.c_str(), row.target.c_str(), row.met.c_str(), row.noise.c_str());
    std::fflush(stdout);
}
