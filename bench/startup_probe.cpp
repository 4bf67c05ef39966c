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
// ResultList. Then the whole window painted again, alternately as the program paints it and with
// one of its own parts of the painting taken out (the pages' background, the trees' custom draw,
// the list's custom draw with its grid lines), each the median of several paints: what that part
// costs a paint.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_figures.h"
#include "catalogue/load_catalogue.h"
#include "ui/control_creation.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/pages.h"
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

// The part of the program's painting that the probe takes out, if any.
enum Leave { LeaveNothing, LeavePageBackground, LeaveTreeDraw, LeaveListDraw, LeaveCount };
Leave leave = LeaveNothing;
WNDPROC programContainerProc = nullptr;
WNDPROC staticProc = nullptr;  // a page container's class procedure, before the program replaces it

bool IsCustomDraw(LPARAM lParam) {
    return lParam != 0 && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(NM_CUSTOMDRAW);
}

LRESULT CALLBACK ProbeContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (leave == LeavePageBackground && (message == WM_ERASEBKGND || message == WM_PRINTCLIENT || message == WM_PAINT))
        return CallWindowProcA(staticProc, window, message, wParam, lParam);
    if (leave == LeaveTreeDraw && message == WM_NOTIFY && IsCustomDraw(lParam)) return CDRF_DODEFAULT;
    return CallWindowProcA(programContainerProc, window, message, wParam, lParam);
}

LRESULT CALLBACK ProbeMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (leave == LeaveListDraw && message == WM_NOTIFY && IsCustomDraw(lParam)) return CDRF_DODEFAULT;
    return MainWindowProc(window, message, wParam, lParam);
}

double PaintAgain(Leave part) {
    leave = part;
    const double start = NowMs();
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    PumpUntilPainted(Window().main);
    return NowMs() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
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

    // A page container's procedure before the program's: that of any new static.
    const HWND plain = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD, 0, 0, 0, 0, Window().main, nullptr, instance,
                                       nullptr);
    staticProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(plain, GWLP_WNDPROC));
    DestroyWindow(plain);
    for (int tab = 0; tab < 3; ++tab)
        programContainerProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(PageContainer(tab), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeContainerProc)));
    SetWindowLongPtrA(Window().main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeMainProc));
    std::vector<double> paints[LeaveCount];
    for (int round = 0; round < 9; ++round)
        for (int k = 0; k < LeaveCount; ++k) {
            const int part = (k + round) % LeaveCount;
            paints[part].push_back(PaintAgain(static_cast<Leave>(part)));
        }
    leave = LeaveNothing;

    if (FILE* out = std::fopen(commandLine, "w")) {
        std::fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f %.3f", loader, prepare, font, window,
                     controls, catalogue, paint, repaint, aloneMs[0], aloneMs[1], aloneMs[2]);
        for (const std::vector<double>& times : paints) std::fprintf(out, " %.3f", Median(times));
        std::fprintf(out, "\n");
        std::fclose(out);
    }
    ShutDown();
    return 0;
}
