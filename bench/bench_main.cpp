// ostrevo_bench [SECTIONS] [RUNS]: prints the benchmark's one table. SECTIONS is any of the letters
// s (start-up), q (queries), r (scale: rows), m (memory), l (large: rows until the list refuses
// one, last); all by default. RUNS is the number of runs per figure (default 31: on a shared
// machine the medians need many runs). Run it under Wine on a screen; scripts/bench does.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/sections.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
    const std::string sections = argc > 1 ? argv[1] : "sqrml";
    const int runs = argc > 2 ? std::max(3, std::atoi(argv[2])) : 31;
    std::vector<TableRow> table;
    // Start-up first, while this process has no window of its own.
    if (sections.find('s') != std::string::npos) {
        std::fprintf(stderr, "start-up ");
        StartUpBench(runs, table);
    }
    if (sections.find_first_of("qrml") != std::string::npos) {
        if (!StartUp(GetModuleHandleA(nullptr))) {
            std::fprintf(stderr, "ostrevo_bench: the main window could not be made (error %lu)\n", GetLastError());
            return 1;
        }
        if (sections.find('q') != std::string::npos) {
            std::fprintf(stderr, "queries\n");
            QueryBench(runs, table);
        }
        if (sections.find('r') != std::string::npos) {
            std::fprintf(stderr, "scale\n");
            ScaleBench(table);
        }
        if (sections.find('m') != std::string::npos) {
            std::fprintf(stderr, "memory\n");
            MemoryBench(1000, table);
        }
        if (sections.find('l') != std::string::npos) {
            std::fprintf(stderr, "large\n");
            LargeBench(table);
            // The list keeps its millions of rows: Wine would take hours to clear them as the window goes.
            PrintTable(table);
            std::fflush(stdout);
            ExitProcess(0);
        }
        ShutDown();
    }
    PrintTable(table);
    return 0;
}
