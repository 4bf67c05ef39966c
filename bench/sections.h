#pragma once
// The benchmark's sections; each adds its lines to the results table.
#include <vector>

#include "bench/bench_figures.h"

// Ostrevo.exe against the bare window, from process creation to the painted window; LoadCatalogue
// and the other start-up steps timed inside a probe that runs them.
void StartUpBench(int runs, std::vector<TableRow>& table);

// The rest runs in this process, on the real main window made by the real start-up.
void QueryBench(int runs, std::vector<TableRow>& table);
void ScaleBench(std::vector<TableRow>& table);
// Leaves the list full: the process must end without clearing it.
void LargeBench(std::vector<TableRow>& table);
void MemoryBench(int queries, std::vector<TableRow>& table);
