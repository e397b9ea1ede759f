// One fuzzing step over the skin's value parsers, the key-table walker and the frame
// geometry fed from what the walker produced. Shared by the bounded random test and the
// libFuzzer target.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skin::testing {

void FuzzSkinInput(const std::uint8_t* data, std::size_t size);

}  // namespace skin::testing
