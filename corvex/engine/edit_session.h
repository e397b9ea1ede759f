// What a keystroke does to the text, free of any window: the document with its undo, the
// selection (a stream of text, or a rectangular column block), the column the caret keeps
// for Up and Down, typing and overwrite, Enter with auto-indent, Tab and Shift+Tab,
// Backspace and Delete, case changes, moving the selection, and column editing with its
// padding, and the bookmarks, which stay with the lines they mark.
//
// The session tells the view what changed through SessionView, and asks it for the rules
// in force (tab width, tab expansion, auto-indent, the text's form, word wrap) and for
// the columns it measures (the view keeps the walks of very long lines).
#pragma once

#include "corvex/engine/bookmarks.h"
#include "corvex/engine/text_document.h"
#include "corvex/engine/text_ops.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvex {

// Enter: nothing, the indentation of the line split, or that and one level more after a
// line ending in '{', '(', '[' or ':' (then a '}' typed into blank indentation goes one
// level back).
enum class AutoIndentRule { None = 0, Keep = 1, Smart = 2 };

struct EditRules {
    unsigned tabWidth = 4;
    bool expandTabs = false;
    AutoIndentRule autoIndent = AutoIndentRule::Smart;
    bool utf8 = true;       // the text is UTF-8 (else single-byte ANSI)
    bool wrapped = false;   // the view wraps lines: rows have no columns in common
};

// A rectangular selection: lines [firstLine, lastLine], columns [leftColumn, rightColumn).
struct ColumnBlock {
    std::size_t firstLine = 0, lastLine = 0;
    std::size_t leftColumn = 0, rightColumn = 0;
};

// A step of the user's that a macro repeats, as the session takes it: typed text (in the
// document's form), Backspace and Delete (by character or by word), Enter, Tab, and the
// switch between insert and overwrite.
struct EditStep {
    enum class Kind { Text, Backspace, Delete, NewLine, Tab, ToggleOverwrite };
    Kind kind = Kind::Text;
    bool word = false;
    std::string_view text;
};

// The view of a session: told what changed, asked what it measures.
class SessionView {
public:
    virtual ~SessionView() = default;
    virtual EditRules rules() const = 0;
    // The column of `offset` in its line, tabs expanded.
    virtual std::size_t columnOf(std::size_t offset) const = 0;
    // The column the caret keeps for Up and Down after it moved (a view column with wrap).
    virtual std::size_t caretColumnToKeep() const = 0;

    // [pos, pos + length) is about to become `inserted` bytes; or that edit failed.
    virtual void beforeReplace(std::size_t pos, std::size_t length, std::size_t inserted) = 0;
    virtual void replaceFailed() = 0;
    // The text changed from `firstLine` on, the change starting at `editStart` (or
    // kUnknownEditStart); `linesChanged`: lines were added or removed.
    virtual void edited(std::size_t firstLine, bool linesChanged, std::size_t editStart) = 0;
    // Lines [first, last] (or from `first` to the end of the view, or all) look otherwise.
    virtual void repaintLines(std::size_t first, std::size_t last) = 0;
    virtual void repaintFrom(std::size_t first) = 0;
    virtual void repaintAll() = 0;
    // The selection moved; lines [first, last] held the old one or hold the new one.
    virtual void selectionMoved(std::size_t first, std::size_t last) = 0;
    // The caret is where it should be seen: the view scrolls to it.
    virtual void showCaret() = 0;
    // A column block began: the caret is placed at its corner.
    virtual void columnBlockStarted() = 0;
    // A step a macro repeats is being taken (told before it changes anything).
    virtual void stepTaken(const EditStep& step) = 0;
};

constexpr std::size_t kUnknownEditStart = static_cast<std::size_t>(-1);

class EditSession : private LineChangeListener {
public:
    explicit EditSession(SessionView& view) : view_(view) { doc_.setListener(this); }
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    // Told about every change of the lines after the bookmarks were moved with them.
    void setLineListener(LineChangeListener* listener) { lineListener_ = listener; }
    Bookmarks& bookmarks() { return bookmarks_; }
    const Bookmarks& bookmarks() const { return bookmarks_; }
    TextDocument& document() { return doc_; }
    const TextDocument& document() const { return doc_; }
    const TextBuffer& text() const { return doc_.buffer(); }
    const Selection& selection() const { return selection_; }
    std::size_t caretLine() const { return text().lineOfOffset(selection_.caret); }
    bool columnMode() const { return columnMode_; }
    bool hasSelection() const { return columnMode_ || !selection_.empty(); }
    bool inSelection(std::size_t offset) const;
    ColumnBlock block() const;
    std::size_t blockCaretLine() const { return blockCaretLine_; }
    std::size_t blockCaretColumn() const { return blockCaretColumn_; }
    std::size_t preferredColumn() const { return preferredColumn_; }
    bool overwrite() const { return overwrite_; }
    // Counts every change of the text (edits, undo, redo, loads).
    unsigned long editCount() const { return editCount_; }
    // The selected text: a column block's lines joined by '\n'.
    std::string selectedText() const;

    // ---- the caret and the selection
    void setSelection(std::size_t anchor, std::size_t caret, bool keepColumn = false);
    // Ends a column block and the open undo group, then selects as setSelection.
    void moveCaret(std::size_t caret, bool extend, bool keepColumn = false);
    void selectAll();
    // Puts the selection where a load, a search or a replacement leaves it, telling the
    // view nothing (the caller repaints).
    void placeSelection(Selection selection);
    void endColumnMode() { columnMode_ = false; }
    void startColumnBlock(std::size_t line, std::size_t column);
    void extendColumnBlock(std::size_t line, std::size_t column);
    // Moves the block's moving corner by lines and columns (starting a block at the caret
    // when there is none), within the document's lines and from column 0.
    void moveColumnCorner(long long lines, long long columns);
    void setPreferredColumn(std::size_t column) { preferredColumn_ = column; }
    void toggleOverwrite();
    // Up and Down by `lines` (negative: up), into the column the caret keeps.
    void moveByLines(long long lines, bool extend);
    // After a load: counted as a change of the text.
    void noteNewText() { ++editCount_; }
    // Home: the first non-blank character of the line, or its start from there.
    std::size_t smartHome(std::size_t caret) const;

    // ---- editing
    void replaceSelection(std::string_view text, EditKind kind);
    void replaceRange(std::size_t pos, std::size_t length, std::string_view text, EditKind kind);
    void typeText(std::string_view text);
    void newLine();
    // Tab, or Shift+Tab with `outdent` (which no macro repeats).
    void insertTab(bool outdent);
    void shiftLines(bool outdent);
    void backspace(bool word);
    void deleteForward(bool word);
    void changeCase(CaseChange mode);
    // Moves (or copies) the selected text to `to`; a column block stays where it is.
    void moveSelectedText(std::size_t to, bool copy);
    bool undo() { return applyUndo(doc_.undo()); }
    bool redo() { return applyUndo(doc_.redo()); }
    // Changes the caller made to the document as one undo step, leaving the selection
    // `after`: the whole view is repainted.
    void afterReplacing(Selection after, std::size_t firstLine);
    // Several changes made as one undo step by the caller, from `firstLine` on.
    void afterEdit(std::size_t firstLine, bool linesChanged, std::size_t editStart = kUnknownEditStart);

    // Selects [a, b) (in either order, clamped to the text; a column block ends) and
    // replaces it by `text`, as an undo step of its own.
    void replaceBetween(std::size_t a, std::size_t b, std::string_view text);

    // ---- bookmarks: on the caret's line; going to the previous or next one wraps
    // around the document
    void toggleBookmark();
    void clearBookmarks();
    void goToBookmark(bool next);

    // ---- column editing: each change one undo step
    void deleteColumnBlock();
    void typeIntoColumns(std::string_view text);
    void deleteInColumns(bool forward);
    // Line k of `lines` goes into line k of the block (or from the caret down), as a column.
    void pasteAsColumn(const std::vector<std::string>& lines);

private:
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) override;
    bool utf8() const { return view_.rules().utf8; }
    std::string indentOf(std::size_t line, std::size_t upTo) const;
    bool applyUndo(const UndoResult& result);
    // The offset of `column` in `line`; a line ending before it is padded with spaces
    // when `pad` (the insertion recorded with `before`), else its end is given.
    std::size_t columnOffset(std::size_t line, std::size_t column, bool pad, Selection before);
    // Takes the block's columns out of every line it spans (inside a compound edit).
    void eraseColumns(const ColumnBlock& block, Selection before);
    // Replaces columns [left, right) on every line of the block by `text` (one undo step).
    void replaceColumns(std::size_t left, std::size_t right, std::string_view text);

    SessionView& view_;
    TextDocument doc_;
    Bookmarks bookmarks_;
    LineChangeListener* lineListener_ = nullptr;
    Selection selection_;
    bool columnMode_ = false;
    std::size_t blockAnchorLine_ = 0, blockAnchorColumn_ = 0;
    std::size_t blockCaretLine_ = 0, blockCaretColumn_ = 0;
    std::size_t preferredColumn_ = 0;
    bool overwrite_ = false;
    unsigned long editCount_ = 0;
};

} // namespace corvex
