// What a fuzz target does when a property it checks does not hold: says which, then stops the run,
// so that libFuzzer keeps the input as a crash to reproduce.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tavrik {

inline void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken invariant: %s\n", what);
    std::abort();
}

} // namespace tavrik
