// The view with word wrap on: a line is shown as rows the width of the view, and the
// view's top is a row of a line (topLine_, topRow_). Rows are found only for what is on
// the screen and for the steps that scrolling and the caret take (the scroll bar keeps
// counting lines), so a huge file or a huge line costs no more than without wrap.
// Everything that counts lines for the user (the position record, the status line, line
// numbers) keeps counting lines.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

WrapRows& Editor::Rows() const
{
    // A column to spare at the right, where the split box sits.
    const std::size_t width = std::max<std::size_t>(VisibleColumns(), 2) - 1;
    wrap_.setLayout(WrapLayout{width, options_.tabWidth(), Utf8()});
    return wrap_;
}

WrapRows::Row Editor::RowAt(RowPos pos) const { return Rows().row(Text(), pos.line, pos.row); }

Editor::RowPos Editor::RowOfOffset(std::size_t offset) const
{
    const std::size_t line = Text().lineOfOffset(offset);
    return RowPos{line, Rows().rowOf(Text(), offset).index};
}

Editor::RowPos Editor::StepRows(RowPos from, long long delta) const
{
    const TextBuffer& text = Text();
    const std::size_t lastLine = text.lineCount() - 1;
    RowPos pos{std::min(from.line, lastLine), RowAt(from).index};
    for (; delta > 0; --delta) {
        const WrapRows::Row row = RowAt(pos);
        if (row.end < text.lineStart(pos.line) + text.lineLength(pos.line))
            ++pos.row;
        else if (pos.line < lastLine)
            pos = RowPos{pos.line + 1, 0};
        else
            break;
    }
    for (; delta < 0; ++delta) {
        if (pos.row > 0)
            --pos.row;
        else if (pos.line > 0)
            pos = RowPos{pos.line - 1, Rows().rowCount(text, pos.line - 1) - 1};
        else
            break;
    }
    return pos;
}

Editor::RowPos Editor::RowAtY(int y) const
{
    y -= ViewTop();
    const long long rows = y < 0 ? -1 - (-y - 1) / lineHeight_ : y / lineHeight_;
    return StepRows(RowPos{topLine_, topRow_}, rows);
}

long long Editor::RowsFromTop(RowPos pos, long long limit) const
{
    const RowPos top{topLine_, topRow_};
    const bool above = pos.line < top.line || (pos.line == top.line && pos.row < top.row);
    RowPos at = top;
    for (long long k = 0; k <= limit; ++k) {
        if (at.line == pos.line && at.row == pos.row)
            return above ? -k : k;
        const RowPos next = StepRows(at, above ? -1 : 1);
        if (next.line == at.line && next.row == at.row)
            break;  // the document's first or last row
        at = next;
    }
    return above ? -(limit + 1) : limit + 1;
}

std::size_t Editor::OffsetInRow(RowPos pos, std::size_t viewColumn) const
{
    const WrapRows::Row row = RowAt(pos);
    const std::size_t offset = offsetOfColumn(Text(), pos.line, row.column + viewColumn, options_.tabWidth(), Utf8());
    const std::size_t lineEnd = Text().lineStart(pos.line) + Text().lineLength(pos.line);
    // The end of a row that is not the line's last is the next row's start: the caret
    // stays on this row before its last character instead.
    if (offset >= row.end && row.end < lineEnd)
        return std::max(row.start, prevCharOffset(Text(), row.end, Utf8()));
    return std::max(offset, row.start);
}

std::size_t Editor::CaretViewColumn() const
{
    const WrapRows::Row row = Rows().rowOf(Text(), session_.selection().caret);
    const std::size_t column = CaretColumn();
    return column > row.column ? column - row.column : 0;
}

void Editor::ScrollToRow(RowPos top)
{
    const std::size_t lastLine = Text().lineCount() - 1;
    top.line = std::min(top.line, lastLine);
    top.row = RowAt(top).index;
    if (top.line == topLine_ && top.row == topRow_ && leftColumn_ == 0)
        return;
    topLine_ = top.line;
    topRow_ = top.row;
    leftColumn_ = 0;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::ScrollRows(long long rows) { ScrollToRow(StepRows(RowPos{topLine_, topRow_}, rows)); }

void Editor::ScrollToCaretRow()
{
    const RowPos caret = RowOfOffset(session_.selection().caret);
    const long long visible = static_cast<long long>(VisibleLines());
    const long long distance = RowsFromTop(caret, visible);
    if (distance < 0)
        ScrollToRow(caret);
    else if (distance >= visible)
        ScrollToRow(StepRows(caret, -(visible - 1)));
    PlaceCaret();
}

void Editor::MoveByRows(long long rows, bool extend)
{
    const RowPos target = StepRows(RowOfOffset(session_.selection().caret), rows);
    session_.moveCaret(OffsetInRow(target, session_.preferredColumn()), extend, true);
}

std::size_t Editor::RowHome(std::size_t caret) const
{
    const WrapRows::Row row = Rows().rowOf(Text(), caret);
    return row.index == 0 ? session_.smartHome(caret) : row.start;
}

std::size_t Editor::RowEnd(std::size_t caret) const
{
    const RowPos pos = RowOfOffset(caret);
    return OffsetInRow(pos, static_cast<std::size_t>(-1) / 2);
}

int Editor::YOfRowPos(RowPos pos) const
{
    const long long rows = RowsFromTop(pos, static_cast<long long>(VisibleLines()) + 1);
    return ViewTop() + static_cast<int>(rows * lineHeight_);
}

void Editor::InvalidateWrappedLines(std::size_t first, std::size_t last)
{
    // When an edit left the line's rows as many as they were, only they are painted again;
    // otherwise everything below them moves.
    // (Counting the rows of a long line would walk it: such a line repaints what is below.)
    const bool edit = invalidatingEdit_;
    const bool countable = edit && first == last && first < Text().lineCount() &&
                           Text().lineLength(first) < WrapRows::kRememberedLineBytes;
    const std::size_t rows = countable ? Rows().rowCount(Text(), first) : 0;
    const bool same = countable && wrapCheck_.line == first && wrapCheck_.rows == rows;
    if (edit)
        wrapCheck_ = {first, rows};
    if (last < topLine_)
        return;
    int y = first <= topLine_ ? ViewTop() : YOfRowPos(RowPos{first, 0});
    if (edit && first == last && lastEditStart_ != kUnknownEditStart && lastEditStart_ <= Text().size() &&
        Text().lineOfOffset(lastEditStart_) == first) {
        // Rows above the one before the edit keep their breaks: the rows of a long line
        // are painted again from there on, not from the line's start.
        y = std::max(y, YOfRowPos(StepRows(RowOfOffset(lastEditStart_), -1)));
    }
    int bottom = ViewBottom();
    if (same)
        bottom = std::min<long long>(bottom, y + static_cast<long long>(rows + 1) * lineHeight_);
    // Colours carry from row to row (a quote or a comment opened by the edit changes the
    // rows below although their text stays), so a coloured line repaints what is below.
    if (edit && first == last && !countable && !Colouring() && rowsBeforeEdit_.valid &&
        rowsBeforeEdit_.line == first) {
        const long long unchanged = FirstUnchangedRow(first, rowsBeforeEdit_.firstIndex);
        if (unchanged >= 0)
            bottom = std::min(bottom, YOfRowPos(RowPos{first, static_cast<std::size_t>(unchanged)}));
    }
    rowsBeforeEdit_.valid = false;  // it describes one edit only
    RECT area = {0, std::max(ViewTop(), y), clientWidth_, bottom};
    InvalidateRect(window_, &area, FALSE);
}

void Editor::NoteRowsBeforeEdit(std::size_t pos, std::size_t length, std::size_t inserted)
{
    RowsBeforeEdit& before = rowsBeforeEdit_;
    before.valid = false;
    if (!Wrapping())
        return;
    const TextBuffer& text = Text();
    const std::size_t line = text.lineOfOffset(pos);
    const std::size_t lineEnd = text.lineStart(line) + text.lineLength(line);
    if (text.lineLength(line) < WrapRows::kRememberedLineBytes || pos + length > lineEnd)
        return;  // a short line counts its rows instead; an edit across lines moves what follows
    const std::size_t editRow = Rows().rowOf(text, pos).index;
    before.line = line;
    before.firstIndex = editRow > 0 ? editRow - 1 : 0;
    before.starts.clear();
    // As many rows as the screen can show below the edit (they are known: they were painted).
    const std::size_t count = VisibleLines() + 2;
    for (std::size_t k = 0; k < count; ++k) {
        const WrapRows::Row row = RowAt(RowPos{line, before.firstIndex + k});
        if (row.index != before.firstIndex + k)
            break;  // past the line's last row
        before.starts.push_back(ColumnMark{row.start, row.column});
    }
    before.editEnd = pos + length;
    before.delta = static_cast<long long>(inserted) - static_cast<long long>(length);
    before.valid = true;
}

long long Editor::FirstUnchangedRow(std::size_t line, std::size_t from) const
{
    // A row that starts where it did, moved by the edit, at the same column and after the
    // edit's end shows the same text, and so do all rows after it: rows break by the text
    // from a row's start and its column alone.
    const RowsBeforeEdit& before = rowsBeforeEdit_;
    for (std::size_t k = 0; k < before.starts.size(); ++k) {
        const ColumnMark& old = before.starts[k];
        const std::size_t index = before.firstIndex + k;
        if (index < from || old.offset < before.editEnd)
            continue;
        const WrapRows::Row now = RowAt(RowPos{line, index});
        if (now.index == index && static_cast<long long>(now.start) == static_cast<long long>(old.offset) + before.delta &&
            now.column == old.column)
            return static_cast<long long>(index);
    }
    return -1;
}

void Editor::NoteCaretLineRows()
{
    const std::size_t line = CaretLine();
    if (Text().lineLength(line) < WrapRows::kRememberedLineBytes)
        wrapCheck_ = {line, Rows().rowCount(Text(), line)};
}

void Editor::DrawWrappedPaneRows(const Pane& pane, const RECT& clip)
{
    const int origin = pane.rect.top;
    int firstRow = 0, lastRow = 0;
    if (!ClipToPane(pane, clip, firstRow, lastRow))
        return;
    const TextBuffer& text = Text();
    const bool colouring = Colouring();
    RowPos pos = StepRows(RowPos{pane.topLine, pane.topRow}, firstRow);
    bool pastEnd = false;
    std::size_t lexedLine = static_cast<std::size_t>(-1);
    lex::LexState state = 0;
    for (int k = firstRow; k <= lastRow; ++k) {
        const RECT rect = {pane.rect.left, origin + k * lineHeight_, pane.rect.right, origin + (k + 1) * lineHeight_};
        if (pastEnd) {  // below the last row: an empty row
            PaintGutter(backDc_, text.lineCount(), rect);
            PaintLine(backDc_, text.lineCount(), 0, rect, clip, nullptr);
            continue;
        }
        const WrapRows::Row row = RowAt(pos);
        if (colouring && lexedLine != pos.line) {
            const lex::LexState start = lexedLine + 1 == pos.line ? state : PaintStartState(pos.line);
            state = LexForPaint(pos.line, start, spans_);
            lexedLine = pos.line;
        }
        PaintGutter(backDc_, pos.line, rect, row.index > 0);
        const std::size_t lineEnd = text.lineStart(pos.line) + text.lineLength(pos.line);
        // Only this row's columns: the rest of the line is on the rows below.
        const std::size_t columns =
            row.end < lineEnd ? RowAt(RowPos{pos.line, pos.row + 1}).column - row.column : static_cast<std::size_t>(-1);
        const ColumnMark rowStart{row.start, row.column};
        PaintLine(backDc_, pos.line, row.column, rect, clip, colouring ? &spans_ : nullptr, columns, &rowStart);
        const RowPos next = StepRows(pos, 1);
        pastEnd = next.line == pos.line && next.row == pos.row;
        pos = next;
    }
    SelectClipRgn(backDc_, nullptr);
}

} // namespace corvex
