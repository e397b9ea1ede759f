// The caret and the selection: moving them, keeping the view on the caret, and the
// rectangular (column) selection made with Alt+drag.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

void Editor::SetSelection(std::size_t anchor, std::size_t caret, bool keepColumn)
{
    const std::size_t size = doc_.size();
    anchor = std::min(anchor, size);
    caret = std::min(caret, size);
    const TextBuffer& text = Text();
    const std::size_t oldFirst = text.lineOfOffset(selection_.start());
    const std::size_t oldLast = text.lineOfOffset(selection_.end());
    selection_ = Selection(anchor, caret);
    // A far jump (Ctrl+End, a click far down, go to line): the gap follows the caret while
    // the user is idle (a timer comes after every input and paint), not on the keystroke.
    if (text.gapDistance(caret) > kFarFromGap)
        SetTimer(window_, kGapTimer, USER_TIMER_MINIMUM, nullptr);
    const std::size_t newFirst = text.lineOfOffset(selection_.start());
    const std::size_t newLast = text.lineOfOffset(selection_.end());
    InvalidateLines(std::min(oldFirst, newFirst), std::max(oldLast, newLast));
    if (!keepColumn)
        preferredColumn_ = Wrapping() ? CaretViewColumn() : CaretColumn();
    if (Wrapping())
        NoteCaretLineRows();
    ScrollToCaret();
}

void Editor::OnGapTimer()
{
    KillTimer(window_, kGapTimer);
    doc_.prepareEditAt(selection_.caret);
}

void Editor::MoveCaret(std::size_t caret, bool extend, bool keepColumn)
{
    if (columnMode_) {
        columnMode_ = false;
        InvalidateRect(window_, nullptr, FALSE);
    }
    doc_.breakGroup();
    SetSelection(extend ? selection_.anchor : caret, caret, keepColumn);
}

void Editor::SelectAll()
{
    MoveCaret(0, false);
    SetSelection(0, doc_.size());
}

void Editor::MoveVertically(long lines, bool extend)
{
    if (Wrapping()) {
        MoveByRows(lines, extend);
        return;
    }
    const long long last = static_cast<long long>(Text().lineCount()) - 1;
    const long long line = std::clamp<long long>(static_cast<long long>(CaretLine()) + lines, 0, last);
    const std::size_t offset =
        offsetOfColumn(Text(), static_cast<std::size_t>(line), preferredColumn_, options_.tabWidth(), Utf8());
    MoveCaret(offset, extend, true);
}

std::size_t Editor::LineEndOffset(std::size_t line) const { return Text().lineEnd(line); }

// Home goes to the first non-blank character of the line, or to the line's start when
// the caret is already there.
std::size_t Editor::SmartHome(std::size_t caret) const
{
    const TextBuffer& text = Text();
    const std::size_t line = text.lineOfOffset(caret);
    const std::size_t start = text.lineStart(line), end = text.lineEnd(line);
    std::size_t firstText = start;
    while (firstText < end && (text.at(firstText) == ' ' || text.at(firstText) == '\t'))
        ++firstText;
    return caret == firstText ? start : firstText;
}

void Editor::StartColumnBlock(std::size_t line, std::size_t column)
{
    if (Wrapping())  // wrapped rows have no columns in common
        return;
    doc_.breakGroup();
    columnMode_ = true;
    blockAnchorLine_ = blockCaretLine_ = line;
    blockAnchorColumn_ = blockCaretColumn_ = column;
    const std::size_t offset = offsetOfColumn(Text(), line, column, options_.tabWidth(), Utf8());
    selection_ = Selection(offset);
    InvalidateRect(window_, nullptr, FALSE);
    PlaceCaret();
}

void Editor::ExtendColumnBlock(std::size_t line, std::size_t column)
{
    const ColumnBlock before = Block();
    blockCaretLine_ = line;
    blockCaretColumn_ = column;
    const ColumnBlock after = Block();
    const unsigned tab = options_.tabWidth();
    selection_ = Selection(offsetOfColumn(Text(), blockAnchorLine_, blockAnchorColumn_, tab, Utf8()),
                           offsetOfColumn(Text(), line, column, tab, Utf8()));
    InvalidateLines(std::min(before.firstLine, after.firstLine), std::max(before.lastLine, after.lastLine));
    ScrollToCaret();
}

ColumnBlock Editor::Block() const
{
    ColumnBlock block;
    block.firstLine = std::min(blockAnchorLine_, blockCaretLine_);
    block.lastLine = std::max(blockAnchorLine_, blockCaretLine_);
    block.leftColumn = std::min(blockAnchorColumn_, blockCaretColumn_);
    block.rightColumn = std::max(blockAnchorColumn_, blockCaretColumn_);
    return block;
}

std::string Editor::SelectedText() const
{
    if (!columnMode_)
        return Text().text(selection_.start(), selection_.end() - selection_.start());
    const ColumnBlock block = Block();
    const unsigned tab = options_.tabWidth();
    std::string text;
    for (std::size_t line = block.firstLine; line <= block.lastLine; ++line) {
        const std::size_t from = offsetOfColumn(Text(), line, block.leftColumn, tab, Utf8());
        const std::size_t to = offsetOfColumn(Text(), line, block.rightColumn, tab, Utf8());
        text += Text().text(from, to - from);
        if (line < block.lastLine)
            text += '\n';
    }
    return text;
}

bool Editor::InSelection(std::size_t offset) const
{
    return !columnMode_ && !selection_.empty() && offset >= selection_.start() && offset < selection_.end();
}

} // namespace corvex
