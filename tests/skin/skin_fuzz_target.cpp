// libFuzzer entry point for the skin fuzz driver.
#include <cstddef>
#include <cstdint>

#include "tests/skin/skin_fuzz_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skin::testing::FuzzSkinInput(data, size);
    return 0;
}
