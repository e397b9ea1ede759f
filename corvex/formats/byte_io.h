// Little-endian writing and bounds-checked reading of the control's binary formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvex::formats {

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) { u8(static_cast<std::uint8_t>(v)); u8(static_cast<std::uint8_t>(v >> 8)); }
    void u32(std::uint32_t v) { u16(static_cast<std::uint16_t>(v)); u16(static_cast<std::uint16_t>(v >> 16)); }
    void raw(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void patchU32(std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) bytes_[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
    }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads never go past the end; a read that would sets failed() and yields zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t u8() { return has(1) ? data_[pos_++] : fail(); }
    std::uint16_t u16() {
        if (!has(2)) return fail();
        std::uint16_t v = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return v;
    }
    std::uint32_t u32() {
        if (!has(4)) return fail();
        std::uint32_t v = 0;
        for (int k = 3; k >= 0; --k) v = v << 8 | data_[pos_ + k];
        pos_ += 4;
        return v;
    }
    std::string raw(std::size_t length) {
        if (!has(length)) return fail(), std::string();
        std::string s(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return s;
    }
    bool failed() const { return failed_; }
    std::size_t remaining() const { return size_ - pos_; }

private:
    bool has(std::size_t n) const { return !failed_ && size_ - pos_ >= n; }
    std::uint8_t fail() { failed_ = true; return 0; }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// Every blob starts with four magic bytes and its own total size (32-bit, header
// included). From a bare pointer this reads the magic byte by byte, stopping at the
// first wrong one, then the size, and returns it when it lies in [minSize, maxSize];
// otherwise 0. At most 8 bytes are read.
std::size_t declaredBlobSize(const void* data, const char (&magic)[5], std::size_t minSize,
                             std::size_t maxSize);

} // namespace corvex::formats
