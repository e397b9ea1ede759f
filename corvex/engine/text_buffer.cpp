#include "corvex/engine/text_buffer.h"

#include "corvex/engine/byte_find.h"

#include <algorithm>
#include <cstring>

namespace corvex {

namespace {

using Block = TextBuffer::Block;

// Calls f(offset) for every '\n' in [p, p + n), offsets counted from p.
template <class F>
void forEachNewline(const char* p, std::size_t n, F f) {
    const char* const begin = p;
    const char* const end = p + n;
    while (p < end) {
        const char* q = FindByte(p, end, '\n');
        if (!q) break;
        f(static_cast<std::size_t>(q - begin));
        p = q + 1;
    }
}

// Index of the first line end of `block` at or after `offset`.
std::size_t newlineIndex(const Block& block, std::size_t offset) {
    return static_cast<std::size_t>(
        std::lower_bound(block.newlines.begin(), block.newlines.end(), offset) - block.newlines.begin());
}

bool anyKept(const unsigned char* kinds, std::size_t n) {
    if (!kinds) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (kinds[i] != kStyleLineEnd) return true;
    return false;
}

} // namespace

// ---- Run and RunWriter

namespace {

std::size_t blocksMemory(const std::vector<std::unique_ptr<Block>>& blocks) {
    std::size_t bytes = blocks.capacity() * sizeof(blocks[0]);
    for (const auto& b : blocks)
        bytes += sizeof(Block) + b->bytes.capacity() + b->newlines.capacity() * 2 + b->kinds.capacity();
    return bytes;
}

} // namespace

std::size_t TextBuffer::Run::memoryBytes() const { return blocksMemory(blocks_); }

TextBuffer::RunWriter::RunWriter(std::size_t blockBytes) : fill_(std::max<std::size_t>(1, blockBytes / 8 * 7)) {}

Block& TextBuffer::RunWriter::room() {
    if (run_.blocks_.empty() || run_.blocks_.back()->bytes.size() >= fill_) {
        run_.blocks_.push_back(std::make_unique<Block>());
        run_.blocks_.back()->bytes.reserve(fill_);
    }
    return *run_.blocks_.back();
}

void TextBuffer::RunWriter::append(std::string_view bytes, const unsigned char* kinds) {
    while (!bytes.empty()) {
        Block& block = room();
        const std::size_t take = std::min(bytes.size(), fill_ - block.bytes.size());
        const std::size_t base = block.bytes.size();
        block.bytes.append(bytes.data(), take);
        forEachNewline(bytes.data(), take, [&](std::size_t at) {
            const unsigned char kind = kinds ? *kinds++ : kStyleLineEnd;
            if (kind != kStyleLineEnd && block.kinds.empty()) {
                block.kinds.assign(block.newlines.size(), kStyleLineEnd);
                block.kinds.push_back(kind);
                run_.kinds_ = true;
            } else if (!block.kinds.empty()) {
                block.kinds.push_back(kind);
            }
            block.newlines.push_back(static_cast<std::uint16_t>(base + at));
            ++run_.newlines_;
        });
        run_.bytes_ += take;
        bytes.remove_prefix(take);
    }
}

void TextBuffer::RunWriter::appendPart(const Block& block, std::size_t from, std::size_t to) {
    if (from >= to) return;
    const std::size_t first = newlineIndex(block, from);
    append(std::string_view(block.bytes).substr(from, to - from), block.kinds.empty() ? nullptr : block.kinds.data() + first);
}

TextBuffer::Run TextBuffer::RunWriter::finish() {
    Run done = std::move(run_);
    run_ = Run();
    return done;
}

// ---- construction

TextBuffer::TextBuffer(std::size_t blockBytes)
    : blockBytes_(std::clamp<std::size_t>(blockBytes, 2, kDefaultBlockBytes)) {
    blocks_.push_back(std::make_unique<Block>());
}

void TextBuffer::assign(std::string_view text) {
    RunWriter w = writer();
    w.append(text);
    assign(w.finish());
}

void TextBuffer::assign(Run&& run) {
    blocks_ = std::move(run.blocks_);
    size_ = run.bytes_;
    newlines_ = run.newlines_;
    keepsKinds_ = run.kinds_;
    run = Run();
    if (blocks_.empty()) blocks_.push_back(std::make_unique<Block>());
    reshaped();
}

void TextBuffer::clear() {
    blocks_.clear();
    blocks_.push_back(std::make_unique<Block>());
    size_ = newlines_ = 0;
    keepsKinds_ = false;
    reshaped();
}

// ---- lookups

void TextBuffer::reshaped() {
    sumsValid_ = false;
    lastValid_ = false;
}

void TextBuffer::ensureSums() const {
    if (sumsValid_) return;
    byteSums_.build(blocks_.size(), [&](std::size_t i) { return blocks_[i]->bytes.size(); });
    lineSums_.build(blocks_.size(), [&](std::size_t i) { return blocks_[i]->newlines.size(); });
    sumsValid_ = true;
}

void TextBuffer::grew(std::size_t b, std::size_t bytes, std::size_t newlines) {
    size_ += bytes;
    newlines_ += newlines;
    if (sumsValid_) {
        byteSums_.add(b, bytes);
        lineSums_.add(b, newlines);
    }
    if (lastValid_ && last_.block > b) lastValid_ = false;
}

TextBuffer::Place TextBuffer::locate(std::size_t offset) const {
    if (offset >= size_) offset = size_ ? size_ - 1 : 0;
    if (lastValid_) {
        const Block& b = *blocks_[last_.block];
        if (offset >= last_.start && offset - last_.start < b.bytes.size()) return last_;
        const std::size_t next = last_.block + 1;
        if (offset >= last_.start + b.bytes.size() && next < blocks_.size() &&
            offset - (last_.start + b.bytes.size()) < blocks_[next]->bytes.size()) {
            last_ = Place{next, last_.start + b.bytes.size(), last_.line + b.newlines.size()};
            return last_;
        }
    }
    ensureSums();
    Place p;
    p.block = byteSums_.find(offset, p.start);
    if (p.block >= blocks_.size()) {  // only an empty document gets here
        p.block = blocks_.size() - 1;
        p.start = size_ - blocks_[p.block]->bytes.size();
    }
    p.line = lineSums_.prefix(p.block);
    last_ = p;
    lastValid_ = true;
    return p;
}

TextBuffer::Place TextBuffer::locateNewline(std::size_t k) const {
    if (lastValid_) {
        const Block& b = *blocks_[last_.block];
        if (k > last_.line && k - last_.line <= b.newlines.size()) return last_;
        const std::size_t next = last_.block + 1;
        if (k > last_.line + b.newlines.size() && next < blocks_.size() &&
            k - (last_.line + b.newlines.size()) <= blocks_[next]->newlines.size()) {
            last_ = Place{next, last_.start + b.bytes.size(), last_.line + b.newlines.size()};
            return last_;
        }
    }
    ensureSums();
    Place p;
    p.block = lineSums_.find(k - 1, p.line);
    p.start = byteSums_.prefix(p.block);
    last_ = p;
    lastValid_ = true;
    return p;
}

std::size_t TextBuffer::newlineOffset(std::size_t k) const {
    const Place p = locateNewline(k);
    return p.start + blocks_[p.block]->newlines[k - p.line - 1];
}

char TextBuffer::at(std::size_t offset) const {
    if (offset >= size_) return '\0';
    const Place p = locate(offset);
    return blocks_[p.block]->bytes[offset - p.start];
}

std::size_t TextBuffer::lineStart(std::size_t line) const {
    if (line == 0) return 0;
    if (line > newlines_) return size_;
    return newlineOffset(line) + 1;
}

std::size_t TextBuffer::lineEnd(std::size_t line) const {
    if (line >= newlines_) return size_;
    return newlineOffset(line + 1);
}

std::size_t TextBuffer::lineLength(std::size_t line) const {
    if (line >= lineCount()) return 0;
    return lineEnd(line) - lineStart(line);
}

std::size_t TextBuffer::lineOfOffset(std::size_t offset) const {
    if (offset >= size_) return newlines_;
    const Place p = locate(offset);
    return p.line + newlineIndex(*blocks_[p.block], offset - p.start);
}

unsigned char TextBuffer::lineEndKind(std::size_t line) const {
    if (!keepsKinds_ || line >= newlines_) return kStyleLineEnd;
    const Place p = locateNewline(line + 1);
    const Block& b = *blocks_[p.block];
    return b.kinds.empty() ? kStyleLineEnd : b.kinds[line - p.line];
}

void TextBuffer::copyOut(std::size_t offset, std::size_t length, char* dst) const {
    if (!length) return;
    Place p = locate(offset);
    std::size_t start = p.start;
    for (std::size_t i = p.block; length; ++i) {
        const std::string& bytes = blocks_[i]->bytes;
        const std::size_t from = offset - start;
        const std::size_t n = std::min(length, bytes.size() - from);
        std::memcpy(dst, bytes.data() + from, n);
        dst += n;
        offset += n;
        length -= n;
        start += bytes.size();
    }
}

std::string TextBuffer::text(std::size_t offset, std::size_t length) const {
    std::string out;
    textInto(offset, length, out);
    return out;
}

void TextBuffer::textInto(std::size_t offset, std::size_t length, std::string& out) const {
    length = offset < size() ? std::min(length, size() - offset) : 0;
    out.resize(length);
    if (length) copyOut(offset, length, &out[0]);
}

void TextBuffer::copyInto(std::size_t offset, std::size_t length, RunWriter& writer) const {
    length = offset < size() ? std::min(length, size() - offset) : 0;
    if (!length) return;
    const Place p = locate(offset);
    std::size_t start = p.start;
    for (std::size_t i = p.block; length; ++i) {
        const Block& b = *blocks_[i];
        const std::size_t from = offset - start;
        const std::size_t n = std::min(length, b.bytes.size() - from);
        writer.appendPart(b, from, from + n);
        offset += n;
        length -= n;
        start += b.bytes.size();
    }
}

std::size_t TextBuffer::longestLine() const {
    std::size_t best = 0, bestLength = 0, previous = 0, line = 0, start = 0;
    for (const auto& b : blocks_) {
        for (std::uint16_t at : b->newlines) {
            const std::size_t end = start + at;
            if (end - previous > bestLength) {
                bestLength = end - previous;
                best = line;
            }
            previous = end + 1;
            ++line;
        }
        start += b->bytes.size();
    }
    if (size_ - previous > bestLength) best = line;  // the last line has no '\n'
    return best;
}

std::size_t TextBuffer::memoryBytes() const {
    return blocksMemory(blocks_) + byteSums_.memoryBytes() + lineSums_.memoryBytes();
}

// ---- edits

void TextBuffer::setLineEndKinds(const std::vector<unsigned char>& kinds) {
    keepsKinds_ = anyKept(kinds.data(), std::min(kinds.size(), newlines_));
    std::size_t next = 0;
    for (auto& b : blocks_) {
        b->kinds.clear();
        const std::size_t n = b->newlines.size();
        if (keepsKinds_ && next + n <= kinds.size() && anyKept(&kinds[next], n))
            b->kinds.assign(kinds.begin() + static_cast<std::ptrdiff_t>(next),
                            kinds.begin() + static_cast<std::ptrdiff_t>(next + n));
        next += n;
    }
}

void TextBuffer::insert(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds) {
    if (text.empty()) return;
    pos = std::min(pos, size());
    const unsigned char* given = kinds && !kinds->empty() ? kinds->data() : nullptr;
    const std::size_t added = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (given && kinds->size() < added) given = nullptr;  // a short list says nothing
    const bool kept = anyKept(given, added);
    if (kept) keepsKinds_ = true;
    const Place p = locate(pos);  // at the end: the last block, appended to
    Block& b = *blocks_[p.block];
    const std::size_t rel = pos - p.start;
    if (b.bytes.size() + text.size() > blockBytes_) {
        RunWriter w = writer();
        w.appendPart(b, 0, rel);
        w.append(text, given);
        w.appendPart(b, rel, b.bytes.size());
        Run run = w.finish();
        const std::size_t before = b.newlines.size();
        size_ += text.size();
        newlines_ = newlines_ - before + run.newlines_;
        replaceBlocks(p.block, 1, std::move(run));
        return;
    }
    if (b.bytes.capacity() < b.bytes.size() + text.size()) b.bytes.reserve(blockBytes_);
    b.bytes.insert(rel, text.data(), text.size());
    const std::size_t at = newlineIndex(b, rel);
    for (std::size_t i = at; i < b.newlines.size(); ++i) b.newlines[i] = static_cast<std::uint16_t>(b.newlines[i] + text.size());
    if (added) {
        std::vector<std::uint16_t> fresh;
        fresh.reserve(added);
        forEachNewline(text.data(), text.size(), [&](std::size_t o) { fresh.push_back(static_cast<std::uint16_t>(rel + o)); });
        b.newlines.insert(b.newlines.begin() + static_cast<std::ptrdiff_t>(at), fresh.begin(), fresh.end());
        const bool holding = kept || !b.kinds.empty();
        if (kept && b.kinds.empty()) b.kinds.assign(b.newlines.size() - added, kStyleLineEnd);
        if (holding) {
            const auto where = b.kinds.begin() + static_cast<std::ptrdiff_t>(at);
            if (kept)
                b.kinds.insert(where, given, given + added);
            else
                b.kinds.insert(where, added, kStyleLineEnd);
        }
    }
    grew(p.block, text.size(), added);
}

void TextBuffer::erase(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds) {
    if (removedKinds) removedKinds->clear();
    if (pos >= size()) return;
    length = std::min(length, size() - pos);
    if (!length) return;
    const Place p = locate(pos);
    Block& b = *blocks_[p.block];
    const std::size_t rel = pos - p.start;
    if (rel + length > b.bytes.size()) {
        // Across blocks: the run gives back the kinds; the ends of the first and the last
        // block join (into one block or two).
        Run gone = replaceRun(pos, length, Run());
        if (removedKinds && gone.kinds_)
            for (const auto& g : gone.blocks_) {
                if (g->kinds.empty())
                    removedKinds->insert(removedKinds->end(), g->newlines.size(), kStyleLineEnd);
                else
                    removedKinds->insert(removedKinds->end(), g->kinds.begin(), g->kinds.end());
            }
        if (removedKinds && !anyKept(removedKinds->data(), removedKinds->size())) removedKinds->clear();
        if (p.block > 0) mergeSmall(p.block - 1);
        if (p.block < blocks_.size()) mergeSmall(p.block);
        return;
    }
    const std::size_t first = newlineIndex(b, rel), last = newlineIndex(b, rel + length);
    if (!b.kinds.empty()) {
        const auto from = b.kinds.begin() + static_cast<std::ptrdiff_t>(first);
        const auto to = b.kinds.begin() + static_cast<std::ptrdiff_t>(last);
        if (removedKinds && std::any_of(from, to, [](unsigned char k) { return k != kStyleLineEnd; }))
            removedKinds->assign(from, to);
        b.kinds.erase(from, to);
    }
    b.newlines.erase(b.newlines.begin() + static_cast<std::ptrdiff_t>(first),
                     b.newlines.begin() + static_cast<std::ptrdiff_t>(last));
    for (std::size_t i = first; i < b.newlines.size(); ++i) b.newlines[i] = static_cast<std::uint16_t>(b.newlines[i] - length);
    b.bytes.erase(rel, length);
    grew(p.block, 0 - length, 0 - (last - first));
    mergeSmall(p.block);
}

// A block that fell below a quarter of the size joins a neighbour when both fit in one,
// so that deleting never leaves a long trail of tiny blocks; an empty one goes.
void TextBuffer::mergeSmall(std::size_t b) {
    if (blocks_.size() < 2 || b >= blocks_.size()) return;
    Block& block = *blocks_[b];
    if (block.bytes.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        reshaped();
        return;
    }
    if (block.bytes.size() >= blockBytes_ / 4) return;
    const std::size_t left = b + 1 < blocks_.size() ? b : b - 1;
    Block& a = *blocks_[left];
    Block& c = *blocks_[left + 1];
    if (a.bytes.size() + c.bytes.size() > blockBytes_ / 8 * 7) return;
    const std::size_t shift = a.bytes.size();
    const bool holding = !a.kinds.empty() || !c.kinds.empty();
    if (holding && a.kinds.empty()) a.kinds.assign(a.newlines.size(), kStyleLineEnd);
    if (holding) {
        if (c.kinds.empty())
            a.kinds.insert(a.kinds.end(), c.newlines.size(), kStyleLineEnd);
        else
            a.kinds.insert(a.kinds.end(), c.kinds.begin(), c.kinds.end());
    }
    for (std::uint16_t o : c.newlines) a.newlines.push_back(static_cast<std::uint16_t>(o + shift));
    if (a.bytes.capacity() < shift + c.bytes.size()) a.bytes.reserve(blockBytes_);
    a.bytes.append(c.bytes);
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(left + 1));
    reshaped();
}

std::size_t TextBuffer::cutAt(std::size_t offset) {
    if (offset >= size_) return size_ == 0 ? 0 : blocks_.size();
    const Place p = locate(offset);
    const std::size_t rel = offset - p.start;
    if (rel == 0) return p.block;
    Block& b = *blocks_[p.block];
    auto tail = std::make_unique<Block>();
    tail->bytes.assign(b.bytes, rel, std::string::npos);
    const std::size_t first = newlineIndex(b, rel);
    for (std::size_t i = first; i < b.newlines.size(); ++i)
        tail->newlines.push_back(static_cast<std::uint16_t>(b.newlines[i] - rel));
    b.newlines.resize(first);
    if (!b.kinds.empty()) {
        tail->kinds.assign(b.kinds.begin() + static_cast<std::ptrdiff_t>(first), b.kinds.end());
        b.kinds.resize(first);
    }
    b.bytes.resize(rel);
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(p.block + 1), std::move(tail));
    reshaped();
    return p.block + 1;
}

void TextBuffer::replaceBlocks(std::size_t first, std::size_t count, Run&& run) {
    const auto at = blocks_.begin() + static_cast<std::ptrdiff_t>(first);
    blocks_.erase(at, at + static_cast<std::ptrdiff_t>(count));
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(run.blocks_.begin()),
                   std::make_move_iterator(run.blocks_.end()));
    if (run.kinds_) keepsKinds_ = true;
    run = Run();
    // Only a lone block may be empty.
    blocks_.erase(std::remove_if(blocks_.begin(), blocks_.end(), [](const auto& b) { return b->bytes.empty(); }),
                  blocks_.end());
    if (blocks_.empty()) blocks_.push_back(std::make_unique<Block>());
    reshaped();
}

TextBuffer::Run TextBuffer::replaceRun(std::size_t start, std::size_t length, Run&& with) {
    start = std::min(start, size_);
    length = std::min(length, size_ - start);
    const std::size_t first = cutAt(start);
    const std::size_t last = length ? cutAt(start + length) : first;
    Run gone;
    for (std::size_t i = first; i < last; ++i) {
        gone.bytes_ += blocks_[i]->bytes.size();
        gone.newlines_ += blocks_[i]->newlines.size();
        if (!blocks_[i]->kinds.empty()) gone.kinds_ = true;
        gone.blocks_.push_back(std::move(blocks_[i]));
    }
    size_ = size_ - gone.bytes_ + with.bytes_;
    newlines_ = newlines_ - gone.newlines_ + with.newlines_;
    replaceBlocks(first, last - first, std::move(with));
    return gone;
}

bool TextBuffer::checkInvariants() const {
    if (blocks_.empty()) return false;
    std::size_t bytes = 0, lines = 0;
    bool kinds = false;
    for (const auto& b : blocks_) {
        if (b->bytes.size() > blockBytes_ || (b->bytes.empty() && blocks_.size() > 1)) return false;
        std::vector<std::uint16_t> expected;
        forEachNewline(b->bytes.data(), b->bytes.size(), [&](std::size_t o) { expected.push_back(static_cast<std::uint16_t>(o)); });
        if (expected != b->newlines) return false;
        if (!b->kinds.empty() && b->kinds.size() != b->newlines.size()) return false;
        kinds = kinds || anyKept(b->kinds.data(), b->kinds.size());
        bytes += b->bytes.size();
        lines += b->newlines.size();
    }
    if (kinds && !keepsKinds_) return false;
    if (bytes != size_ || lines != newlines_) return false;
    if (sumsValid_) {
        std::size_t start = 0, before = 0;
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            if (byteSums_.prefix(i) != start || lineSums_.prefix(i) != before) return false;
            start += blocks_[i]->bytes.size();
            before += blocks_[i]->newlines.size();
        }
    }
    return true;
}

} // namespace corvex
