#pragma once
// A property that must hold for every input: when it does not, the fuzzer
// stops on this input and keeps it as a crash file.

#include <cstdio>
#include <cstdlib>

#define ZRK_REQUIRE(condition)                                                              \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)
