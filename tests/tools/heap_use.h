// How much of the process's heaps is in use, for the checks that memory does not grow.
#pragma once

// Bytes in busy blocks of every heap of the process.
double HeapBytesInUse();
