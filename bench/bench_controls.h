#pragma once

// Makes and shows the benchmark's window with its result list. False when that fails.
bool MakeBenchWindow();
// Handles every message waiting, paints included.
void PumpBenchMessages();
// How many message boxes the queries asked for.
int BenchMessagesShown();
