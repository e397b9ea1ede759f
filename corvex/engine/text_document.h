// A TextBuffer with unlimited undo/redo and a save point: the model behind one control.
//
// Every change goes through replace() (insert() and erase() are shorthands), together
// with the selection before and after it, so that undo and redo can put the caret and
// selection back where the change had them.
//
// Grouping (one undo step = one group):
//  * EditKind::Typing: characters typed at consecutive positions join the open group
//    while they form a word. A new group starts at a newline, at a punctuation
//    character, at the first space after a non-space, and whenever the typing position
//    is not where the previous typed text ended. So "hello world" is two steps,
//    "hello" and " world"; "a.b" is "a" and ".b"; a run of spaces is one step.
//    Typing over a selection or in overwrite mode (replace with length > 0) groups the
//    same way, the replaced text belonging to the step.
//  * EditKind::Backspace / EditKind::DeleteForward: consecutive deletions of one kind
//    that continue each other (Backspace: each ends where the previous began; Delete:
//    each starts where the previous did) group by the same character rule, applied to
//    the deleted characters in the order they are deleted. A backspace group also
//    stops at 4096 bytes so that prepending stays cheap.
//  * EditKind::Other (paste, cut, drag, replace, indent...): a step of its own.
//  * breakGroup() ends the open group: the control calls it when the caret moves by
//    navigation or mouse, so typing after a caret jump is a new step. undo(), redo()
//    and setSavePoint() end it as well.
//  * beginCompound()/endCompound() make every change between them one step (nestable).
//
// Save point: isModified() is false exactly when the history stands where it stood at
// the last setSavePoint() (or load()). Undoing or redoing back to that point is
// unmodified again; a new change after undoing past the save point makes the save
// point unreachable until the next setSavePoint(). A group is never extended across
// the save point.
#pragma once

#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_edit.h"
#include "corvex/engine/text_ops.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvex {

struct Selection {
    std::size_t anchor = 0;
    std::size_t caret = 0;
    Selection() = default;
    Selection(std::size_t a, std::size_t c) : anchor(a), caret(c) {}
    explicit Selection(std::size_t at) : anchor(at), caret(at) {}
    std::size_t start() const { return anchor < caret ? anchor : caret; }
    std::size_t end() const { return anchor < caret ? caret : anchor; }
    bool empty() const { return anchor == caret; }
    bool operator==(const Selection& o) const { return anchor == o.anchor && caret == o.caret; }
    bool operator!=(const Selection& o) const { return !(*this == o); }
};

enum class EditKind { Typing, Backspace, DeleteForward, Other };

struct UndoResult {
    bool done = false;       // false: nothing to undo/redo, nothing changed
    Selection selection;     // the selection to restore
    std::size_t changeStart = 0;  // [changeStart, changeEnd): the changed text, in the
    std::size_t changeEnd = 0;    // document as it is after the undo/redo
};

// Told about every change of the text (edits, undo and redo, but not load), as lines
// [first, first + oldCount) replaced by `newCount` lines starting at `first`.
class LineChangeListener {
public:
    virtual ~LineChangeListener() = default;
    virtual void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) = 0;
};

class TextDocument {
public:
    TextDocument() = default;

    // At most one listener; null for none.
    void setListener(LineChangeListener* listener) { listener_ = listener; }

    const TextBuffer& buffer() const { return buffer_; }
    std::size_t size() const { return buffer_.size(); }
    std::string text() const { return buffer_.text(); }

    // Replaces the whole text; the history is emptied and the document is unmodified.
    // `lineEndKinds`: one LineEndKind per line end, for a file with mixed line ends.
    void load(std::string&& text, std::vector<unsigned char> lineEndKinds = {});
    void load(std::string_view text);
    // Takes over a text read elsewhere (see readFileInto), kinds and all.
    void load(TextBuffer&& text);

    // Replaces [pos, pos + length) (clipped to the document) by `text`.
    void replace(std::size_t pos, std::size_t length, std::string_view text, Selection before, Selection after,
                 EditKind kind = EditKind::Other);
    void insert(std::size_t pos, std::string_view text, Selection before, Selection after,
                EditKind kind = EditKind::Other) {
        replace(pos, 0, text, before, after, kind);
    }
    void erase(std::size_t pos, std::size_t length, Selection before, Selection after,
               EditKind kind = EditKind::Other) {
        replace(pos, length, std::string_view(), before, after, kind);
    }
    // Upper/lower case of [start, end) as one step; returns false when nothing changed
    // (no step is recorded then). The length of the text never changes.
    // Every edit (increasing, not overlapping, offsets in the text as it is now) as one
    // step: the text from the first edit to the end of the last is built afresh, block by
    // block, and the blocks it replaces are kept whole for undo. No-op without edits.
    void replaceAll(const std::vector<TextEdit>& edits, Selection before, Selection after);
    bool changeCase(std::size_t start, std::size_t end, CaseChange mode, bool utf8, Selection before,
                    Selection after);

    void breakGroup() { open_ = false; }
    void beginCompound(Selection before);
    void endCompound(Selection after);

    bool canUndo() const { return applied_ > 0; }
    bool canRedo() const { return applied_ < groups_.size(); }
    UndoResult undo();
    UndoResult redo();
    std::size_t undoSteps() const { return applied_; }
    std::size_t redoSteps() const { return groups_.size() - applied_; }

    bool isModified() const { return applied_ != savePoint_; }
    void setSavePoint();
    // Forgets every step; the current text counts as saved.
    void clearHistory();
    // No point of the history counts as saved: the text is modified until the next
    // setSavePoint() (a document brought back from a backup).
    void forgetSavePoint() { savePoint_ = kNoSavePoint; open_ = false; }

    // Heap bytes of the undo history (approximate).
    std::size_t historyBytes() const;

private:
    struct Op {
        bool insert;
        std::size_t pos;
        std::string text;
        // For a deletion: the kinds of the deleted line ends, empty when all were the
        // style's, so that undo writes them back as they were.
        std::vector<unsigned char> kinds;
        // A swap instead (replaceAll): the `swapLength` bytes at `pos` trade places with
        // the run, both ways alike.
        std::unique_ptr<TextBuffer::Run> run = nullptr;
        std::size_t swapLength = 0;
    };
    struct Group {
        std::vector<Op> ops;
        Selection before, after;
        EditKind kind = EditKind::Other;
        int lastClass = 0;       // class of the last typed/deleted character
        std::size_t next = 0;    // where the next merging edit must happen
    };

    static constexpr std::size_t kNoSavePoint = static_cast<std::size_t>(-1);

    Group& startGroup(Selection before, EditKind kind);
    Group& groupForOther(Selection before);
    bool canMerge(std::size_t pos, std::size_t length, std::string_view text, EditKind kind) const;
    void record(Group& g, bool insert, std::size_t pos, std::string_view text,
                std::vector<unsigned char> kinds = {});
    void applyOp(Op& op, bool forward, std::size_t& lo, std::size_t& hi, bool& any);
    void insertText(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds = nullptr);
    void eraseText(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds = nullptr);

    TextBuffer buffer_;
    LineChangeListener* listener_ = nullptr;
    std::vector<Group> groups_;
    std::size_t applied_ = 0;
    std::size_t savePoint_ = 0;
    bool open_ = false;       // groups_[applied_ - 1] may be extended by typing/deleting
    int compound_ = 0;        // nesting depth of beginCompound
    bool compoundStarted_ = false;
    Selection compoundBefore_;
};

} // namespace corvex
