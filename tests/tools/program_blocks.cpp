// The program's own blocks, counted where every C++ allocation of the program is made: a test
// program linked with this file replaces the global operator new and delete (the C++ library's
// array forms call these). BSTRs, SAFEARRAYs, clipboard blocks and COM objects come from the
// platform's allocators, and are not counted here. Unlike a walk of the heaps, the count does not
// depend on how a heap groups and keeps its blocks. The same place can make a block fail, as when
// memory has run out.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/tools/heap_use.h"

namespace {
std::atomic<long> live{0};
std::atomic<long> toFail{0};  // blocks to go until the one that fails; 0: none
}

long ProgramBlocksInUse() { return live; }

void FailProgramBlock(long nth) { toFail = nth; }

bool ProgramBlockFailed() { return toFail == 0; }

void* operator new(std::size_t size) {
    if (toFail > 0) {
        if (--toFail == 0) throw std::bad_alloc();
    }
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
