// libFuzzer driver: the macro and hot-key parsers over arbitrary bytes.
#include "tests/corvex-scan/fuzz_checks.h"

#include <cstdlib>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string fault = corvex::test::fuzzFormats(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
