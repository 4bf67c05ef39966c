#pragma once
// Counts the blocks of the COM task allocator (which also holds every BSTR and SAFEARRAY once
// the BSTR cache is off) that are allocated and not yet freed while the spy watches.

// Turns the BSTR cache off and starts watching. False when the platform refused the spy.
bool StartWatchingAllocations();
// Blocks allocated since the start and still not freed.
int LiveAllocations();
// The number of blocks allocated since the start, freed or not.
int AllocationsSeen();
void StopWatchingAllocations();
