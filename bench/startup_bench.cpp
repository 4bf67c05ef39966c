// Start-up: from just before CreateProcess until the main window is visible, answers in its loop,
// has both trees filled and nothing left to paint. The floor is a bare window of the same style
// and size built with the same toolchain. Runs alternate between the two programs.
#include <cstdio>
#include <string>

#include "bench/launch.h"
#include "bench/sections.h"

namespace {

constexpr int ProbeParts = 11;
constexpr int CatalogueParts = 5;

// The probe's figures for one run: loader, preparation, font set-up, window, controls,
// LoadCatalogue, first paint, the whole window painted again, and three controls painted again
// alone.
bool RunProbe(double parts[ProbeParts]) {
    char directory[MAX_PATH];
    char file[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    GetTempFileNameA(directory, "ost", 0, file);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = std::string("\"") + OSTREVO_PROBE_EXE + "\" " + file;
    bool read = false;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (FILE* in = std::fopen(file, "r")) {
            read = true;
            for (int i = 0; i < ProbeParts; ++i) read = read && std::fscanf(in, "%lf", &parts[i]) == 1;
            std::fclose(in);
        }
    }
    DeleteFileA(file);
    return read;
}

}  // namespace

void StartUpBench(int runs, std::vector<TableRow>& table) {
    std::vector<double> program, bare, linked, parts[ProbeParts];
    int badExits = 0;
    int failures = 0;
    const char* programs[3] = {OSTREVO_EXE, OSTREVO_BARE_EXE, OSTREVO_BARE_LINKED_EXE};
    std::vector<double>* times[3] = {&program, &bare, &linked};
    // One start of each first, not counted: the files are in the system's cache afterwards.
    for (int r = -1; r < runs; ++r) {
        for (int k = 0; k < 4; ++k) {
            const int which = (r + 4 + k) % 4;
            if (which == 3) {
                double part[ProbeParts];
                if (!RunProbe(part)) ++failures;
                else if (r >= 0)
                    for (int i = 0; i < ProbeParts; ++i) parts[i].push_back(part[i]);
                continue;
            }
            Launched launched;
            if (!LaunchUntilPainted(programs[which], "", which == 0, launched)) {
                ++failures;
                continue;
            }
            if (r >= 0) times[which]->push_back(launched.readyMs);
            if (CloseLaunched(launched) != 0) ++badExits;
        }
        std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");

    const Spread p = SpreadOf(program);
    const Spread b = SpreadOf(bare);
    const double ratio = p.median / b.median;
    table.push_back({Format("Start-up: process creation to window shown, trees filled, painted (ms, %d runs)", runs),
                     Format("%.0f", p.median), Format("%.0f (bare window)", b.median), Format("%.2f", ratio),
                     "<= 1.15", ratio <= 1.15 ? "yes" : "no",
                     Format("%.0f %% / %.0f %%", NoisePercent(p), NoisePercent(b))});
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    if (GetFileAttributesExA(OSTREVO_EXE, GetFileExInfoStandard, &file))
        table.push_back({"  the size of Ostrevo.exe, as it ships (bytes)", Format("%lu", file.nFileSizeLow), "-", "-", "-",
                         "-", "-"});
    const Spread l = SpreadOf(linked);
    table.push_back({"  the bare window with Ostrevo's manifest, libraries and thread preparation (ms)",
                     Format("%.0f", l.median), Format("%.0f (bare window)", b.median), Format("%.2f", l.median / b.median),
                     "-", "-", Format("%.0f %%", NoisePercent(l))});

    const char* names[ProbeParts] = {"loader and runtime, to WinMain",
                                     "common controls, COM, stock objects",
                                     "the platform's font set-up (a first text measured in DEFAULT_GUI_FONT)",
                                     "main window",
                                     "seven controls",
                                     "LoadCatalogue (924 items, 40 colours)",
                                     "first paint",
                                     "the whole window painted again, everything warm",
                                     "then the ViewTabs painted again alone",
                                     "then the page on show painted again alone (its background: the tabs printed into it)",
                                     "then the ResultList painted again alone"};
    Spread s[ProbeParts];
    for (int i = 0; i < ProbeParts; ++i) s[i] = SpreadOf(parts[i]);
    const double share = s[CatalogueParts].median * 100.0 / p.median;
    table.push_back({"LoadCatalogue inside start-up (ms, share of the start-up above)", Format("%.1f", s[CatalogueParts].median),
                     Format("%.0f", p.median), Format("%.1f %%", share), "< 5 %", share < 5 ? "yes" : "no",
                     Format("%.0f %%", NoisePercent(s[CatalogueParts]))});
    for (int i = 0; i < ProbeParts; ++i) {
        if (i == CatalogueParts) continue;
        table.push_back({Format("  start-up step in the probe: %s (ms)", names[i]), Format("%.1f", s[i].median), "-",
                         "-", "-", "-", Format("%.0f %%", NoisePercent(s[i]))});
    }
    if (badExits != 0 || failures != 0)
        table.push_back({"Start-up runs that failed or did not exit with 0", Format("%d / %d", failures, badExits), "-",
                         "-", "0", "no", "-"});
}
