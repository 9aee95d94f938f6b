#pragma once

// What every fuzz target shares: the entry point libFuzzer calls with each
// input, and the check that stops the run when a property of the engine
// does not hold (a finding, like a crash).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace dravik::fuzz {

inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace dravik::fuzz
