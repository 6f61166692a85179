// What the fuzz targets hold the program to. A broken promise aborts with its
// reason, which libFuzzer reports as a finding together with the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace rdo::fuzz {

inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "Broken promise: %s\n", what);
        std::abort();
    }
}

}  // namespace rdo::fuzz
