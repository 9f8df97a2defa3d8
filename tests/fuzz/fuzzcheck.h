#pragma once
// What the fuzz targets share: a property of the game that must hold for any
// input; when it breaks, the run ends with the property named, and libFuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "FUZZ CHECK failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
