// startup_probe FILE: runs the program's start-up steps, as StartUp runs them, with a clock around
// each, waits for the first paint, writes the figures to FILE and ends. Bench only: the program
// itself reads no arguments and writes nothing.
//
// FILE gets one line, in milliseconds: process creation to WinMain, the thread's preparation
// (common controls, COM, stock resources), the main window, the controls, LoadCatalogue, and the
// first paint.
#include <windows.h>

#include <cstdio>

#include "bench/bench_figures.h"
#include "catalogue/load_catalogue.h"
#include "ui/control_creation.h"
#include "ui/main_window.h"
#include "ui/startup.h"
#include "ui/window_state.h"

namespace {

// Milliseconds from the creation of this process until now, on the system clock.
double SinceProcessCreation() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const double loader = SinceProcessCreation();
    double t = NowMs();
    auto lap = [&t] {
        const double now = NowMs();
        const double elapsed = now - t;
        t = now;
        return elapsed;
    };
    PrepareUserInterfaceThread(instance);
    const double prepare = lap();
    if (!CreateMainWindow()) return 1;
    const double window = lap();
    CreateControls();
    const double controls = lap();
    LoadCatalogue();
    const double catalogue = lap();
    PumpUntilPainted(Window().main);
    const double paint = lap();

    if (FILE* out = std::fopen(commandLine, "w")) {
        std::fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f\n", loader, prepare, window, controls, catalogue, paint);
        std::fclose(out);
    }
    ShutDown();
    return 0;
}
