// Sessions as the session player reads them (tests/support/Script.cpp), grown from those of
// tests/sessions; the player checks the program's promises after every action.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken =
        rdo::test::playScript(std::string(reinterpret_cast<const char*>(data), size), true);
    if (!broken.empty()) {
        std::fprintf(stderr, "%s", broken.c_str());
        std::abort();
    }
    return 0;
}
