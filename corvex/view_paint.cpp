// Painting: the rows of the update region are drawn into a back buffer the size of the
// window and copied to the screen in one blit, so nothing flickers. Only visible lines
// are touched.
#include "corvex/editor.h"
#include "corvex/line_cells.h"

#include <algorithm>
#include <cstdio>

namespace corvex {
namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// A rounded mark centred in the margin cell; `px` scales a length designed at 96 DPI.
template <typename Scale>
void DrawBookmark(HDC dc, const RECT& cell, COLORREF colour, Scale px)
{
    const int height = static_cast<int>(cell.bottom - cell.top);
    const int size = std::max(px(4), std::min(static_cast<int>(cell.right - cell.left) - px(4), height - px(4)));
    const int left = static_cast<int>(cell.left + (cell.right - cell.left - size) / 2);
    const int top = static_cast<int>(cell.top) + (height - size) / 2;
    HBRUSH brush = CreateSolidBrush(colour);
    // A wider outline stays inside the mark, as the one-pixel one does.
    HPEN pen = CreatePen(px(1) > 1 ? PS_INSIDEFRAME : PS_SOLID, px(1), RGB(GetRValue(colour) / 2, GetGValue(colour) / 2, GetBValue(colour) / 2));
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    RoundRect(dc, left, top, left + size, top + size, px(4), px(4));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    DeleteObject(brush);
}

} // namespace

void Editor::Paint()
{
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(window_, &ps);
    DrawRows(screen, ps.rcPaint);
    EndPaint(window_, &ps);
}

void Editor::DrawRows(HDC screen, const RECT& clip)
{
    const int width = std::max(1, clientWidth_), height = std::max(1, clientHeight_);
    HDC back = back_.Fit(window_, width, height);
    paintedGutter_ = GutterWidth();
    for (int row = splits_.barY() ? 0 : 1; row < 2; ++row) {
        for (int column = splits_.barX() ? 0 : 1; column < 2; ++column) {
            const Pane pane = {splits_.rowTopLine(row), splits_.rowTopRow(row), Wrapping() ? 0 : splits_.columnLeftColumn(column),
                               RECT{splits_.columnLeft(column), splits_.rowTop(row), splits_.columnRight(column, AreaRight()),
                                    splits_.rowBottom(row, AreaBottom())}};
            if (Wrapping())
                DrawWrappedPaneRows(pane, clip);
            else
                DrawPaneRows(pane, clip);
        }
    }
    PaintSplitter(back);
    if (ownBars_)
        bars_.Paint(back, clip);
    BitBlt(screen, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, back, clip.left, clip.top,
           SRCCOPY);
    if (braceWaits_ && paintLexer_.states().knows(session_.caretLine()))
        RefreshBraceHighlight();
}

// The rows of one pane, clipped to it: lines from its first line drawn from its top down.
void Editor::DrawPaneRows(const Pane& pane, const RECT& clip)
{
    const std::size_t topLine = pane.topLine;
    const int origin = pane.rect.top;
    int firstRow = 0, lastRow = 0;
    if (!back_.ClipToPane(pane.rect, clip, lineHeight_, firstRow, lastRow))
        return;
    const bool colouring = Colouring();
    lex::LexState state = colouring ? PaintStartState(topLine + static_cast<std::size_t>(firstRow)) : 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        const RECT rect = {pane.rect.left, origin + row * lineHeight_, pane.rect.right, origin + (row + 1) * lineHeight_};
        const std::size_t line = topLine + static_cast<std::size_t>(row);
        const bool lexed = colouring && line < Text().lineCount();
        if (lexed) {
            const lex::LexState cached = paintLexer_.states().cachedAt(line + 1);
            state = paintLexer_.lexLine(Text(), line, state, spans_);
            // An edit changed the state after the last repainted line: the lines below
            // are coloured differently now.
            if (row == lastRow && state != cached && !paintLexer_.guessed() && line + 1 < Text().lineCount())
                InvalidateFrom(line + 1);
        }
        PaintGutter(back_.Dc(), line, rect);
        PaintLine(back_.Dc(), line, pane.leftColumn, rect, clip, lexed ? &spans_ : nullptr);
    }
    SelectClipRgn(back_.Dc(), nullptr);
}

void Editor::PaintGutter(HDC dc, std::size_t line, const RECT& row, bool continuation)
{
    const COLORREF* colours = options_.shownColours;
    RECT rect = row;
    const int marginWidth = MarginStripWidth();
    rect.right = row.left + GutterWidth() - marginWidth;
    if (rect.right > rect.left) {
        Fill(dc, rect, colours[ColourLineNumberBackground]);
        if (line < Text().lineCount() && !continuation) {
            wchar_t number[24];
            const int length = std::swprintf(number, 24, L"%lld",
                                             static_cast<long long>(options_.lineNumbering.firstNumber) +
                                                 static_cast<long long>(line));
            HGDIOBJ old = SelectObject(dc, fonts_.Styled(options_.fontStyles[StyleLineNumbers]));
            SetTextColor(dc, colours[ColourLineNumberText]);
            const int dx[24] = {charWidth_, charWidth_, charWidth_, charWidth_, charWidth_, charWidth_,
                                charWidth_, charWidth_, charWidth_, charWidth_, charWidth_, charWidth_,
                                charWidth_, charWidth_, charWidth_, charWidth_, charWidth_, charWidth_,
                                charWidth_, charWidth_, charWidth_, charWidth_, charWidth_, charWidth_};
            ExtTextOutW(dc, rect.right - Px(4) - length * charWidth_, row.top, ETO_CLIPPED, &rect, number,
                        static_cast<UINT>(length), dx);
            SelectObject(dc, old);
        }
    }
    if (marginWidth) {
        RECT margin = row;
        margin.left = rect.right;
        margin.right = margin.left + marginWidth;
        Fill(dc, margin, colours[ColourLeftMargin]);
        if (line < Text().lineCount() && !continuation && session_.bookmarks().has(line))
            DrawBookmark(dc, margin, colours[ColourBookmark], [this](int length) { return Px(length); });
    } else if (line < Text().lineCount() && !continuation && session_.bookmarks().has(line)) {
        RECT mark = row;
        mark.right = mark.left + Px(4);
        Fill(dc, mark, colours[ColourBookmark]);
    }
    RECT padding = row;
    padding.left = row.left + GutterWidth();
    padding.right = row.left + PaneTextLeft();
    const bool highlighted = options_.lineHighlight && !session_.columnMode() && line == session_.caretLine();
    Fill(dc, padding, highlighted ? colours[ColourHighlightedLine] : colours[ColourBackground]);
    RECT divider = {padding.left, row.top, padding.left + Px(1), row.bottom};
    Fill(dc, divider, colours[ColourMarginDivider]);
}

void Editor::PaintLine(HDC dc, std::size_t line, std::size_t leftColumn, const RECT& row, const RECT& clip,
                       const std::vector<lex::Span>* spans, std::size_t maxColumns, const ColumnMark* from)
{
    const COLORREF* colours = options_.shownColours;
    const int left = row.left + PaneTextLeft();
    RECT rect = {left, row.top, row.right, row.bottom};
    const bool exists = line < Text().lineCount();
    const bool highlighted = exists && options_.lineHighlight && !session_.columnMode() && line == session_.caretLine();
    Fill(dc, rect, highlighted ? colours[ColourHighlightedLine] : colours[ColourBackground]);
    if (!exists || clip.right <= left)
        return;

    const std::size_t columns =
        std::min(maxColumns, static_cast<std::size_t>(std::max<long>(0, row.right - left) / charWidth_) + 1);
    const CellOptions cellOptions = {options_.tabWidth(), Utf8(), whitespaceShown_};
    // A long line is walked from the nearest known column, not from its start.
    const std::size_t length = exists ? Text().lineLength(line) : 0;
    ColumnMark mark;
    const bool longLine = length > ColumnMarks::kLongLineBytes;
    if (from) {
        mark = *from;
    } else if (longLine) {
        const std::size_t start = Text().lineStart(line);
        mark = columnMarks_.nearest(start, start + length, static_cast<std::size_t>(-1), leftColumn, options_.tabWidth());
    }
    const LineCells cells =
        BuildLineCells(Text(), line, leftColumn, columns, cellOptions, longLine || from ? &mark : nullptr);
    if (longLine && !from)
        columnMarks_.remember(cells.start, options_.tabWidth());

    // The selected columns of this line: [selectedFrom, selectedTo).
    std::size_t selectedFrom = 0, selectedTo = 0;
    if (session_.columnMode()) {
        const ColumnBlock block = session_.block();
        if (line >= block.firstLine && line <= block.lastLine) {
            selectedFrom = block.leftColumn;
            selectedTo = block.rightColumn;
        }
    } else if (!session_.selection().empty()) {
        const std::size_t start = Text().lineStart(line), end = Text().lineEnd(line);
        const std::size_t selStart = session_.selection().start(), selEnd = session_.selection().end();
        if (selStart <= end && selEnd >= start) {
            selectedFrom = selStart <= start ? 0 : ColumnOf(selStart);
            selectedTo = selEnd > end ? ColumnOf(end) + 1 : ColumnOf(selEnd);
        }
    }
    // Fills columns [from, to) of the line, within the pane.
    auto fillColumns = [&](std::size_t fromColumn, std::size_t toColumn, COLORREF colour) {
        const long long from = std::max<long long>(static_cast<long long>(fromColumn), static_cast<long long>(leftColumn));
        const long long to = std::min<long long>(static_cast<long long>(toColumn),
                                                 static_cast<long long>(leftColumn + columns));
        if (to > from) {
            RECT cellsRect = {left + static_cast<int>(from - static_cast<long long>(leftColumn)) * charWidth_, row.top,
                              left + static_cast<int>(to - static_cast<long long>(leftColumn)) * charWidth_, row.bottom};
            cellsRect.right = std::min(cellsRect.right, row.right);
            Fill(dc, cellsRect, colour);
        }
    };
    if (selectedTo > selectedFrom)
        fillColumns(selectedFrom, selectedTo, colours[ColourSelection]);
    // The bracket at the caret and its partner, where they are not selected.
    for (const std::size_t brace : {brace_, braceMatch_}) {
        if (brace == kNoBrace || brace >= Text().size() || Text().lineOfOffset(brace) != line || session_.inSelection(brace))
            continue;
        const std::size_t braceColumn = ColumnOf(brace);
        fillColumns(braceColumn, braceColumn + 1, colours[ColourMatchedBrace]);
    }

    // Text in runs of one colour and font style, each character placed in its cell.
    std::vector<int> dx(cells.glyphs.size());
    for (std::size_t k = 0; k < dx.size(); ++k)
        dx[k] = cells.advance[k] * charWidth_;
    std::size_t runStart = 0, column = cells.firstColumn;
    std::size_t runColumn = column;
    COLORREF runColour = 0;
    int runStyle = -1;
    std::size_t span = 0;
    // The token kind of the unit's byte; bytes only grow along the line.
    auto kindOf = [&](std::size_t k) {
        if (!spans)
            return lex::TokenKind::Text;
        while (span < spans->size() && (*spans)[span].start + (*spans)[span].length <= cells.bytes[k])
            ++span;
        return span < spans->size() && (*spans)[span].start <= cells.bytes[k] ? (*spans)[span].kind : lex::TokenKind::Text;
    };
    HGDIOBJ oldFont = SelectObject(dc, fonts_.Styled(options_.fontStyles[StyleText]));
    auto flush = [&](std::size_t end) {
        if (end > runStart) {
            SelectObject(dc, fonts_.Styled(options_.fontStyles[runStyle]));
            SetTextColor(dc, runColour);
            ExtTextOutW(dc, left + static_cast<int>(runColumn - leftColumn) * charWidth_, row.top, ETO_CLIPPED, &rect,
                        cells.glyphs.data() + runStart, static_cast<UINT>(end - runStart), dx.data() + runStart);
        }
    };
    for (std::size_t k = 0; k < cells.glyphs.size(); ++k) {
        if (!cells.advance[k])
            continue;
        const lex::TokenKind kind = kindOf(k);
        const bool selected = column >= selectedFrom && column < selectedTo;
        const COLORREF colour = selected ? colours[ColourSelectionText]
                                : cells.kinds[k] != CellKind::Text ? colours[ColourWhitespace]
                                                                   : colours[lex::colourIndex(kind)];
        const int style = static_cast<int>(kind); // the style block follows the token kinds
        if (k == 0 || colour != runColour || style != runStyle) {
            flush(k);
            runStart = k;
            runColumn = column;
            runColour = colour;
            runStyle = style;
        }
        ++column;
    }
    flush(cells.glyphs.size());
    SelectObject(dc, oldFont);

    if (textDrop_.DropPointShown(drag_ == Drag::Move) && Text().lineOfOffset(textDrop_.DropOffset()) == line) {
        const std::size_t dropColumn = ColumnOf(textDrop_.DropOffset());
        if (dropColumn >= leftColumn) {
            RECT mark = {left + static_cast<int>(dropColumn - leftColumn) * charWidth_, row.top, 0, row.bottom};
            mark.right = mark.left + Px(2);
            Fill(dc, mark, colours[ColourCaret]);
        }
    }
}

} // namespace corvex
