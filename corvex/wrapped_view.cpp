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

RowPos Editor::RowAtY(int y) const
{
    y -= ViewTop();
    const long long rows = y < 0 ? -1 - (-y - 1) / lineHeight_ : y / lineHeight_;
    return Walk().step(RowPos{topLine_, topRow_}, rows);
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
    top.row = Walk().rowAt(top).index;
    if (top.line == topLine_ && top.row == topRow_ && leftColumn_ == 0)
        return;
    topLine_ = top.line;
    topRow_ = top.row;
    leftColumn_ = 0;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::ScrollRows(long long rows) { ScrollToRow(Walk().step(RowPos{topLine_, topRow_}, rows)); }

void Editor::ScrollToCaretRow()
{
    const RowPos caret = Walk().rowOfOffset(session_.selection().caret);
    const long long visible = static_cast<long long>(VisibleLines());
    const long long distance = Walk().distance(RowPos{topLine_, topRow_}, caret, visible);
    if (distance < 0)
        ScrollToRow(caret);
    else if (distance >= visible)
        ScrollToRow(Walk().step(caret, -(visible - 1)));
    PlaceCaret();
}

// Up, Down and the page keys: by rows with wrap (in the column of the row the caret
// keeps), by lines without.
void Editor::MoveByLines(long long lines, bool extend)
{
    if (!Wrapping()) {
        session_.moveByLines(lines, extend);
        return;
    }
    const RowPos target = Walk().step(Walk().rowOfOffset(session_.selection().caret), lines);
    session_.moveCaret(Walk().offsetInRow(target, session_.preferredColumn()), extend, true);
}

int Editor::YOfRowPos(RowPos pos) const
{
    const long long rows = Walk().distance(RowPos{topLine_, topRow_}, pos, static_cast<long long>(VisibleLines()) + 1);
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
        y = std::max(y, YOfRowPos(Walk().step(Walk().rowOfOffset(lastEditStart_), -1)));
    }
    int bottom = ViewBottom();
    if (same)
        bottom = std::min<long long>(bottom, y + static_cast<long long>(rows + 1) * lineHeight_);
    // Colours carry from row to row (a quote or a comment opened by the edit changes the
    // rows below although their text stays), so a coloured line repaints what is below.
    if (edit && first == last && !countable && !Colouring() && rowsBeforeEdit_.describes(first)) {
        const long long unchanged = rowsBeforeEdit_.firstUnchanged(Walk(), first, rowsBeforeEdit_.firstIndex());
        if (unchanged >= 0)
            bottom = std::min(bottom, YOfRowPos(RowPos{first, static_cast<std::size_t>(unchanged)}));
    }
    rowsBeforeEdit_.forget();
    RECT area = {0, std::max(ViewTop(), y), clientWidth_, bottom};
    InvalidateRect(window_, &area, FALSE);
}

void Editor::DrawWrappedPaneRows(const Pane& pane, const RECT& clip)
{
    const int origin = pane.rect.top;
    int firstRow = 0, lastRow = 0;
    if (!back_.ClipToPane(pane.rect, clip, lineHeight_, firstRow, lastRow))
        return;
    const TextBuffer& text = Text();
    const bool colouring = Colouring();
    RowPos pos = Walk().step(RowPos{pane.topLine, pane.topRow}, firstRow);
    bool pastEnd = false;
    std::size_t lexedLine = static_cast<std::size_t>(-1);
    lex::LexState state = 0;
    for (int k = firstRow; k <= lastRow; ++k) {
        const RECT rect = {pane.rect.left, origin + k * lineHeight_, pane.rect.right, origin + (k + 1) * lineHeight_};
        if (pastEnd) {  // below the last row: an empty row
            PaintGutter(back_.Dc(), text.lineCount(), rect);
            PaintLine(back_.Dc(), text.lineCount(), 0, rect, clip, nullptr);
            continue;
        }
        const WrapRows::Row row = Walk().rowAt(pos);
        if (colouring && lexedLine != pos.line) {
            const lex::LexState start = lexedLine + 1 == pos.line ? state : PaintStartState(pos.line);
            state = paintLexer_.lexLine(Text(), pos.line, start, spans_);
            lexedLine = pos.line;
        }
        PaintGutter(back_.Dc(), pos.line, rect, row.index > 0);
        const std::size_t lineEnd = text.lineStart(pos.line) + text.lineLength(pos.line);
        // Only this row's columns: the rest of the line is on the rows below.
        const std::size_t columns =
            row.end < lineEnd ? Walk().rowAt(RowPos{pos.line, pos.row + 1}).column - row.column : static_cast<std::size_t>(-1);
        const ColumnMark rowStart{row.start, row.column};
        PaintLine(back_.Dc(), pos.line, row.column, rect, clip, colouring ? &spans_ : nullptr, columns, &rowStart);
        const RowPos next = Walk().step(pos, 1);
        pastEnd = next.line == pos.line && next.row == pos.row;
        pos = next;
    }
    SelectClipRgn(back_.Dc(), nullptr);
}

} // namespace corvex
