// Fuzz drivers of the Corvex engine, shared by the bounded GoogleTest runs and the
// libFuzzer target. Each returns "" when every check held, else what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvex_fuzz {

// Interprets the bytes as a sequence of edits, undos, redos, save points... applied to
// a TextDocument and to a naive std::string model, comparing them throughout.
std::string fuzzEdits(const std::uint8_t* data, std::size_t size);
// Decodes the bytes as a file and checks the round-trip properties of the codec.
std::string fuzzCodec(const std::uint8_t* data, std::size_t size);
// The first byte picks one of the two.
std::string fuzzOne(const std::uint8_t* data, std::size_t size);

} // namespace corvex_fuzz
