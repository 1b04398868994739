// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <cstdio>
#include <cstdlib>

// The fuzzers run with the assertions of the code they reach.
#ifdef NDEBUG
#error "fuzz targets are built with assertions on (-UNDEBUG)"
#endif

// A broken promise of a reader or writer: report it and stop, so libFuzzer
// keeps the input that shows it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
