// The view's side of the edit session: the rules in force, and what the screen does when
// the text, the caret or the selection changed.
#include "corvex/editor.h"

namespace corvex {

EditRules Editor::rules() const
{
    EditRules rules;
    rules.tabWidth = options_.tabWidth();
    rules.expandTabs = options_.tabExpand != 0;
    rules.autoIndent = options_.autoIndent == AutoIndentNone   ? AutoIndentRule::None
                       : options_.autoIndent == AutoIndentSmart ? AutoIndentRule::Smart
                                                                : AutoIndentRule::Keep;
    rules.utf8 = Utf8();
    rules.wrapped = Wrapping();
    return rules;
}

std::size_t Editor::caretColumnToKeep() const { return Wrapping() ? CaretViewColumn() : CaretColumn(); }

void Editor::beforeReplace(std::size_t pos, std::size_t length, std::size_t inserted)
{
    rowsBeforeEdit_.forget();
    // As many rows as the screen can show below the edit (they are known: they were painted).
    if (Wrapping())
        rowsBeforeEdit_.note(Walk(), pos, length, inserted, VisibleLines() + 2);
}

void Editor::replaceFailed() { rowsBeforeEdit_.forget(); }

void Editor::edited(std::size_t firstLine, bool linesChanged, std::size_t editStart)
{
    lastEditStart_ = editStart;
    if (editStart == kUnknownEditStart) {
        columnMarks_.forgetAll();
        wrap_.clear();
    } else {
        columnMarks_.forgetFrom(editStart);
        wrap_.forgetFrom(editStart);
    }
    if (linesChanged || GutterWidth() != paintedGutter_) {
        InvalidateFrom(firstLine);
        if (GutterWidth() != paintedGutter_)
            InvalidateRect(window_, nullptr, FALSE);
        paintedGutter_ = GutterWidth();
        UpdateScrollBars();
    } else {
        invalidatingEdit_ = true;
        InvalidateLines(firstLine, firstLine);
        invalidatingEdit_ = false;
    }
    rowsBeforeEdit_.forget();
    if (widest_.note(Text(), session_.caretLine(), options_.tabWidth(), Utf8()))
        UpdateScrollBars();
}

void Editor::repaintAll() { InvalidateRect(window_, nullptr, FALSE); }

void Editor::selectionMoved(std::size_t first, std::size_t last)
{
    InvalidateLines(first, last);
    // With wrap, the rows of the caret's line as they are now, to tell whether an edit
    // there changes their number.
    const std::size_t line = session_.caretLine();
    if (Wrapping() && Text().lineLength(line) < WrapRows::kRememberedLineBytes)
        wrapCheck_ = {line, Rows().rowCount(Text(), line)};
}

void Editor::columnBlockStarted()
{
    InvalidateRect(window_, nullptr, FALSE);
    PlaceCaret();
}

} // namespace corvex
