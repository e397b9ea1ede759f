#include "corvex/engine/text_document.h"

#include "corvex/engine/text_ops.h"

#include <algorithm>

namespace corvex {

namespace {

constexpr std::size_t kBackspaceGroupLimit = 4096;

int classOf(char c) { return static_cast<int>(classify(static_cast<unsigned char>(c))); }

// Whether a character of class `c` following one of class `prev` starts a new step.
bool startsGroup(int c, int prev) {
    const int space = static_cast<int>(CharClass::Space);
    if (c == static_cast<int>(CharClass::Newline) || c == static_cast<int>(CharClass::Punct)) return true;
    return c == space && prev != space;
}

} // namespace

void TextDocument::load(std::string&& text, std::vector<unsigned char> lineEndKinds) {
    // The string goes as soon as its blocks are written.
    const std::string taken = std::move(text);
    buffer_.assign(taken);
    buffer_.setLineEndKinds(lineEndKinds);
    clearHistory();
}

void TextDocument::load(TextBuffer&& text) {
    buffer_ = std::move(text);
    clearHistory();
}

void TextDocument::load(std::string_view text) {
    buffer_.assign(text);
    clearHistory();
}

void TextDocument::clearHistory() {
    groups_.clear();
    groups_.shrink_to_fit();
    applied_ = 0;
    savePoint_ = 0;
    open_ = false;
    compound_ = 0;
    compoundStarted_ = false;
}

void TextDocument::setSavePoint() {
    savePoint_ = applied_;
    open_ = false;
}

TextDocument::Group& TextDocument::startGroup(Selection before, EditKind kind) {
    if (savePoint_ != kNoSavePoint && savePoint_ > applied_) savePoint_ = kNoSavePoint;  // in the discarded redo branch
    groups_.resize(applied_);
    groups_.emplace_back();
    ++applied_;
    Group& g = groups_.back();
    g.before = before;
    g.kind = kind;
    return g;
}

bool TextDocument::canMerge(std::size_t pos, std::size_t length, std::string_view text, EditKind kind) const {
    if (kind == EditKind::Other || !open_ || compound_ > 0 || applied_ == 0) return false;
    if (applied_ != groups_.size() || savePoint_ == applied_) return false;
    const Group& g = groups_.back();
    if (g.kind != kind || g.ops.empty()) return false;
    switch (kind) {
    case EditKind::Typing:
        if (text.empty() || pos != g.next) return false;
        return !startsGroup(classOf(text[0]), g.lastClass);
    case EditKind::Backspace:
        if (!text.empty() || length == 0 || pos + length != g.next) return false;
        if (g.ops.back().text.size() + length > kBackspaceGroupLimit) return false;
        return !startsGroup(classOf(buffer_.at(pos)), g.lastClass);
    case EditKind::DeleteForward:
        if (!text.empty() || length == 0 || pos != g.next) return false;
        return !startsGroup(classOf(buffer_.at(pos)), g.lastClass);
    case EditKind::Other:
        break;
    }
    return false;
}

namespace {

// `kinds` of the line ends in `text`, spelt out (an empty vector means all the style's).
std::vector<unsigned char> spelledKinds(std::string_view text, std::vector<unsigned char> kinds) {
    if (kinds.empty()) kinds.assign(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), kStyleLineEnd);
    return kinds;
}

// The kinds of two deleted pieces joined, `first` before `second`.
std::vector<unsigned char> joinedKinds(std::string_view first, std::vector<unsigned char> firstKinds,
                                       std::string_view second, std::vector<unsigned char> secondKinds) {
    if (firstKinds.empty() && secondKinds.empty()) return {};
    std::vector<unsigned char> joined = spelledKinds(first, std::move(firstKinds));
    const std::vector<unsigned char> tail = spelledKinds(second, std::move(secondKinds));
    joined.insert(joined.end(), tail.begin(), tail.end());
    return joined;
}

} // namespace

void TextDocument::record(Group& g, bool insert, std::size_t pos, std::string_view text,
                          std::vector<unsigned char> kinds) {
    if (!g.ops.empty() && !g.ops.back().run) {
        Op& last = g.ops.back();
        if (insert && last.insert && last.pos + last.text.size() == pos) {
            last.text.append(text.data(), text.size());
            return;
        }
        if (!insert && !last.insert) {
            if (pos + text.size() == last.pos) {  // backspace: the new text lies before
                last.kinds = joinedKinds(text, std::move(kinds), last.text, std::move(last.kinds));
                last.text.insert(0, text.data(), text.size());
                last.pos = pos;
                return;
            }
            if (pos == last.pos) {  // delete forward: the new text followed the old
                last.kinds = joinedKinds(last.text, std::move(last.kinds), text, std::move(kinds));
                last.text.append(text.data(), text.size());
                return;
            }
        }
    }
    g.ops.push_back(Op{insert, pos, std::string(text), std::move(kinds)});
}

TextDocument::Group& TextDocument::groupForOther(Selection before) {
    if (compound_ == 0) return startGroup(before, EditKind::Other);
    if (!compoundStarted_) {
        startGroup(compoundBefore_, EditKind::Other);
        compoundStarted_ = true;
    }
    return groups_.back();
}

void TextDocument::replaceAll(const std::vector<TextEdit>& edits, Selection before, Selection after) {
    if (edits.empty()) return;
    const std::size_t from = std::min(edits.front().start, buffer_.size());
    const std::size_t to = std::min(edits.back().start + edits.back().length, buffer_.size());
    TextBuffer::RunWriter writer = buffer_.writer();
    std::size_t at = from;
    for (const TextEdit& edit : edits) {
        const std::size_t start = std::max(at, std::min(edit.start, to));
        buffer_.copyInto(at, start - at, writer);
        writer.append(edit.text);
        at = std::max(start, std::min(edit.start + edit.length, to));
    }
    TextBuffer::Run built = writer.finish();
    const std::size_t builtSize = built.size();
    Group& g = groupForOther(before);
    const std::size_t first = buffer_.lineOfOffset(from);
    const std::size_t oldLines = buffer_.lineOfOffset(to) - first + 1;
    const std::size_t newLines = built.newlines() + 1;
    auto gone = std::make_unique<TextBuffer::Run>(buffer_.replaceRun(from, to - from, std::move(built)));
    g.ops.push_back(Op{false, from, std::string(), {}, std::move(gone), builtSize});
    g.after = after;
    open_ = false;
    if (listener_) listener_->linesReplaced(first, oldLines, newLines);
}

void TextDocument::replace(std::size_t pos, std::size_t length, std::string_view text, Selection before,
                           Selection after, EditKind kind) {
    pos = std::min(pos, buffer_.size());
    length = std::min(length, buffer_.size() - pos);
    if (length == 0 && text.empty()) return;

    Group* g;
    if (compound_ > 0) {
        if (!compoundStarted_) {
            startGroup(compoundBefore_, EditKind::Other);
            compoundStarted_ = true;
        }
        g = &groups_.back();
    } else if (canMerge(pos, length, text, kind)) {
        g = &groups_.back();
    } else {
        g = &startGroup(before, kind);
    }

    int firstDeletedClass = 0;
    if (length) {
        const std::string deleted = buffer_.text(pos, length);
        firstDeletedClass = classOf(deleted[0]);
        std::vector<unsigned char> kinds;
        eraseText(pos, length, &kinds);
        record(*g, false, pos, deleted, std::move(kinds));
    }
    if (!text.empty()) {
        record(*g, true, pos, text);
        insertText(pos, text);
    }
    g->after = after;
    switch (kind) {
    case EditKind::Typing:
        g->next = pos + text.size();
        g->lastClass = text.empty() ? firstDeletedClass : classOf(text.back());
        break;
    case EditKind::Backspace:
    case EditKind::DeleteForward:
        g->next = pos;
        g->lastClass = firstDeletedClass;
        break;
    case EditKind::Other:
        break;
    }
    open_ = kind != EditKind::Other && compound_ == 0;
}

bool TextDocument::changeCase(std::size_t start, std::size_t end, CaseChange mode, bool utf8, Selection before,
                              Selection after) {
    end = std::min(end, buffer_.size());
    if (start >= end) return false;
    const std::string original = buffer_.text(start, end - start);
    const std::string converted = corvex::changeCase(original, mode, utf8);
    std::size_t first = 0;
    while (first < original.size() && original[first] == converted[first]) ++first;
    if (first == original.size()) return false;
    std::size_t last = original.size();
    while (last > first && original[last - 1] == converted[last - 1]) --last;
    replace(start + first, last - first, std::string_view(converted).substr(first, last - first), before, after,
            EditKind::Other);
    return true;
}

void TextDocument::beginCompound(Selection before) {
    if (compound_++ == 0) {
        compoundStarted_ = false;
        compoundBefore_ = before;
        open_ = false;
    }
}

void TextDocument::endCompound(Selection after) {
    if (compound_ == 0) return;
    if (--compound_ == 0) {
        if (compoundStarted_) groups_.back().after = after;
        compoundStarted_ = false;
        open_ = false;
    }
}

void TextDocument::insertText(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds) {
    buffer_.insert(pos, text, kinds);
    if (listener_) {
        const std::size_t breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        listener_->linesReplaced(buffer_.lineOfOffset(pos), 1, 1 + breaks);
    }
}

void TextDocument::eraseText(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds) {
    if (!listener_) {
        buffer_.erase(pos, length, removedKinds);
        return;
    }
    const std::size_t first = buffer_.lineOfOffset(pos);
    const std::size_t last = buffer_.lineOfOffset(pos + length);
    buffer_.erase(pos, length, removedKinds);
    listener_->linesReplaced(first, last - first + 1, 1);
}

void TextDocument::applyOp(Op& op, bool forward, std::size_t& lo, std::size_t& hi, bool& any) {
    const std::size_t p = op.pos;
    if (op.run) {
        // The same swap both ways: what is in the text goes into the op, and back.
        const std::size_t first = buffer_.lineOfOffset(p);
        const std::size_t oldLines = buffer_.lineOfOffset(p + op.swapLength) - first + 1;
        const std::size_t newLines = op.run->newlines() + 1;
        const std::size_t inserted = op.run->size();
        *op.run = buffer_.replaceRun(p, op.swapLength, std::move(*op.run));
        op.swapLength = inserted;
        if (listener_) listener_->linesReplaced(first, oldLines, newLines);
        auto map = [&](std::size_t x) { return x <= p ? x : (x >= p + op.run->size() ? x - op.run->size() + inserted : p + inserted); };
        if (!any) {
            lo = p;
            hi = p + inserted;
        } else {
            lo = std::min(map(lo), p);
            hi = std::max(map(hi), p + inserted);
        }
        any = true;
        return;
    }
    const std::size_t n = op.text.size();
    if (op.insert == forward) {
        insertText(p, op.text, op.kinds.empty() ? nullptr : &op.kinds);
        if (!any) {
            lo = p;
            hi = p + n;
        } else {
            if (lo > p) lo += n;
            if (hi > p) hi += n;
            lo = std::min(lo, p);
            hi = std::max(hi, p + n);
        }
    } else {
        eraseText(p, n);
        auto map = [&](std::size_t x) { return x <= p ? x : (x >= p + n ? x - n : p); };
        if (!any) {
            lo = hi = p;
        } else {
            lo = std::min(map(lo), p);
            hi = std::max(map(hi), p);
        }
    }
    any = true;
}

UndoResult TextDocument::undo() {
    UndoResult r;
    if (!canUndo() || compound_ > 0) return r;
    open_ = false;
    Group& g = groups_[applied_ - 1];
    bool any = false;
    for (auto it = g.ops.rbegin(); it != g.ops.rend(); ++it) applyOp(*it, false, r.changeStart, r.changeEnd, any);
    --applied_;
    r.done = true;
    r.selection = g.before;
    return r;
}

UndoResult TextDocument::redo() {
    UndoResult r;
    if (!canRedo() || compound_ > 0) return r;
    open_ = false;
    Group& g = groups_[applied_];
    bool any = false;
    for (Op& op : g.ops) applyOp(op, true, r.changeStart, r.changeEnd, any);
    ++applied_;
    r.done = true;
    r.selection = g.after;
    return r;
}

std::size_t TextDocument::historyBytes() const {
    std::size_t bytes = groups_.capacity() * sizeof(Group);
    for (const Group& g : groups_) {
        bytes += g.ops.capacity() * sizeof(Op);
        for (const Op& op : g.ops)
        {
            if (op.text.capacity() > 15) bytes += op.text.capacity() + 1;
            if (op.run) bytes += op.run->memoryBytes();
        }
    }
    return bytes;
}

} // namespace corvex
