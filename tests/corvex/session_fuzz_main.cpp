// libFuzzer entry point of the edit-session driver (built only with clang's
// -fsanitize=fuzzer; see native.cmake).
#include "session_fuzz.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failed = corvex_fuzz::fuzzSession(data, size);
    if (!failed.empty()) {
        std::fprintf(stderr, "edit session fuzz: %s\n", failed.c_str());
        std::abort();
    }
    return 0;
}
