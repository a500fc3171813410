// Invariant checks of the fuzz targets: a broken one names itself and stops the
// program, which libFuzzer reports as a crash and keeps the input for.
#pragma once

#include <cstdio>

#define TESH_FUZZ_CHECK(condition)                                                       \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                            \
        }                                                                                \
    } while (0)
