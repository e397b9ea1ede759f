#include "corvex/engine/edit_session.h"

#include <algorithm>

namespace corvex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool OpensBlock(char c) { return c == '{' || c == '(' || c == '[' || c == ':'; }

std::string IndentUnit(const EditRules& rules)
{
    return rules.expandTabs ? std::string(rules.tabWidth, ' ') : std::string("\t");
}

} // namespace

void EditSession::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    bookmarks_.linesReplaced(first, oldCount, newCount);
    if (lineListener_)
        lineListener_->linesReplaced(first, oldCount, newCount);
}

// ---- the caret and the selection ------------------------------------------------------

bool EditSession::inSelection(std::size_t offset) const
{
    return !columnMode_ && !selection_.empty() && offset >= selection_.start() && offset < selection_.end();
}

ColumnBlock EditSession::block() const
{
    ColumnBlock block;
    block.firstLine = std::min(blockAnchorLine_, blockCaretLine_);
    block.lastLine = std::max(blockAnchorLine_, blockCaretLine_);
    block.leftColumn = std::min(blockAnchorColumn_, blockCaretColumn_);
    block.rightColumn = std::max(blockAnchorColumn_, blockCaretColumn_);
    return block;
}

std::string EditSession::selectedText() const
{
    if (!columnMode_)
        return text().text(selection_.start(), selection_.end() - selection_.start());
    const ColumnBlock area = block();
    const EditRules rules = view_.rules();
    std::string selected;
    for (std::size_t line = area.firstLine; line <= area.lastLine; ++line) {
        const std::size_t from = offsetOfColumn(text(), line, area.leftColumn, rules.tabWidth, rules.utf8);
        const std::size_t to = offsetOfColumn(text(), line, area.rightColumn, rules.tabWidth, rules.utf8);
        selected += text().text(from, to - from);
        if (line < area.lastLine)
            selected += '\n';
    }
    return selected;
}

void EditSession::setSelection(std::size_t anchor, std::size_t caret, bool keepColumn)
{
    const std::size_t size = doc_.size();
    anchor = std::min(anchor, size);
    caret = std::min(caret, size);
    const TextBuffer& buffer = text();
    const std::size_t oldFirst = buffer.lineOfOffset(selection_.start());
    const std::size_t oldLast = buffer.lineOfOffset(selection_.end());
    selection_ = Selection(anchor, caret);
    const std::size_t newFirst = buffer.lineOfOffset(selection_.start());
    const std::size_t newLast = buffer.lineOfOffset(selection_.end());
    view_.selectionMoved(std::min(oldFirst, newFirst), std::max(oldLast, newLast));
    if (!keepColumn)
        preferredColumn_ = view_.caretColumnToKeep();
    view_.showCaret();
}

void EditSession::moveCaret(std::size_t caret, bool extend, bool keepColumn)
{
    if (columnMode_) {
        columnMode_ = false;
        view_.repaintAll();
    }
    doc_.breakGroup();
    setSelection(extend ? selection_.anchor : caret, caret, keepColumn);
}

void EditSession::selectAll()
{
    moveCaret(0, false);
    setSelection(0, doc_.size());
}

void EditSession::placeSelection(Selection selection)
{
    selection_ = Selection(std::min(selection.anchor, doc_.size()), std::min(selection.caret, doc_.size()));
}

void EditSession::startColumnBlock(std::size_t line, std::size_t column)
{
    const EditRules rules = view_.rules();
    if (rules.wrapped)
        return;
    doc_.breakGroup();
    columnMode_ = true;
    blockAnchorLine_ = blockCaretLine_ = line;
    blockAnchorColumn_ = blockCaretColumn_ = column;
    selection_ = Selection(offsetOfColumn(text(), line, column, rules.tabWidth, rules.utf8));
    view_.columnBlockStarted();
}

void EditSession::extendColumnBlock(std::size_t line, std::size_t column)
{
    const ColumnBlock before = block();
    blockCaretLine_ = line;
    blockCaretColumn_ = column;
    const ColumnBlock after = block();
    const EditRules rules = view_.rules();
    selection_ = Selection(offsetOfColumn(text(), blockAnchorLine_, blockAnchorColumn_, rules.tabWidth, rules.utf8),
                           offsetOfColumn(text(), line, column, rules.tabWidth, rules.utf8));
    view_.repaintLines(std::min(before.firstLine, after.firstLine), std::max(before.lastLine, after.lastLine));
    view_.showCaret();
}

void EditSession::toggleOverwrite()
{
    view_.stepTaken(EditStep{EditStep::Kind::ToggleOverwrite, false, {}});
    overwrite_ = !overwrite_;
}

std::size_t EditSession::smartHome(std::size_t caret) const
{
    const TextBuffer& buffer = text();
    const std::size_t line = buffer.lineOfOffset(caret);
    const std::size_t start = buffer.lineStart(line), end = buffer.lineEnd(line);
    std::size_t firstText = start;
    while (firstText < end && IsBlank(buffer.at(firstText)))
        ++firstText;
    return caret == firstText ? start : firstText;
}

// ---- editing --------------------------------------------------------------------------

void EditSession::moveColumnCorner(long long lines, long long columns)
{
    if (!columnMode_)
        startColumnBlock(caretLine(), view_.columnOf(selection_.caret));
    const long long count = static_cast<long long>(text().lineCount());
    const long long line = static_cast<long long>(blockCaretLine_) + lines;
    const long long column = static_cast<long long>(blockCaretColumn_) + columns;
    extendColumnBlock(static_cast<std::size_t>(std::clamp<long long>(line, 0, count - 1)),
                      static_cast<std::size_t>(std::max<long long>(column, 0)));
}

void EditSession::moveByLines(long long lines, bool extend)
{
    const EditRules rules = view_.rules();
    const long long last = static_cast<long long>(text().lineCount()) - 1;
    const long long line = std::clamp<long long>(static_cast<long long>(caretLine()) + lines, 0, last);
    moveCaret(offsetOfColumn(text(), static_cast<std::size_t>(line), preferredColumn_, rules.tabWidth, rules.utf8),
              extend, true);
}

void EditSession::replaceBetween(std::size_t a, std::size_t b, std::string_view text)
{
    a = std::min(a, doc_.size());
    b = std::min(b, doc_.size());
    columnMode_ = false;
    doc_.breakGroup();
    setSelection(std::min(a, b), std::max(a, b));
    replaceSelection(text, EditKind::Other);
}

void EditSession::toggleBookmark()
{
    const std::size_t line = text().lineOfOffset(selection_.caret);
    bookmarks_.toggle(line);
    view_.repaintLines(line, line);
}

void EditSession::clearBookmarks()
{
    bookmarks_.clear();
    view_.repaintAll();
}

void EditSession::goToBookmark(bool next)
{
    const std::size_t line = text().lineOfOffset(selection_.caret);
    const std::optional<std::size_t> target = next ? bookmarks_.next(line) : bookmarks_.previous(line);
    if (target)
        moveCaret(text().lineStart(*target), false);
}

void EditSession::afterReplacing(Selection after, std::size_t firstLine)
{
    placeSelection(after);
    view_.repaintAll();
    afterEdit(firstLine, true);
}

void EditSession::afterEdit(std::size_t firstLine, bool linesChanged, std::size_t editStart)
{
    ++editCount_;
    view_.edited(firstLine, linesChanged, editStart);
    preferredColumn_ = view_.caretColumnToKeep();
    view_.showCaret();
}

void EditSession::replaceSelection(std::string_view text, EditKind kind)
{
    if (columnMode_)
        deleteColumnBlock();
    replaceRange(selection_.start(), selection_.end() - selection_.start(), text, kind);
}

void EditSession::replaceRange(std::size_t pos, std::size_t length, std::string_view inserted, EditKind kind)
{
    const std::size_t linesBefore = text().lineCount();
    const std::size_t firstLine = text().lineOfOffset(pos);
    const Selection after(pos + inserted.size());
    view_.beforeReplace(pos, length, inserted.size());
    try {
        doc_.replace(pos, length, inserted, selection_, after, kind);
    } catch (...) {
        view_.replaceFailed();  // no edit happened
        throw;
    }
    selection_ = after;
    afterEdit(firstLine, text().lineCount() != linesBefore || inserted.find('\n') != std::string_view::npos, pos);
}

void EditSession::typeText(std::string_view typed)
{
    if (typed.empty())
        return;
    view_.stepTaken(EditStep{EditStep::Kind::Text, false, typed});
    if (columnMode_) {
        typeIntoColumns(typed);
        return;
    }
    const EditRules rules = view_.rules();
    const TextBuffer& buffer = text();
    if (!hasSelection() && rules.autoIndent == AutoIndentRule::Smart && typed == "}") {
        // A closing brace typed into a blank indentation goes back one level.
        const std::size_t caret = selection_.caret;
        const std::size_t start = buffer.lineStart(buffer.lineOfOffset(caret));
        std::string indent = buffer.text(start, caret - start);
        if (!indent.empty() && std::all_of(indent.begin(), indent.end(), IsBlank)) {
            if (indent.back() == '\t') {
                indent.pop_back();
            } else {
                std::size_t spaces = 0;
                while (!indent.empty() && indent.back() == ' ' && spaces < rules.tabWidth) {
                    indent.pop_back();
                    ++spaces;
                }
            }
            doc_.breakGroup();
            setSelection(start, caret, true);
            replaceSelection(indent + "}", EditKind::Other);
            return;
        }
    }
    if (overwrite_ && !hasSelection()) {
        // As many characters as are typed are replaced, never the line end.
        const std::size_t caret = selection_.caret;
        const std::size_t end = buffer.lineEnd(buffer.lineOfOffset(caret));
        std::size_t replaced = caret;
        for (char c : typed) {
            const bool opensCharacter = !rules.utf8 || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (opensCharacter && replaced < end)
                replaced = std::min(nextCharOffset(buffer, replaced, rules.utf8), end);
        }
        replaceRange(caret, replaced - caret, typed, EditKind::Typing);
        return;
    }
    replaceSelection(typed, EditKind::Typing);
}

std::string EditSession::indentOf(std::size_t line, std::size_t upTo) const
{
    const TextBuffer& buffer = text();
    const std::size_t start = buffer.lineStart(line);
    std::size_t end = start;
    const std::size_t limit = std::min(upTo, buffer.lineEnd(line));
    while (end < limit && IsBlank(buffer.at(end)))
        ++end;
    return buffer.text(start, end - start);
}

void EditSession::newLine()
{
    view_.stepTaken(EditStep{EditStep::Kind::NewLine, false, {}});
    const EditRules rules = view_.rules();
    std::string inserted = "\n";
    if (rules.autoIndent != AutoIndentRule::None && !columnMode_) {
        const std::size_t caret = selection_.start();
        const std::size_t line = text().lineOfOffset(caret);
        inserted += indentOf(line, caret);
        if (rules.autoIndent == AutoIndentRule::Smart) {
            std::size_t p = caret;
            const std::size_t start = text().lineStart(line);
            while (p > start && IsBlank(text().at(p - 1)))
                --p;
            if (p > start && OpensBlock(text().at(p - 1)))
                inserted += IndentUnit(rules);
        }
    }
    replaceSelection(inserted, EditKind::Typing);
}

void EditSession::insertTab(bool outdent)
{
    if (!outdent)
        view_.stepTaken(EditStep{EditStep::Kind::Tab, false, {}});
    const TextBuffer& buffer = text();
    if (outdent ||
        (!columnMode_ && buffer.lineOfOffset(selection_.start()) != buffer.lineOfOffset(selection_.end()))) {
        shiftLines(outdent);
        return;
    }
    const EditRules rules = view_.rules();
    std::string tab = "\t";
    if (rules.expandTabs) {
        const std::size_t column = columnMode_ ? block().leftColumn : view_.columnOf(selection_.start());
        tab.assign(tabExpansion(column, rules.tabWidth), ' ');
    }
    // In a column block the tab goes onto every line of it, as typed text does.
    if (columnMode_)
        typeIntoColumns(tab);
    else
        replaceSelection(tab, EditKind::Typing);
}

// Tab over a selection of several lines indents each of them by one level; Shift+Tab
// takes one level (a tab, or up to a tab's width of spaces) off the caret's line or each
// selected line. One undo step.
void EditSession::shiftLines(bool outdent)
{
    columnMode_ = false;
    const EditRules rules = view_.rules();
    const TextBuffer& buffer = text();
    const Selection before = selection_;
    const std::size_t first = buffer.lineOfOffset(before.start());
    std::size_t last = buffer.lineOfOffset(before.end());
    const bool severalLines = last != first;
    if (severalLines && before.end() == buffer.lineStart(last))
        --last; // a selection ending at a line's start leaves that line alone
    const std::string unit = IndentUnit(rules);
    std::size_t caret = before.caret;
    doc_.beginCompound(before);
    for (std::size_t line = last + 1; line-- > first;) {
        const std::size_t start = buffer.lineStart(line);
        if (!outdent) {
            if (buffer.lineLength(line) > 0)
                doc_.insert(start, unit, before, before);
            continue;
        }
        std::size_t removed = 0;
        if (buffer.at(start) == '\t' && buffer.lineLength(line) > 0)
            removed = 1;
        else
            while (removed < rules.tabWidth && removed < buffer.lineLength(line) && buffer.at(start + removed) == ' ')
                ++removed;
        if (removed)
            doc_.erase(start, removed, before, before);
        if (!severalLines && caret >= start)
            caret -= std::min(removed, caret - start);
    }
    const std::size_t end = last + 1 < buffer.lineCount() ? buffer.lineStart(last + 1) : buffer.size();
    const Selection after = severalLines ? Selection(buffer.lineStart(first), end) : Selection(caret);
    doc_.endCompound(after);
    selection_ = after;
    view_.repaintLines(first, last);
    afterEdit(first, false);
}

void EditSession::backspace(bool word)
{
    view_.stepTaken(EditStep{EditStep::Kind::Backspace, word, {}});
    if (columnMode_) {
        deleteInColumns(false);
        return;
    }
    if (hasSelection()) {
        replaceSelection("", EditKind::Other);
        return;
    }
    const std::size_t caret = selection_.caret;
    if (caret == 0)
        return;
    const std::size_t from = word ? wordLeft(text(), caret) : prevCharOffset(text(), caret, utf8());
    replaceRange(from, caret - from, "", EditKind::Backspace);
}

void EditSession::deleteForward(bool word)
{
    view_.stepTaken(EditStep{EditStep::Kind::Delete, word, {}});
    if (columnMode_) {
        deleteInColumns(true);
        return;
    }
    if (hasSelection()) {
        replaceSelection("", EditKind::Other);
        return;
    }
    const std::size_t caret = selection_.caret;
    if (caret >= doc_.size())
        return;
    const std::size_t to = word ? wordRight(text(), caret) : nextCharOffset(text(), caret, utf8());
    replaceRange(caret, to - caret, "", EditKind::DeleteForward);
}

void EditSession::changeCase(CaseChange mode)
{
    if (columnMode_ || selection_.empty())
        return;
    const std::size_t start = selection_.start(), end = selection_.end();
    if (doc_.changeCase(start, end, mode, utf8(), selection_, selection_)) {
        view_.repaintLines(text().lineOfOffset(start), text().lineOfOffset(end));
        afterEdit(text().lineOfOffset(start), false);
    }
}

void EditSession::moveSelectedText(std::size_t to, bool copy)
{
    if (columnMode_)
        return;  // only a stream of text is dragged
    const Selection before = selection_;
    const std::size_t start = before.start(), end = before.end();
    if (!copy && to >= start && to <= end) {
        moveCaret(to, false);
        return;
    }
    const std::string moved = selectedText();
    const std::size_t firstLine = text().lineOfOffset(std::min(start, to));
    doc_.beginCompound(before);
    std::size_t at = to;
    if (copy) {
        doc_.insert(to, moved, before, Selection(to, to + moved.size()));
    } else if (to > end) {
        doc_.insert(to, moved, before, before);
        doc_.erase(start, end - start, before, before);
        at = to - moved.size();
    } else {
        doc_.erase(start, end - start, before, before);
        doc_.insert(to, moved, before, before);
    }
    const Selection after(at, at + moved.size());
    doc_.endCompound(after);
    selection_ = after;
    afterEdit(firstLine, true);
}

bool EditSession::applyUndo(const UndoResult& result)
{
    if (!result.done)
        return false;
    columnMode_ = false;
    selection_ = result.selection;
    view_.repaintAll();
    afterEdit(text().lineOfOffset(result.changeStart), true, result.changeStart);
    return true;
}

// ---- column editing -------------------------------------------------------------------
// Lines that end left of the block are padded with spaces where text goes in, and left
// alone where text goes out.

std::size_t EditSession::columnOffset(std::size_t line, std::size_t column, bool pad, Selection before)
{
    const EditRules rules = view_.rules();
    const std::size_t width = lineWidth(text(), line, rules.tabWidth, rules.utf8);
    if (width >= column)
        return offsetOfColumn(text(), line, column, rules.tabWidth, rules.utf8);
    const std::size_t end = text().lineEnd(line);
    if (!pad)
        return end;
    doc_.insert(end, std::string(column - width, ' '), before, before);
    return end + (column - width);
}

void EditSession::eraseColumns(const ColumnBlock& area, Selection before)
{
    const EditRules rules = view_.rules();
    for (std::size_t line = area.firstLine; line <= area.lastLine; ++line) {
        const std::size_t from = offsetOfColumn(text(), line, area.leftColumn, rules.tabWidth, rules.utf8);
        const std::size_t to = offsetOfColumn(text(), line, area.rightColumn, rules.tabWidth, rules.utf8);
        if (to > from)
            doc_.erase(from, to - from, before, before);
    }
}

void EditSession::deleteColumnBlock()
{
    const ColumnBlock area = block();
    const EditRules rules = view_.rules();
    const Selection before = selection_;
    doc_.beginCompound(before);
    eraseColumns(area, before);
    const Selection after(offsetOfColumn(text(), area.firstLine, area.leftColumn, rules.tabWidth, rules.utf8));
    doc_.endCompound(after);
    columnMode_ = false;
    selection_ = after;
    view_.repaintFrom(area.firstLine);
    afterEdit(area.firstLine, false);
}

void EditSession::replaceColumns(std::size_t left, std::size_t right, std::string_view inserted)
{
    const ColumnBlock area = block();
    const EditRules rules = view_.rules();
    const unsigned tab = rules.tabWidth;
    const Selection before = selection_;
    doc_.breakGroup();
    doc_.beginCompound(before);
    std::size_t firstEdit = doc_.size();
    for (std::size_t line = area.firstLine; line <= area.lastLine; ++line) {
        if (inserted.empty() && lineWidth(text(), line, tab, rules.utf8) <= left)
            continue;  // nothing to take out of a line that ends before the block
        const std::size_t from = columnOffset(line, left, !inserted.empty(), before);
        const std::size_t to = std::max(from, offsetOfColumn(text(), line, right, tab, rules.utf8));
        if (to > from || !inserted.empty())
            doc_.replace(from, to - from, inserted, before, before, EditKind::Other);
        firstEdit = std::min(firstEdit, from);
    }
    // The block becomes an insertion point after the new text, still on every line.
    const std::size_t start = offsetOfColumn(text(), area.firstLine, left, tab, rules.utf8);
    const std::size_t column =
        inserted.empty() ? left : columnOfOffset(text(), start + inserted.size(), tab, rules.utf8);
    blockAnchorColumn_ = blockCaretColumn_ = column;
    selection_ = Selection(offsetOfColumn(text(), blockCaretLine_, column, tab, rules.utf8));
    doc_.endCompound(selection_);
    doc_.breakGroup();
    view_.repaintFrom(area.firstLine);
    afterEdit(area.firstLine, false, std::min(firstEdit, selection_.caret));
}

void EditSession::typeIntoColumns(std::string_view typed)
{
    const ColumnBlock area = block();
    replaceColumns(area.leftColumn, area.rightColumn, typed);
}

void EditSession::deleteInColumns(bool forward)
{
    const ColumnBlock area = block();
    if (area.rightColumn > area.leftColumn)
        replaceColumns(area.leftColumn, area.rightColumn, "");
    else if (forward)
        replaceColumns(area.leftColumn, area.leftColumn + 1, "");
    else if (area.leftColumn > 0)
        replaceColumns(area.leftColumn - 1, area.leftColumn, "");
}

void EditSession::pasteAsColumn(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::size_t line = text().lineOfOffset(selection_.caret), column = view_.columnOf(selection_.caret);
    if (columnMode_) {
        const ColumnBlock area = block();
        if (lines.size() == 1) {  // one line goes onto every line of the block
            replaceColumns(area.leftColumn, area.rightColumn, lines.front());
            return;
        }
        line = area.firstLine;
        column = area.leftColumn;
    }
    const Selection before = selection_;
    doc_.breakGroup();
    doc_.beginCompound(before);
    if (columnMode_)
        eraseColumns(block(), before);
    std::size_t end = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (line + k >= text().lineCount())
            doc_.insert(doc_.size(), "\n", before, before);  // the column runs past the last line
        const std::size_t at = columnOffset(line + k, column, true, before);
        doc_.insert(at, lines[k], before, before);
        end = at + lines[k].size();
    }
    columnMode_ = false;
    selection_ = Selection(end);
    doc_.endCompound(selection_);
    doc_.breakGroup();
    view_.repaintFrom(line);
    afterEdit(line, true, text().lineStart(line));
}

} // namespace corvex
