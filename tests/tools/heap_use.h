// How much of the process's heaps is in use, for the checks that memory does not grow.
#pragma once

// Bytes in busy blocks of every heap of the process. Wine lists each group of blocks that a heap in
// its low-fragmentation form keeps as one busy block, used or not; with leaveOutGrouped, such heaps
// are left out (and counted in groupedHeaps).
double HeapBytesInUse(bool leaveOutGrouped = false, int* groupedHeaps = nullptr);

// Blocks that the program's code has allocated with operator new and not yet freed: counted only in
// a test program linked with program_blocks.cpp, which can also make the nth block asked for from
// now on fail with std::bad_alloc (0: none); ProgramBlockFailed then tells whether it came.
long ProgramBlocksInUse();
void FailProgramBlock(long nth);
bool ProgramBlockFailed();
