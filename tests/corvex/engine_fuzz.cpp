#include "engine_fuzz.h"

#include "corvex/engine/file_codec.h"
#include "corvex/engine/text_document.h"
#include "corvex/engine/text_ops.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <vector>

namespace corvex_fuzz {

using namespace corvex;

namespace {

class Reader {
public:
    Reader(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    bool done() const { return i_ >= n_; }
    unsigned byte() { return i_ < n_ ? d_[i_++] : 0; }
    std::size_t number() { return byte() | (byte() << 8); }
    std::size_t upTo(std::size_t limit) { return limit ? number() % (limit + 1) : 0; }  // [0, limit]
    std::string text(std::size_t maxLen) {
        static const char alphabet[] = {'a', 'b', 'z', '_', ' ', '\t', '\n', '.', '(', '\0', '\r',
                                        '\xC3', '\xA9', '\xE2', '\x82', '\xAC', 'A', 'Q'};
        std::string s;
        const std::size_t len = byte() % (maxLen + 1);
        for (std::size_t k = 0; k < len; ++k) s.push_back(alphabet[byte() % sizeof(alphabet)]);
        return s;
    }

private:
    const std::uint8_t* d_;
    std::size_t n_;
    std::size_t i_ = 0;
};

#define FUZZ_CHECK(cond, what)                                                     \
    do {                                                                           \
        if (!(cond)) {                                                             \
            std::ostringstream os_;                                                \
            os_ << "step " << step << ": " << what << " (" #cond ")";              \
            return os_.str();                                                      \
        }                                                                          \
    } while (0)

std::string checkLines(const TextBuffer& b, const std::string& model, std::size_t step) {
    FUZZ_CHECK(b.size() == model.size(), "size");
    FUZZ_CHECK(b.text() == model, "text");
    std::size_t line = 0, start = 0;
    for (std::size_t i = 0; i <= model.size(); ++i) {
        if (i < model.size()) FUZZ_CHECK(b.lineOfOffset(i) == line, "lineOfOffset " << i);
        if (i == model.size() || model[i] == '\n') {
            FUZZ_CHECK(b.lineStart(line) == start, "lineStart " << line);
            FUZZ_CHECK(b.lineLength(line) == i - start, "lineLength " << line);
            ++line;
            start = i + 1;
        }
    }
    FUZZ_CHECK(b.lineCount() == line, "lineCount");
    return std::string();
}

} // namespace

std::string fuzzEdits(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    TextDocument doc;
    // Blocks of a few bytes, so that edits straddle, fill and empty them.
    const std::size_t blockSizes[] = {2, 3, 8, 16, 61, TextBuffer::kDefaultBlockBytes};
    const std::size_t blockBytes = blockSizes[in.byte() % 6];
    std::string model = in.text(40);
    // Some line ends written otherwise than the style, as in a file with mixed ones.
    std::vector<unsigned char> kinds;
    for (char c : model)
        if (c == '\n') kinds.push_back(static_cast<unsigned char>(in.byte() % 4));
    const std::vector<unsigned char> loadedKinds = kinds;
    {
        TextBuffer loaded(blockBytes);
        loaded.assign(model);
        loaded.setLineEndKinds(kinds);
        doc.load(std::move(loaded));
    }
    std::vector<std::string> states{model};      // states[k]: the text after k steps
    std::vector<Selection> before{Selection()}, after{Selection()};  // of step k (1-based)
    long saved = 0;                              // step index of the save point, -1 none
    const bool utf8 = in.byte() & 1;
    std::size_t step = 0;

    auto recordEdit = [&](std::size_t stepsBefore, Selection b, Selection a) -> std::string {
        const std::size_t steps = doc.undoSteps();
        FUZZ_CHECK(!doc.canRedo(), "redo left after an edit");
        if (steps == stepsBefore + 1) {
            if (saved > static_cast<long>(stepsBefore)) saved = -1;
            states.resize(stepsBefore + 1);
            before.resize(stepsBefore + 1);
            after.resize(stepsBefore + 1);
            states.push_back(model);
            before.push_back(b);
            after.push_back(a);
        } else {
            FUZZ_CHECK(steps == stepsBefore && steps > 0, "steps " << stepsBefore << " -> " << steps);
            FUZZ_CHECK(static_cast<long>(steps) != saved, "merged into the saved step");
            states.back() = model;
            after.back() = a;
        }
        return std::string();
    };

    while (!in.done() && step < 400) {
        ++step;
        const unsigned op = in.byte() % 14;
        const std::size_t n = model.size();
        const std::size_t stepsBefore = doc.undoSteps();
        std::string err;
        switch (op) {
        case 0:
        case 1: {  // type a character (maybe over a selection / in overwrite)
            const std::size_t pos = in.upTo(n);
            const std::size_t len = op == 1 ? in.upTo(std::min<std::size_t>(3, n - pos)) : 0;
            std::string t = in.text(1);
            if (t.empty()) t = "x";
            const Selection b(pos + len, pos), a(pos + t.size());
            doc.replace(pos, len, t, b, a, EditKind::Typing);
            model.replace(pos, len, t);
            err = recordEdit(stepsBefore, b, a);
            break;
        }
        case 2: {  // backspace
            if (n == 0) break;
            const std::size_t caret = 1 + in.upTo(n - 1);
            const Selection b(caret), a(caret - 1);
            doc.erase(caret - 1, 1, b, a, EditKind::Backspace);
            model.erase(caret - 1, 1);
            err = recordEdit(stepsBefore, b, a);
            break;
        }
        case 3: {  // delete forward
            if (n == 0) break;
            const std::size_t caret = in.upTo(n - 1);
            const Selection s(caret);
            doc.erase(caret, 1, s, s, EditKind::DeleteForward);
            model.erase(caret, 1);
            err = recordEdit(stepsBefore, s, s);
            break;
        }
        case 4: {  // replace a range (paste, cut...)
            const std::size_t pos = in.upTo(n);
            const std::size_t len = in.upTo(std::min<std::size_t>(n - pos, 64));
            const std::string t = in.text(24);
            if (len == 0 && t.empty()) break;
            const Selection b(pos, pos + len), a(pos, pos + t.size());
            doc.replace(pos, len, t, b, a, EditKind::Other);
            model.replace(pos, len, t);
            err = recordEdit(stepsBefore, b, a);
            break;
        }
        case 5:
        case 6: {  // undo
            const std::string old = model;
            const UndoResult r = doc.undo();
            FUZZ_CHECK(r.done == (stepsBefore > 0), "undo done");
            if (!r.done) break;
            model = states[stepsBefore - 1];
            FUZZ_CHECK(doc.text() == model, "text after undo");
            FUZZ_CHECK(r.selection == before[stepsBefore], "selection after undo");
            FUZZ_CHECK(r.changeStart <= r.changeEnd && r.changeEnd <= model.size(), "undo range");
            FUZZ_CHECK(model.compare(0, r.changeStart, old, 0, r.changeStart) == 0, "undo range start");
            const std::size_t tail = model.size() - r.changeEnd;
            FUZZ_CHECK(tail <= old.size() && model.compare(r.changeEnd, tail, old, old.size() - tail, tail) == 0,
                       "undo range end");
            break;
        }
        case 7: {  // redo
            const UndoResult r = doc.redo();
            FUZZ_CHECK(r.done == (stepsBefore + 1 < states.size()), "redo done");
            if (!r.done) break;
            model = states[stepsBefore + 1];
            FUZZ_CHECK(doc.text() == model, "text after redo");
            FUZZ_CHECK(r.selection == after[stepsBefore + 1], "selection after redo");
            FUZZ_CHECK(r.changeEnd <= model.size() && r.changeStart <= r.changeEnd, "redo range");
            break;
        }
        case 8:
            doc.breakGroup();
            break;
        case 9:
            doc.setSavePoint();
            saved = static_cast<long>(stepsBefore);
            break;
        case 10: {  // a compound of a few edits
            const Selection b(in.upTo(n)), a(in.upTo(n));
            doc.beginCompound(b);
            const unsigned count = in.byte() % 4;
            for (unsigned k = 0; k < count; ++k) {
                const std::size_t pos = in.upTo(model.size());
                const std::size_t len = in.upTo(std::min<std::size_t>(model.size() - pos, 8));
                const std::string t = in.text(4);
                doc.replace(pos, len, t, Selection(), Selection(), EditKind::Typing);
                model.replace(pos, len, t);
            }
            doc.endCompound(a);
            if (doc.undoSteps() != stepsBefore) err = recordEdit(stepsBefore, b, a);
            break;
        }
        case 11: {  // case change
            const std::size_t s = in.upTo(n);
            const std::size_t e = s + in.upTo(n - s);
            const CaseChange mode = (in.byte() & 1) ? CaseChange::Upper : CaseChange::Lower;
            const std::string conv = changeCase(model.substr(s, e - s), mode, utf8);
            const bool changed = conv != model.substr(s, e - s);
            const Selection sel(s, e);
            FUZZ_CHECK(doc.changeCase(s, e, mode, utf8, sel, sel) == changed, "changeCase result");
            if (changed) {
                model.replace(s, e - s, conv);
                err = recordEdit(stepsBefore, sel, sel);
            }
            break;
        }
        case 13: {  // replace all: a few edits in order, one step
            std::vector<TextEdit> edits;
            std::size_t at = 0;
            const unsigned count = 1 + in.byte() % 5;
            for (unsigned k = 0; k < count && at <= n; ++k) {
                TextEdit e;
                e.start = at + in.upTo(std::min<std::size_t>(n - at, 12));
                e.length = in.upTo(std::min<std::size_t>(n - e.start, 6));
                e.text = in.text(5);
                at = e.start + e.length;
                edits.push_back(e);
            }
            const Selection b(in.upTo(n)), a(in.upTo(n));
            doc.replaceAll(edits, b, a);
            for (auto e = edits.rbegin(); e != edits.rend(); ++e) model.replace(e->start, e->length, e->text);
            err = recordEdit(stepsBefore, b, a);
            break;
        }
        case 12: {  // view helpers stay in range and agree with each other
            const TextBuffer& b = doc.buffer();
            const std::size_t pos = in.upTo(n);
            const std::size_t l = wordLeft(b, pos), r = wordRight(b, pos);
            FUZZ_CHECK(l <= pos && (pos == 0 || l < pos), "wordLeft");
            FUZZ_CHECK(r >= pos && (pos == n || r > pos) && r <= n, "wordRight");
            const TextRange w = wordAt(b, pos);
            FUZZ_CHECK(w.start <= w.end && w.end <= n && w.start <= pos && pos <= w.end, "wordAt");
            const unsigned tab = 1 + in.byte() % 8;
            const std::size_t col = columnOfOffset(b, pos, tab, utf8);
            const std::size_t back = offsetOfColumn(b, b.lineOfOffset(pos), col, tab, utf8);
            // In UTF-8 mode pos may sit inside a character: it maps to that character's start.
            FUZZ_CHECK(back <= pos, "column round trip");
            if (!utf8) FUZZ_CHECK(back == pos, "column round trip (bytes)");
            FUZZ_CHECK(nextCharOffset(b, pos, utf8) <= n && prevCharOffset(b, pos, utf8) <= pos, "char steps");
            break;
        }
        }
        if (!err.empty()) return err;
        FUZZ_CHECK(doc.text() == model, "text, op " << op);
        FUZZ_CHECK(doc.isModified() == (static_cast<long>(doc.undoSteps()) != saved), "modified flag");
        FUZZ_CHECK(doc.undoSteps() + doc.redoSteps() + 1 == states.size(), "history length");
        if (step % 8 == 0 || in.done()) {
            err = checkLines(doc.buffer(), model, step);
            if (!err.empty()) return err;
            FUZZ_CHECK(doc.buffer().checkInvariants(), "index invariants");
        }
    }
    std::string err = checkLines(doc.buffer(), model, step);
    if (!err.empty()) return err;
    // Undoing every step gives back the loaded text with each line end's own kind.
    while (doc.canUndo()) doc.undo();
    FUZZ_CHECK(doc.text() == states[0], "text after undoing everything");
    for (std::size_t line = 0; line < loadedKinds.size(); ++line)
        FUZZ_CHECK(doc.buffer().lineEndKind(line) == loadedKinds[line], "kind of line end " << line);
    FUZZ_CHECK(doc.buffer().checkInvariants(), "index invariants after undoing everything");
    return std::string();
}


std::string fuzzCodec(const std::uint8_t* data, std::size_t size) {
    const std::size_t step = 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedFile d = decodeFile(bytes, size % 97);
    FUZZ_CHECK(d.text.capacity() >= d.text.size() + size % 97, "reserved capacity");
    const DecodedFile inPlace = decodeFileInPlace(std::string(bytes), size % 89);
    FUZZ_CHECK(inPlace.text == d.text && inPlace.encoding == d.encoding && inPlace.lineEnd == d.lineEnd &&
                   inPlace.utf16Fallback == d.utf16Fallback,
               "in-place decoding");
    FUZZ_CHECK(inPlace.text.capacity() >= inPlace.text.size() + size % 89, "reserved capacity (in place)");
    FUZZ_CHECK(inPlace.lineEndKinds == d.lineEndKinds, "in-place line-end kinds");
    // Every file is written back exactly, mixed line ends and all.
    const std::string again = encodeFile(d);
    FUZZ_CHECK(again == bytes, "round trip of " << encodingName(d.encoding) << "/" << lineEndName(d.lineEnd));
    // Read in small pieces into small blocks: the same text, kinds and format.
    for (const std::size_t piece : {std::size_t(4), 1 + size % 13}) {
        std::size_t readAt = 0;
        const auto read = [&](char* dst, std::size_t capacity) {
            const std::size_t n = std::min({capacity, bytes.size() - readAt, 1 + (readAt * 7 + size) % 5});
            if (n) std::memcpy(dst, bytes.data() + readAt, n);
            readAt += n;
            return n;
        };
        TextBuffer pieces(2 + size % 19);
        FileFormat format;
        FUZZ_CHECK(readFileInto(read, [&] { readAt = 0; return true; }, nullptr, pieces, format, piece),
                   "reading in pieces");
        FUZZ_CHECK(pieces.text() == d.text && format.encoding == d.encoding && format.lineEnd == d.lineEnd &&
                       format.utf16Fallback == d.utf16Fallback,
                   "read in pieces of " << piece << " as " << encodingName(format.encoding) << "/"
                                        << lineEndName(format.lineEnd));
        FUZZ_CHECK(pieces.checkInvariants(), "blocks read in pieces");
        for (std::size_t line = 0; line + 1 < pieces.lineCount(); ++line)
            FUZZ_CHECK(pieces.lineEndKind(line) == (d.lineEndKinds.empty() ? 0 : d.lineEndKinds[line]),
                       "kind of line end " << line << " read in pieces");
    }
    TextBuffer buf(d.text);
    buf.setLineEndKinds(d.lineEndKinds);
    FUZZ_CHECK(buf.checkInvariants(), "line-end kinds beside the index");
    FUZZ_CHECK(encodeFile(buf, d.encoding, d.lineEnd) == again, "encoding from a TextBuffer");
    if (d.utf16Fallback) FUZZ_CHECK(d.text == bytes, "fallback keeps every byte");
    // The text into other encodings: valid UTF-8 without CR comes back from UTF-16.
    const Utf8Check c = checkUtf8(d.text);
    const bool hasCr = d.text.find('\r') != std::string::npos;
    for (Encoding e : {Encoding::Utf16LE, Encoding::Utf16BE, Encoding::Utf8Bom}) {
        const std::string out = encodeFile(d.text, e, LineEnd::LF);
        if (c.valid && !hasCr) {
            const DecodedFile d3 = decodeFile(out);
            FUZZ_CHECK(d3.encoding == e && d3.text == d.text, "re-encoding as " << encodingName(e));
        }
    }
    return std::string();
}

std::string fuzzOne(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return std::string();
    return (data[0] & 1) ? fuzzCodec(data + 1, size - 1) : fuzzEdits(data + 1, size - 1);
}

} // namespace corvex_fuzz
