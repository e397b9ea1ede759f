#include "corvex/engine/text_buffer.h"

#include <algorithm>
#include <cstring>

namespace corvex {

namespace {

// Calls f(offset) for every '\n' in [p, p + n), offsets counted from `base`.
template <class F>
void forEachNewline(const char* p, std::size_t n, std::size_t base, F f) {
    const char* const begin = p;
    const char* const end = p + n;
    while (p < end) {
        const void* hit = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        if (!hit) break;
        const char* q = static_cast<const char*>(hit);
        f(base + static_cast<std::size_t>(q - begin));
        p = q + 1;
    }
}

std::size_t countNewlines(const char* p, std::size_t n) {
    std::size_t count = 0;
    forEachNewline(p, n, 0, [&](std::size_t) { ++count; });
    return count;
}

} // namespace

std::size_t TextBuffer::recommendedGap(std::size_t size) {
    return std::max<std::size_t>(64 * 1024, size / 32);
}

void TextBuffer::assign(std::string_view text) {
    std::string copy;
    copy.reserve(text.size() + recommendedGap(text.size()));
    copy.assign(text.data(), text.size());
    assign(std::move(copy));
}

void TextBuffer::assign(std::string&& text) {
    const std::size_t used = text.size();
    const std::size_t want = used + recommendedGap(used);
    if (text.capacity() < want) text.reserve(want);
    // resize() within the capacity does not reallocate; the tail becomes the gap.
    text.resize(text.capacity());
    text_.adopt(std::move(text), used);
    rebuildIndex();
}

void TextBuffer::clear() {
    text_.clear();
    starts_.clear();
    kinds_.clear();
}

void TextBuffer::setLineEndKinds(std::vector<unsigned char> kinds) {
    kinds_.clear();
    const bool any = std::any_of(kinds.begin(), kinds.end(), [](unsigned char k) { return k != kStyleLineEnd; });
    if (!any) return;
    const std::size_t lines = starts_.size();
    kinds.resize(lines + std::max<std::size_t>(256, lines / 32), kStyleLineEnd);
    kinds_.adopt(std::move(kinds), lines);
    kinds_.moveGap(starts_.gapPosition());
}

void TextBuffer::holdLineEndKinds() {
    if (kinds_.size()) return;
    const std::size_t lines = starts_.size();
    std::vector<unsigned char> store(lines + std::max<std::size_t>(256, lines / 32), kStyleLineEnd);
    kinds_.adopt(std::move(store), lines);
    kinds_.moveGap(starts_.gapPosition());
}

void TextBuffer::rebuildIndex() {
    kinds_.clear();
    starts_.clear();
    const std::size_t lines = countNewlines(text_.frontData(), text_.frontSize()) +
                              countNewlines(text_.backData(), text_.backSize());
    std::vector<std::size_t> store;
    store.resize(lines + std::max<std::size_t>(256, lines / 32));
    std::size_t k = 0;
    auto push = [&](std::size_t nl) { store[k++] = nl + 1; };
    forEachNewline(text_.frontData(), text_.frontSize(), 0, push);
    forEachNewline(text_.backData(), text_.backSize(), text_.frontSize(), push);
    starts_.adopt(std::move(store), lines);
}

std::size_t TextBuffer::startsAtOrBefore(std::size_t offset) const {
    // Binary search over the logical sequence of line starts, which is increasing.
    std::size_t lo = 0, hi = starts_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (storedStart(mid) <= offset)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void TextBuffer::moveLineGap(std::size_t index) {
    const std::size_t gap = starts_.gapPosition();
    const std::size_t total = text_.size();
    if (index == gap) return;
    // The entries that cross the gap turn from absolute offsets into distances from the
    // end or back; they lie side by side wherever the gap went, so one loop does them.
    const std::size_t first = std::min(index, gap), count = index < gap ? gap - index : index - gap;
    starts_.moveGap(index);
    if (kinds_.size()) kinds_.moveGap(index);
    std::size_t* moved = &starts_.ref(first);
    for (std::size_t i = 0; i < count; ++i) moved[i] = total - moved[i];
}

void TextBuffer::prepareEditAt(std::size_t pos) {
    pos = std::min(pos, size());
    moveLineGap(startsAtOrBefore(pos));
    text_.moveGap(pos);
}

void TextBuffer::insert(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds) {
    if (text.empty()) return;
    pos = std::min(pos, size());
    const bool kept = kinds && std::any_of(kinds->begin(), kinds->end(),
                                           [](unsigned char k) { return k != kStyleLineEnd; });
    if (kept) holdLineEndKinds();
    // Line starts <= pos stay where they are; the later ones move with the end.
    const std::size_t k = startsAtOrBefore(pos);
    moveLineGap(k);
    text_.insert(pos, text.data(), text.size());
    std::size_t n = 0;
    const bool holding = kinds_.size() != 0 || kept;
    forEachNewline(text.data(), text.size(), pos, [&](std::size_t nl) {
        starts_.pushAtGap(nl + 1);
        if (holding) kinds_.pushAtGap(kept && n < kinds->size() ? (*kinds)[n] : kStyleLineEnd);
        ++n;
    });
}

void TextBuffer::erase(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds) {
    if (removedKinds) removedKinds->clear();
    if (pos >= size()) return;
    length = std::min(length, size() - pos);
    if (!length) return;
    const std::size_t k = startsAtOrBefore(pos);
    moveLineGap(k);
    // The starts in (pos, pos + length] belong to deleted newlines; they follow the gap.
    std::size_t removed = 0;
    while (k + removed < starts_.size() && storedStart(k + removed) <= pos + length) ++removed;
    starts_.eraseAfterGap(removed);
    if (kinds_.size()) {
        bool any = false;
        for (std::size_t i = 0; i < removed && !any; ++i) any = kinds_.get(k + i) != kStyleLineEnd;
        if (any && removedKinds)
            for (std::size_t i = 0; i < removed; ++i) removedKinds->push_back(kinds_.get(k + i));
        kinds_.eraseAfterGap(removed);
    }
    text_.erase(pos, length);
}

std::size_t TextBuffer::lineStart(std::size_t line) const {
    if (line == 0) return 0;
    if (line > starts_.size()) return size();
    return storedStart(line - 1);
}

std::size_t TextBuffer::lineEnd(std::size_t line) const {
    if (line >= starts_.size()) return size();
    return storedStart(line) - 1;
}

std::size_t TextBuffer::lineLength(std::size_t line) const {
    if (line >= lineCount()) return 0;
    return lineEnd(line) - lineStart(line);
}

std::size_t TextBuffer::longestLine() const {
    // Line i + 1 starts at stored start i; a line's length is the distance to the next
    // start less its '\n'. The front of the index holds offsets, the back distances
    // from the end, so each half is walked without the gap arithmetic of lineStart().
    const std::size_t front = starts_.frontSize(), back = starts_.backSize(), total = text_.size();
    const std::size_t* head = starts_.frontData();
    const std::size_t* tail = starts_.backData();
    std::size_t best = 0, bestLength = 0, previous = 0;
    auto consider = [&](std::size_t line, std::size_t start) {
        const std::size_t length = start - previous - 1;
        if (length > bestLength) {
            bestLength = length;
            best = line;
        }
        previous = start;
    };
    for (std::size_t i = 0; i < front; ++i) consider(i, head[i]);
    for (std::size_t i = 0; i < back; ++i) consider(front + i, total - tail[i]);
    if (total - previous > bestLength) best = front + back;  // the last line has no '\n'
    return best;
}

std::size_t TextBuffer::lineOfOffset(std::size_t offset) const {
    return startsAtOrBefore(offset);
}

std::string TextBuffer::text(std::size_t offset, std::size_t length) const {
    std::string out;
    textInto(offset, length, out);
    return out;
}

void TextBuffer::textInto(std::size_t offset, std::size_t length, std::string& out) const {
    length = offset < size() ? std::min(length, size() - offset) : 0;
    out.resize(length);
    if (length) text_.copyOut(offset, length, &out[0]);
}

bool TextBuffer::checkInvariants() const {
    std::vector<std::size_t> expected;
    for (std::size_t i = 0; i < size(); ++i)
        if (at(i) == '\n') expected.push_back(i + 1);
    if (expected.size() != starts_.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (storedStart(i) != expected[i]) return false;
    if (kinds_.size() && (kinds_.size() != starts_.size() || kinds_.gapPosition() != starts_.gapPosition()))
        return false;
    return true;
}

} // namespace corvex
