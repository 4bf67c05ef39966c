// Start-up: from just before CreateProcess until the main window is visible, answers in its loop,
// has both trees filled and nothing left to paint. Two floors: a bare window of the same style and
// size built with the same toolchain, and floor (b), the same window as Ostrevo's built with the
// platform alone (bench/floor_window.cpp). Runs alternate between the programs and the probes.
#include <cstdio>
#include <string>

#include "bench/launch.h"
#include "bench/sections.h"

namespace {

constexpr int ProbeParts = 15;
constexpr int CatalogueParts = 5;
constexpr int ProbePaints = 11;  // the whole window painted as the program paints it, then three parts left out
constexpr int FloorParts = 6;

// The probe's figures for one run: loader, preparation, font set-up, window, controls,
// LoadCatalogue, first paint, the whole window painted again, three controls painted again alone,
// and the four kinds of paint of the whole window. With the floor's probe: preparation, font
// set-up, window (shown), controls, trees filled, first paint.
bool RunProbe(const std::string& program, const char* before, int count, double* parts) {
    char directory[MAX_PATH];
    char file[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    GetTempFileNameA(directory, "ost", 0, file);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + program + "\" " + before + file;
    bool read = false;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (FILE* in = std::fopen(file, "r")) {
            read = true;
            for (int i = 0; i < count; ++i) read = read && std::fscanf(in, "%lf", &parts[i]) == 1;
            std::fclose(in);
        }
    }
    DeleteFileA(file);
    return read;
}

}  // namespace

void StartUpBench(int runs, std::vector<TableRow>& table) {
    std::vector<double> program, floor, floorShownFirst, bare, linked, parts[ProbeParts], floorParts[FloorParts];
    int badExits = 0;
    int failures = 0;
    struct Started {
        const char* program;
        const char* arguments;
        std::vector<double>* times;
    };
    const Started started[5] = {{OSTREVO_EXE, "", &program},
                                {OSTREVO_FLOOR_EXE, "", &floor},
                                {OSTREVO_FLOOR_EXE, "show-first", &floorShownFirst},
                                {OSTREVO_BARE_EXE, "", &bare},
                                {OSTREVO_BARE_LINKED_EXE, "", &linked}};
    constexpr int Kinds = 7;  // the five programs, then the two probes
    // Each run's Ostrevo against the floor (b) of the same run, started moments apart: the load of
    // a shared machine changes less between the two than over the whole benchmark.
    std::vector<double> paired;
    // One start of each first, not counted: the files are in the system's cache afterwards.
    for (int r = -1; r < runs; ++r) {
        double roundTimes[2] = {0, 0};
        // One probe run; its parts are kept from the counted rounds on.
        const auto probe = [&](const char* probeExe, const char* arguments, int count, std::vector<double>* into) {
            double part[ProbeParts];
            if (!RunProbe(probeExe, arguments, count, part)) ++failures;
            else if (r >= 0)
                for (int i = 0; i < count; ++i) into[i].push_back(part[i]);
        };
        static_assert(FloorParts <= ProbeParts, "one buffer holds either probe's parts");
        for (int k = 0; k < Kinds; ++k) {
            const int which = (r + Kinds + k) % Kinds;
            if (which == 5) {
                probe(OSTREVO_PROBE_EXE, "", ProbeParts, parts);
                continue;
            }
            if (which == 6) {
                // Shown first, as the program's probe shows it, so that the steps compare.
                probe(OSTREVO_FLOOR_EXE, "show-first ", FloorParts, floorParts);
                continue;
            }
            Launched launched;
            // Both Ostrevo and floor (b) are ready only with their trees filled.
            if (!LaunchUntilPainted(started[which].program, started[which].arguments, which <= 2, launched)) {
                ++failures;
                continue;
            }
            if (r >= 0) started[which].times->push_back(launched.readyMs);
            if (which < 2) roundTimes[which] = launched.readyMs;
            if (CloseLaunched(launched) != 0) ++badExits;
        }
        if (r >= 0 && roundTimes[0] > 0 && roundTimes[1] > 0) paired.push_back(roundTimes[0] / roundTimes[1]);
        std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");

    const Spread p = SpreadOf(program);
    const Spread f = SpreadOf(floor);
    const double toFloor = p.median / f.median;
    table.push_back({Format("Start-up: process creation to window shown, trees filled, painted (ms, %d runs) vs floor "
                            "(b): the same window built with the platform alone",
                            runs),
                     Format("%.0f", p.median), Format("%.0f (floor (b))", f.median), Format("%.3f", toFloor), "<= 1.05",
                     toFloor <= 1.05 ? "yes" : "no", Format("%.0f %% / %.0f %%", NoisePercent(p), NoisePercent(f))});

    const Spread pr = SpreadOf(paired);
    table.push_back({"  the same, run by run: the median of each run's ratio to the floor (b) started next to it "
                     "(ratio's quartiles as noise)",
                     "-", "-", Format("%.3f", pr.median), "-", "-", Format("%.3f - %.3f", pr.low, pr.high)});

    // Where the rest goes: each of the program's own parts of start-up against what floor (b) does
    // for the same step, in milliseconds.
    Spread s[ProbeParts];
    for (int i = 0; i < ProbeParts; ++i) s[i] = SpreadOf(parts[i]);
    Spread fs[FloorParts];
    for (int i = 0; i < FloorParts; ++i) fs[i] = SpreadOf(floorParts[i]);
    const Spread shownFirst = SpreadOf(floorShownFirst);
    const double beyond = p.median - f.median;
    table.push_back({"  Ostrevo beyond floor (b) (ms), made up as in the rows below", Format("%.1f", beyond), "-",
                     Format("%.1f %%", beyond * 100.0 / f.median), "-", "-", "-"});
    double itemised = 0;
    auto part = [&](const std::string& what, double ms, const std::string& against, double noise) {
        itemised += ms;
        table.push_back({"    " + what, Format("%+.1f", ms), against, Format("%.1f %%", ms * 100.0 / f.median), "-", "-",
                         Format("%.0f %%", noise)});
    };
    part("the window shown before its controls (floor (b) shown first, less floor (b))", shownFirst.median - f.median,
         Format("%.0f (shown first)", shownFirst.median), NoisePercent(shownFirst));
    // The program's probe step against the floor's probe step: window, controls, trees, first paint.
    const int programStep[4] = {3, 4, CatalogueParts, 6};
    const int floorStep[4] = {2, 3, 4, 5};
    const char* stepNames[4] = {"main window (class, accelerators, shown) beyond the floor's (probes)",
                                "seven controls beyond the floor's (style check, subclassing, pages, rows) (probes)",
                                "LoadCatalogue beyond the floor's filling of the trees (shape, colours) (probes)",
                                "first paint beyond the floor's (probes), made of these and the rest:"};
    for (int i = 0; i < 4; ++i)
        part(stepNames[i], s[programStep[i]].median - fs[floorStep[i]].median,
             Format("%.1f vs %.1f", s[programStep[i]].median, fs[floorStep[i]].median), NoisePercent(s[programStep[i]]));
    itemised -= s[6].median - fs[5].median;  // the first paint is itemised again below
    const char* paintNames[3] = {"the pages' background (the tab control printed into the page on show)",
                                 "the trees' custom draw (headings in HeadingColour)",
                                 "the list's custom draw and grid lines"};
    for (int i = 0; i < 3; ++i) {
        const Spread full = s[ProbePaints];
        const Spread without = s[ProbePaints + 1 + i];
        part(Format("  %s, per paint of the whole window (probe: painted with it, less without it)", paintNames[i]),
             full.median - without.median, Format("%.1f vs %.1f", full.median, without.median), NoisePercent(full));
    }
    table.push_back({"    the rest: loader, event loop's first pass and what the probes do not separate (ms)",
                     Format("%+.1f", beyond - itemised), "-", Format("%.1f %%", (beyond - itemised) * 100.0 / f.median),
                     "-", "-", "-"});

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
                                     "then the page on show painted again alone",
                                     "then the ResultList painted again alone",
                                     "the whole window painted again (median of 9)",
                                     "the same without the pages' background",
                                     "the same without the trees' custom draw",
                                     "the same without the list's custom draw and grid lines"};
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
