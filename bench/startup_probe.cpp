// startup_probe FILE: runs the program's start-up steps, as StartUp runs them, with a clock around
// each, waits for the first paint, writes the figures to FILE and ends. Bench only: the program
// itself reads no arguments and writes nothing.
//
// FILE gets one line, in milliseconds: process creation to WinMain, the thread's preparation
// (common controls, COM, stock resources), the platform's font set-up (measured apart, since the
// first text drawn or measured in a process pays for it), the main window, the controls,
// LoadCatalogue, the first paint, and a second paint of the whole window: what is left of the first
// paint once every code path and glyph has been used once. Then three controls painted again alone:
// the ViewTabs, the page on show (its background is the tab control printed into it) and the
// ResultList.
#include <windows.h>

#include <cstdio>

#include "bench/bench_figures.h"
#include "catalogue/load_catalogue.h"
#include "ui/control_creation.h"
#include "ui/controls.h"
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

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): the platform header names its own
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
    {
        const HDC screen = GetDC(nullptr);
        const HGDIOBJ previous = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
        SIZE size;
        GetTextExtentPoint32A(screen, "Ostrevo", 7, &size);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
    }
    const double font = lap();
    if (!CreateMainWindow()) return 1;
    const double window = lap();
    CreateControls();
    const double controls = lap();
    LoadCatalogue();
    const double catalogue = lap();
    PumpUntilPainted(Window().main);
    const double paint = lap();
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    PumpUntilPainted(Window().main);
    const double repaint = lap();
    const HWND alone[3] = {Control(ViewTabs), GetParent(Control(HierarchyTree)), Control(ResultList)};
    double aloneMs[3];
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(alone[i], nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        aloneMs[i] = lap();
    }

    if (FILE* out = std::fopen(commandLine, "w")) {
        std::fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f\n", loader, prepare, font, window,
                     controls, catalogue, paint, repaint, aloneMs[0], aloneMs[1], aloneMs[2]);
        std::fclose(out);
    }
    ShutDown();
    return 0;
}
