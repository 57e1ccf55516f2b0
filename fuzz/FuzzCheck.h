#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run as a sanitizer report does: libFuzzer keeps
// the input as a crash, and a corpus replay fails.
#define FUZZ_CHECK(bedingung)                                                                                \
    do {                                                                                                     \
        if (!(bedingung)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #bedingung);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
