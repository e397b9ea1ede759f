#include "corvex/formats/byte_io.h"

namespace corvex::formats {

std::size_t declaredBlobSize(const void* data, const char (&magic)[5], std::size_t minSize,
                             std::size_t maxSize) {
    if (!data) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (int k = 0; k < 4; ++k)
        if (bytes[k] != static_cast<std::uint8_t>(magic[k])) return 0;
    ByteReader reader(bytes + 4, 4);
    std::size_t size = reader.u32();
    return size >= minSize && size <= maxSize ? size : 0;
}

} // namespace corvex::formats
