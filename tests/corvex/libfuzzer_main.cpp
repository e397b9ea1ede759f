// libFuzzer entry point (built only with clang's -fsanitize=fuzzer; see native.cmake).
#include "engine_fuzz.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string err = corvex_fuzz::fuzzOne(data, size);
    if (!err.empty()) {
        std::fprintf(stderr, "corvex engine fuzz: %s\n", err.c_str());
        std::abort();
    }
    return 0;
}
