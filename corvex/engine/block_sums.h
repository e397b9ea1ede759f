// Running totals over a sequence of counts (a Fenwick tree): the total of the first i
// counts, a change of one count, and the count that holds a given total, each in
// O(log n). Built in O(n).
#pragma once

#include <cstddef>
#include <vector>

namespace corvex {

class BlockSums {
public:
    // Counts taken from count(i) for i in [0, n).
    template <class Count>
    void build(std::size_t n, Count count) {
        tree_.assign(n + 1, 0);
        for (std::size_t i = 1; i <= n; ++i) {
            tree_[i] += count(i - 1);
            const std::size_t up = i + (i & (0 - i));
            if (up <= n) tree_[up] += tree_[i];
        }
    }
    std::size_t size() const { return tree_.empty() ? 0 : tree_.size() - 1; }

    // Adds `delta` (which may wrap round as a negative change) to count i.
    void add(std::size_t i, std::size_t delta) {
        for (std::size_t k = i + 1; k < tree_.size(); k += k & (0 - k)) tree_[k] += delta;
    }
    // The total of counts [0, i).
    std::size_t prefix(std::size_t i) const {
        std::size_t total = 0;
        for (std::size_t k = i; k > 0; k -= k & (0 - k)) total += tree_[k];
        return total;
    }
    // The number of leading counts whose total is <= value, and that total: the index of
    // the count in which `value` falls and where that count starts.
    std::size_t find(std::size_t value, std::size_t& before) const {
        std::size_t pos = 0, rest = value, step = 1;
        const std::size_t n = size();
        while (step * 2 <= n) step *= 2;
        for (; step; step /= 2) {
            if (pos + step <= n && tree_[pos + step] <= rest) {
                pos += step;
                rest -= tree_[pos];
            }
        }
        before = value - rest;
        return pos;
    }

    std::size_t memoryBytes() const { return tree_.capacity() * sizeof(std::size_t); }

private:
    std::vector<std::size_t> tree_;
};

} // namespace corvex
