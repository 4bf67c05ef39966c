// The program's own blocks, counted where every one of them is made: a test program linked with
// this file replaces the global operator new and delete, which all of the program's code calls
// (the C++ library's array forms call these). Unlike a walk of the heaps, the count does not
// depend on how a heap groups and keeps its blocks.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/tools/heap_use.h"

namespace {
std::atomic<long> live{0};
}

long ProgramBlocksInUse() { return live; }

void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) throw std::bad_alloc();
    ++live;
    return block;
}
void operator delete(void* block) noexcept {
    if (block == nullptr) return;
    --live;
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { ::operator delete(block); }
