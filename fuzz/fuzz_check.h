#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the run with the broken rule named; libFuzzer then keeps the input that broke it.
inline void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}
