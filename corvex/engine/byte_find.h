// The first occurrence of a byte (or of either of two), eight bytes at a time. The C
// runtime's memchr is fast on some systems and a byte-by-byte loop on others; reading a
// file and indexing its lines look at every line end of it, so their speed should not
// depend on which one the program gets.
#pragma once

#include <cstdint>
#include <cstring>

namespace corvex {

namespace byte_find_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;

// The high bit of each byte of `word` equal to `byte`; the lowest one marked is exact
// (a borrow runs only upwards, so marks above a true one may be false).
inline std::uint64_t marks(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighs;
}

inline unsigned lowestByte(std::uint64_t marks) {
#if defined(__GNUC__) || defined(__clang__)
    return static_cast<unsigned>(__builtin_ctzll(marks)) >> 3;
#else
    unsigned k = 0;
    while (!(marks & 0x80)) marks >>= 8, ++k;
    return k;
#endif
}

} // namespace byte_find_detail

// The first `a` or `b` in [p, end), or null.
inline const char* FindEitherByte(const char* p, const char* end, char a, char b) {
    using namespace byte_find_detail;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if (const std::uint64_t m = marks(word, static_cast<unsigned char>(a)) | marks(word, static_cast<unsigned char>(b)))
            return p + lowestByte(m);
        p += 8;
    }
    for (; p < end; ++p)
        if (*p == a || *p == b) return p;
    return nullptr;
}

// The first `c` in [p, end), or null.
inline const char* FindByte(const char* p, const char* end, char c) { return FindEitherByte(p, end, c, c); }

} // namespace corvex
