// Changing the text: typing (grouped into words by the document's undo), overwrite,
// Enter with auto-indent, Tab, deleting, case changes, moving the selection by drag and
// drop, and undo/redo. Each change repaints only the lines it touched, or everything
// below it when lines were added or removed.
#include "corvex/editor.h"
#include "corvex/dialogs/wide_text.h"

#include <algorithm>

namespace corvex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool OpensBlock(char c) { return c == '{' || c == '(' || c == '[' || c == ':'; }

} // namespace

void Editor::AfterEdit(std::size_t firstLine, bool linesChanged, std::size_t editStart)
{
    ++editCount_;
    lastEditStart_ = editStart;
    ForgetMarksFrom(editStart);
    if (editStart == kUnknownEditStart)
        wrap_.clear();
    else
        wrap_.forgetFrom(editStart);
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
    rowsBeforeEdit_.valid = false;
    NoteLineWidth(CaretLine());
    preferredColumn_ = Wrapping() ? CaretViewColumn() : CaretColumn();
    ScrollToCaret();
}

void Editor::ReplaceSelection(std::string_view text, EditKind kind)
{
    if (columnMode_)
        DeleteColumnBlock();
    ReplaceRange(selection_.start(), selection_.end() - selection_.start(), text, kind);
}

void Editor::ReplaceRange(std::size_t pos, std::size_t length, std::string_view text, EditKind kind)
{
    const std::size_t linesBefore = Text().lineCount();
    const std::size_t firstLine = Text().lineOfOffset(pos);
    const Selection after(pos + text.size());
    NoteRowsBeforeEdit(pos, length, text.size());
    try {
        doc_.replace(pos, length, text, selection_, after, kind);
    } catch (...) {
        rowsBeforeEdit_.valid = false;  // no edit happened
        throw;
    }
    selection_ = after;
    AfterEdit(firstLine, Text().lineCount() != linesBefore || text.find('\n') != std::string_view::npos, pos);
}

void Editor::DeleteColumnBlock()
{
    const ColumnBlock block = Block();
    const Selection before = selection_;
    doc_.beginCompound(before);
    EraseColumns(block, before);
    const Selection after(offsetOfColumn(Text(), block.firstLine, block.leftColumn, options_.tabWidth(), Utf8()));
    doc_.endCompound(after);
    columnMode_ = false;
    selection_ = after;
    InvalidateFrom(block.firstLine);
    AfterEdit(block.firstLine, false);
}

void Editor::TypeText(std::string_view text)
{
    if (text.empty())
        return;
    if (columnMode_) {
        TypeIntoColumns(text);
        return;
    }
    const TextBuffer& buffer = Text();
    if (!HasSelection() && options_.autoIndent == AutoIndentSmart && text == "}") {
        // A closing brace typed into a blank indentation goes back one level.
        const std::size_t caret = selection_.caret;
        const std::size_t start = buffer.lineStart(buffer.lineOfOffset(caret));
        std::string indent = buffer.text(start, caret - start);
        if (!indent.empty() && std::all_of(indent.begin(), indent.end(), IsBlank)) {
            if (indent.back() == '\t') {
                indent.pop_back();
            } else {
                std::size_t spaces = 0;
                while (!indent.empty() && indent.back() == ' ' && spaces < options_.tabWidth()) {
                    indent.pop_back();
                    ++spaces;
                }
            }
            doc_.breakGroup();
            SetSelection(start, caret, true);
            ReplaceSelection(indent + "}", EditKind::Other);
            return;
        }
    }
    if (overwrite_ && !HasSelection()) {
        // As many characters as are typed are replaced, never the line end.
        const std::size_t caret = selection_.caret;
        const std::size_t end = buffer.lineEnd(buffer.lineOfOffset(caret));
        std::size_t replaced = caret;
        for (char c : text) {
            const bool opensCharacter = !Utf8() || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (opensCharacter && replaced < end)
                replaced = std::min(nextCharOffset(buffer, replaced, Utf8()), end);
        }
        ReplaceRange(caret, replaced - caret, text, EditKind::Typing);
        return;
    }
    ReplaceSelection(text, EditKind::Typing);
}

void Editor::TypeCharacter(wchar_t unit)
{
    std::wstring units;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        pendingSurrogate_ = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (!pendingSurrogate_)
            return;
        units = {pendingSurrogate_, unit};
    } else {
        units = {unit};
    }
    pendingSurrogate_ = 0;
    const std::string text = DocumentText(units);
    if (!text.empty())
        TypeText(text);
}

std::string Editor::IndentOf(std::size_t line, std::size_t upTo) const
{
    const TextBuffer& text = Text();
    const std::size_t start = text.lineStart(line);
    std::size_t end = start;
    const std::size_t limit = std::min(upTo, text.lineEnd(line));
    while (end < limit && IsBlank(text.at(end)))
        ++end;
    return text.text(start, end - start);
}

void Editor::NewLine()
{
    std::string text = "\n";
    if (options_.autoIndent != AutoIndentNone && !columnMode_) {
        const std::size_t caret = selection_.start();
        const std::size_t line = Text().lineOfOffset(caret);
        text += IndentOf(line, caret);
        if (options_.autoIndent == AutoIndentSmart) {
            std::size_t p = caret;
            const std::size_t start = Text().lineStart(line);
            while (p > start && IsBlank(Text().at(p - 1)))
                --p;
            if (p > start && OpensBlock(Text().at(p - 1)))
                text += options_.tabExpand ? std::string(options_.tabWidth(), ' ') : std::string("\t");
        }
    }
    ReplaceSelection(text, EditKind::Typing);
}

void Editor::InsertTab(bool outdent)
{
    const TextBuffer& text = Text();
    if (outdent || (!columnMode_ && text.lineOfOffset(selection_.start()) != text.lineOfOffset(selection_.end()))) {
        ShiftLines(outdent);
        return;
    }
    if (!options_.tabExpand) {
        ReplaceSelection("\t", EditKind::Typing);
        return;
    }
    const std::size_t column = columnMode_ ? Block().leftColumn : ColumnOf(selection_.start());
    ReplaceSelection(std::string(tabExpansion(column, options_.tabWidth()), ' '), EditKind::Typing);
}

// Tab over a selection of several lines indents each of them by one level; Shift+Tab
// takes one level (a tab, or up to a tab's width of spaces) off the caret's line or each
// selected line. One undo step.
void Editor::ShiftLines(bool outdent)
{
    columnMode_ = false;
    const TextBuffer& text = Text();
    const Selection before = selection_;
    const std::size_t first = text.lineOfOffset(before.start());
    std::size_t last = text.lineOfOffset(before.end());
    const bool severalLines = last != first;
    if (severalLines && before.end() == text.lineStart(last))
        --last; // a selection ending at a line's start leaves that line alone
    const std::string unit = options_.tabExpand ? std::string(options_.tabWidth(), ' ') : std::string("\t");
    std::size_t caret = before.caret;
    doc_.beginCompound(before);
    for (std::size_t line = last + 1; line-- > first;) {
        const std::size_t start = text.lineStart(line);
        if (!outdent) {
            if (text.lineLength(line) > 0)
                doc_.insert(start, unit, before, before);
            continue;
        }
        std::size_t removed = 0;
        if (text.at(start) == '\t' && text.lineLength(line) > 0)
            removed = 1;
        else
            while (removed < options_.tabWidth() && removed < text.lineLength(line) && text.at(start + removed) == ' ')
                ++removed;
        if (removed)
            doc_.erase(start, removed, before, before);
        if (!severalLines && caret >= start)
            caret -= std::min(removed, caret - start);
    }
    const std::size_t end = last + 1 < text.lineCount() ? text.lineStart(last + 1) : text.size();
    const Selection after = severalLines ? Selection(text.lineStart(first), end) : Selection(caret);
    doc_.endCompound(after);
    selection_ = after;
    InvalidateLines(first, last);
    AfterEdit(first, false);
}

void Editor::Backspace(bool word)
{
    if (columnMode_) {
        DeleteInColumns(false);
        return;
    }
    if (HasSelection()) {
        ReplaceSelection("", EditKind::Other);
        return;
    }
    const std::size_t caret = selection_.caret;
    if (caret == 0)
        return;
    const std::size_t from = word ? wordLeft(Text(), caret) : prevCharOffset(Text(), caret, Utf8());
    ReplaceRange(from, caret - from, "", EditKind::Backspace);
}

void Editor::DeleteForward(bool word)
{
    if (columnMode_) {
        DeleteInColumns(true);
        return;
    }
    if (HasSelection()) {
        ReplaceSelection("", EditKind::Other);
        return;
    }
    const std::size_t caret = selection_.caret;
    if (caret >= doc_.size())
        return;
    const std::size_t to = word ? wordRight(Text(), caret) : nextCharOffset(Text(), caret, Utf8());
    ReplaceRange(caret, to - caret, "", EditKind::DeleteForward);
}

void Editor::ChangeSelectionCase(CaseChange mode)
{
    if (columnMode_ || selection_.empty())
        return;
    const std::size_t start = selection_.start(), end = selection_.end();
    if (doc_.changeCase(start, end, mode, Utf8(), selection_, selection_)) {
        InvalidateLines(Text().lineOfOffset(start), Text().lineOfOffset(end));
        AfterEdit(Text().lineOfOffset(start), false);
    }
}

void Editor::MoveSelectedText(std::size_t to, bool copy)
{
    const Selection before = selection_;
    const std::size_t start = before.start(), end = before.end();
    if (!copy && to >= start && to <= end) {
        MoveCaret(to, false);
        return;
    }
    const std::string text = SelectedText();
    const std::size_t firstLine = Text().lineOfOffset(std::min(start, to));
    doc_.beginCompound(before);
    std::size_t at = to;
    if (copy) {
        doc_.insert(to, text, before, Selection(to, to + text.size()));
    } else if (to > end) {
        doc_.insert(to, text, before, before);
        doc_.erase(start, end - start, before, before);
        at = to - text.size();
    } else {
        doc_.erase(start, end - start, before, before);
        doc_.insert(to, text, before, before);
    }
    const Selection after(at, at + text.size());
    doc_.endCompound(after);
    selection_ = after;
    AfterEdit(firstLine, true);
}

void Editor::ApplyUndo(const UndoResult& result)
{
    if (!result.done)
        return;
    columnMode_ = false;
    selection_ = result.selection;
    InvalidateRect(window_, nullptr, FALSE);
    AfterEdit(Text().lineOfOffset(result.changeStart), true, result.changeStart);
}

std::string Editor::DocumentText(const std::wstring& text) const
{
    if (Utf8())
        return Utf8FromWide(text);
    // Text held as the file's own bytes (a file the code page cannot describe): a
    // character the code page has no byte for is refused, never replaced by a look-alike
    // or a question mark.
    std::optional<std::string> bytes = AnsiFromWide(text);
    if (!bytes) {
        MessageBeep(MB_ICONWARNING);
        return {};
    }
    return *bytes;
}

std::wstring Editor::DisplayText(std::string_view text) const
{
    return Utf8() ? WideFromUtf8(text) : WideFromAnsi(text);
}

std::optional<std::string> Editor::DocumentTextOfUtf8(std::string_view utf8) const
{
    if (Utf8())
        return std::string(utf8);
    return AnsiFromWide(WideFromUtf8(utf8));
}

} // namespace corvex
