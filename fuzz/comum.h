// What every fuzz target shares: a failed expectation is a crash libFuzzer can keep, and
// the game's console messages are silenced (they cost more than the code under test).
#pragma once
#include <cstdio>
#include <cstdlib>

// Not assert(): the libraries are built with NDEBUG in some builds and the checks must stay.
#define exige(condicao, ...)                                                   \
    do {                                                                       \
        if (!(condicao)) {                                                     \
            std::fprintf(stderr, "%s:%d: expected %s: ", __FILE__, __LINE__,   \
                         #condicao);                                           \
            std::fprintf(stderr, __VA_ARGS__);                                 \
            std::fputc('\n', stderr);                                          \
            std::abort();                                                      \
        }                                                                      \
    } while (0)

inline void silenciaConsola() {
    if (!std::getenv("CANTOS_FUZZ_VERBOSE")) {
        std::fflush(stdout);
        if (!std::freopen("/dev/null", "w", stdout)) std::fprintf(stderr, "stdout stays open\n");
    }
}
