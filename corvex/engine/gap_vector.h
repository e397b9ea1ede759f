// A gap buffer of trivially copyable elements: a contiguous array with one hole (the
// gap) that sits where the last edit happened. Inserting or erasing at the gap costs
// the edit size; moving the gap costs the distance moved; growth is geometric, so a
// run of edits near one place is amortised O(1) per element whatever the total size.
// Storage is std::vector<T> or std::string (the latter lets a decoded file's string
// become the buffer without a copy).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

namespace corvex {

template <class T, class Storage>
class GapVector {
    static_assert(std::is_trivially_copyable<T>::value, "GapVector holds plain data");

public:
    std::size_t size() const { return store_.size() - (gapEnd_ - gapStart_); }
    std::size_t gapPosition() const { return gapStart_; }
    std::size_t capacity() const { return store_.size(); }

    T get(std::size_t i) const { return i < gapStart_ ? store_[i] : store_[i + (gapEnd_ - gapStart_)]; }
    T& ref(std::size_t i) { return i < gapStart_ ? store_[i] : store_[i + (gapEnd_ - gapStart_)]; }

    // Replace the contents with `data`, whose first `used` elements are the elements and
    // whose remaining size is the gap. The storage is taken over, not copied.
    void adopt(Storage&& data, std::size_t used) {
        store_ = std::move(data);
        gapStart_ = used;
        gapEnd_ = store_.size();
    }

    void clear() {
        Storage empty;
        store_.swap(empty);
        gapStart_ = gapEnd_ = 0;
    }

    // Makes room for `extra` more elements without further reallocation.
    void reserveGap(std::size_t extra) {
        if (gapEnd_ - gapStart_ < extra) grow(extra);
    }

    void moveGap(std::size_t pos) {
        if (pos < gapStart_) {
            const std::size_t n = gapStart_ - pos;
            std::memmove(data() + gapEnd_ - n, data() + pos, n * sizeof(T));
            gapStart_ -= n;
            gapEnd_ -= n;
        } else if (pos > gapStart_) {
            const std::size_t n = pos - gapStart_;
            std::memmove(data() + gapStart_, data() + gapEnd_, n * sizeof(T));
            gapStart_ += n;
            gapEnd_ += n;
        }
    }

    // Inserts `n` elements at the gap (they end up just before it).
    void insertAtGap(const T* src, std::size_t n) {
        reserveGap(n);
        std::memcpy(data() + gapStart_, src, n * sizeof(T));
        gapStart_ += n;
    }
    void pushAtGap(T value) {
        reserveGap(1);
        data()[gapStart_++] = value;
    }
    void insert(std::size_t pos, const T* src, std::size_t n) {
        moveGap(pos);
        insertAtGap(src, n);
    }
    // Removes `n` elements that follow the gap.
    void eraseAfterGap(std::size_t n) { gapEnd_ += n; }
    void erase(std::size_t pos, std::size_t n) {
        moveGap(pos);
        eraseAfterGap(n);
    }

    // Copies elements [pos, pos + n) to `dst`; the range must be valid.
    void copyOut(std::size_t pos, std::size_t n, T* dst) const {
        const T* d = store_.data();
        if (pos < gapStart_) {
            const std::size_t front = std::min(n, gapStart_ - pos);
            std::memcpy(dst, d + pos, front * sizeof(T));
            dst += front;
            pos += front;
            n -= front;
        }
        if (n) std::memcpy(dst, d + pos + (gapEnd_ - gapStart_), n * sizeof(T));
    }

    // The two contiguous halves, for fast scans.
    const T* frontData() const { return store_.data(); }
    std::size_t frontSize() const { return gapStart_; }
    const T* backData() const { return store_.data() + gapEnd_; }
    std::size_t backSize() const { return store_.size() - gapEnd_; }

    std::size_t memoryBytes() const { return store_.capacity() * sizeof(T); }

private:
    T* data() { return store_.data(); }

    void grow(std::size_t extra) {
        const std::size_t used = size();
        const std::size_t minGap = 4096 / sizeof(T) + 16;
        const std::size_t gap = extra + std::max(minGap, used / 8);
        Storage next;
        next.resize(used + gap);
        T* d = next.data();
        const T* s = store_.data();
        if (gapStart_) std::memcpy(d, s, gapStart_ * sizeof(T));
        const std::size_t back = store_.size() - gapEnd_;
        if (back) std::memcpy(d + gapStart_ + gap, s + gapEnd_, back * sizeof(T));
        store_.swap(next);
        gapEnd_ = gapStart_ + gap;
    }

    Storage store_;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

} // namespace corvex
