#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of a reader or writer: report it and stop, so libFuzzer
// keeps the input that shows it.
#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)
