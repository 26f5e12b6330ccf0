#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the run on a broken promise. abort() is what libFuzzer takes for a
// crash: it keeps the input that did it and fails the run.
#define FUZZ_CHECK(condition, what)                                                         \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: broken: %s (%s)\n", __FILE__, __LINE__, what, #condition); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)
