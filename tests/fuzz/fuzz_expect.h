#pragma once
// What the fuzz targets check beyond the sanitizers. A broken promise aborts, which libFuzzer
// reports as a crash with its stack and keeps the input that caused it.

#include <cstdlib>

inline void FuzzExpect(bool holds) {
    if (!holds)
        std::abort();
}
