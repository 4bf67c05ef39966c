#include "tests/tools/heap_use.h"

#include <windows.h>

double HeapBytesInUse(bool leaveOutGrouped, int* groupedHeaps) {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    double bytes = 0;
    if (groupedHeaps != nullptr) *groupedHeaps = 0;
    for (DWORD h = 0; h < count && h < 256; ++h) {
        ULONG form = 0;
        const ULONG lowFragmentation = 2;
        if (leaveOutGrouped &&
            HeapQueryInformation(heaps[h], HeapCompatibilityInformation, &form, sizeof form, nullptr) &&
            form == lowFragmentation) {
            if (groupedHeaps != nullptr) ++*groupedHeaps;
            continue;
        }
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return bytes;
}
