// Metrics, the mapping between lines/columns and pixels, scrolling and the scroll bars, a
// new text shown, and the work put off until the user is idle. Every column is one character cell wide (the painter places each
// character in its cell), so mapping costs O(1) per line plus the column walk of
// text_ops for the line at hand.
#include "corvex/editor.h"

#include <algorithm>
#include <chrono>

namespace corvex {
namespace {

// Lengths at 96 DPI (Px scales them).
constexpr int kMarginStrip = 14;   // the left margin (bookmarks) beside the line numbers
constexpr int kTextPadding = 4;
constexpr int kGutterPadding = 8;
constexpr int kSmoothSteps = 4;

int Digits(long long value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

// After the whole text was replaced: the view starts over with the caret at `caret`.
void Editor::ShowNewText(std::size_t caret)
{
    session_.endColumnMode();
    session_.placeSelection(Selection(std::min<std::size_t>(caret, Text().size())));
    session_.setPreferredColumn(0);
    topLine_ = leftColumn_ = 0;
    topRow_ = 0;
    splits_.resetOtherTopRow();
    wrap_.clear();
    session_.bookmarks().clear();
    ResetLexer();
    session_.noteNewText();
    columnMarks_.forgetAll();
    widest_.remeasure(Text(), options_.tabWidth(), Utf8());
    UpdateScrollBars();
    if (caret > 0)
        ScrollToCaret();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::ApplyWordWrap()
{
    // The top stays on the line it showed; the caret comes into view.
    topRow_ = leftColumn_ = 0;
    splits_.resetOtherTopRow();
    splits_.resetOtherLeft();
    if (Wrapping() && session_.columnMode())
        session_.moveCaret(session_.selection().caret, false);
    UpdateScrollBars();
    InvalidateRect(window_, nullptr, FALSE);
    ScrollToCaret();
    if (!Wrapping())
        session_.setPreferredColumn(CaretColumn());
}

void Editor::ApplyDpi(UINT dpi)
{
    if (dpi == 0 || dpi == dpi_)
        return;
    splits_.rescaleBars(dpi_, dpi);
    dpi_ = dpi;
    fonts_.SetDpi(dpi);
    bars_.SetDpi(dpi);
    splits_.setBarSize(Px(PaneSplits::kBarSize), Px(PaneSplits::kBoxLength));
    lineTooltip_.SetDpi(dpi);
    Relayout();
    AfterAreaChange();  // the own bars' thickness follows the DPI too
}

void Editor::Relayout()
{
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, fonts_.Styled(options_.fontStyles[StyleText]));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    charWidth_ = std::max<int>(1, metrics.tmAveCharWidth);
    lineHeight_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    ascent_ = metrics.tmAscent;
    if (hasFocus_) {
        DestroyCaret();
        CreateCaret(window_, nullptr, CaretWidth(), lineHeight_);
        ShowCaret(window_);
    }
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

int Editor::GutterWidth() const
{
    int width = 0;
    const LineNumbering& numbering = options_.lineNumbering;
    if (numbering.shown) {
        const long long last = static_cast<long long>(numbering.firstNumber) + Text().lineCount() - 1;
        width += std::max<int>(numbering.minimumDigits, Digits(std::max(last, 0LL))) * charWidth_ + Px(kGutterPadding);
    }
    if (options_.leftMargin)
        width += Px(kMarginStrip);
    return width;
}

int Editor::PaneTextLeft() const { return GutterWidth() + Px(kTextPadding); }

int Editor::MarginStripWidth() const { return options_.leftMargin ? Px(kMarginStrip) : 0; }

std::size_t Editor::VisibleLines() const
{
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::max(0, ViewBottom() - ViewTop()) / lineHeight_));
}

std::size_t Editor::VisibleColumns() const
{
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::max(0, ViewRight() - TextLeft()) / charWidth_));
}

std::size_t Editor::LineAtY(int y) const
{
    if (Wrapping())
        return RowAtY(y).line;
    y -= ViewTop();
    const long long line = static_cast<long long>(topLine_) + (y < 0 ? -1 - (-y - 1) / lineHeight_ : y / lineHeight_);
    return static_cast<std::size_t>(std::clamp<long long>(line, 0, static_cast<long long>(Text().lineCount()) - 1));
}

std::size_t Editor::ColumnAtX(int x) const
{
    const long long column = static_cast<long long>(leftColumn_) +
                             (x - TextLeft() + charWidth_ / 2) / static_cast<long long>(charWidth_);
    return static_cast<std::size_t>(std::max(0LL, column));
}

std::size_t Editor::OffsetAtPoint(POINT point) const
{
    if (Wrapping()) {
        const long long column = (point.x - TextLeft() + charWidth_ / 2) / static_cast<long long>(charWidth_);
        return Walk().offsetInRow(RowAtY(point.y), static_cast<std::size_t>(std::max(0LL, column)));
    }
    return offsetOfColumn(Text(), LineAtY(point.y), ColumnAtX(point.x), options_.tabWidth(), Utf8());
}

int Editor::YOfLine(std::size_t line) const
{
    if (Wrapping())
        return YOfRowPos(RowPos{line, 0});
    return ViewTop() + static_cast<int>((static_cast<long long>(line) - static_cast<long long>(topLine_)) * lineHeight_);
}

// The caret's column is asked for several times per keystroke; on a very long line each
// answer walks the line, so the last one is kept until the text, caret or tab size change.
std::size_t Editor::CaretColumn() const
{
    CaretColumnCache& cache = caretColumnCache_;
    if (!cache.valid || cache.edits != session_.editCount() || cache.offset != session_.selection().caret ||
        cache.tabSize != options_.tabWidth()) {
        cache = {true, session_.editCount(), session_.selection().caret, options_.tabWidth(), ColumnOf(session_.selection().caret)};
    }
    return cache.column;
}

std::size_t Editor::ColumnOf(std::size_t offset) const
{
    const TextBuffer& text = Text();
    offset = std::min(offset, text.size());
    const std::size_t line = text.lineOfOffset(offset);
    const std::size_t length = text.lineLength(line);
    if (length <= ColumnMarks::kLongLineBytes)
        return columnOfOffset(text, offset, options_.tabWidth(), Utf8());
    if (Wrapping()) {  // the start of the offset's row is a known place close by
        const WrapRows::Row row = Rows().rowOf(text, offset);
        return columnOfOffsetFrom(text, ColumnMark{row.start, row.column}, offset, options_.tabWidth(), Utf8());
    }
    const std::size_t start = text.lineStart(line);
    return columnMarks_.columnOf(text, start, start + length, offset, options_.tabWidth(), Utf8());
}

void Editor::ScrollTo(std::size_t topLine, std::size_t leftColumn)
{
    if (Wrapping()) {
        if (topLine != topLine_)
            ScrollToRow(RowPos{topLine, 0});
        return;
    }
    const std::size_t lines = Text().lineCount();
    const std::size_t visible = VisibleLines();
    const std::size_t maxTop = lines > visible ? lines - visible : 0;
    topLine = std::min(topLine, maxTop);
    leftColumn = std::min(leftColumn, widest_.columns());
    if (topLine == topLine_ && leftColumn == leftColumn_)
        return;
    const long long distance = static_cast<long long>(topLine) - static_cast<long long>(topLine_);
    if (options_.smoothScroll && leftColumn == leftColumn_ && drag_ == Drag::None &&
        std::llabs(distance) >= kSmoothSteps && std::llabs(distance) <= static_cast<long long>(visible) &&
        IsWindowVisible(window_)) {
        // Glide over a few intermediate positions before landing.
        const std::size_t from = topLine_;
        for (int step = 1; step < kSmoothSteps; ++step) {
            topLine_ = static_cast<std::size_t>(static_cast<long long>(from) + distance * step / kSmoothSteps);
            InvalidateRect(window_, nullptr, FALSE);
            UpdateWindow(window_);
            Sleep(8);
        }
    }
    topLine_ = topLine;
    leftColumn_ = leftColumn;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::ScrollToCaret()
{
    if (Wrapping()) {
        ScrollToCaretRow();
        return;
    }
    const std::size_t line = session_.columnMode() ? session_.blockCaretLine() : session_.caretLine();
    const std::size_t column = session_.columnMode() ? session_.blockCaretColumn() : CaretColumn();
    const std::size_t visible = VisibleLines();
    const std::size_t columns = VisibleColumns();
    std::size_t top = topLine_, left = leftColumn_;
    if (line < top)
        top = line;
    else if (line >= top + visible)
        top = line - visible + 1;
    const std::size_t slack = std::min<std::size_t>(8, columns / 4);
    if (column < left)
        left = column > slack ? column - slack : 0;
    else if (column >= left + columns)
        left = column - columns + 1 + slack;
    if (widest_.reach(column))
        UpdateScrollBars();
    ScrollTo(top, left);
    PlaceCaret();
}

void Editor::UpdateScrollBars()
{
    const bool own = skinnedBars_ || splits_.split();
    const bool switched = own != ownBars_;
    if (switched) {
        // The text area changes: everything is drawn again, the caret placed again once
        // the window's bars have come or gone.
        ownBars_ = own;
        shownBars_ = -1;
        InvalidateRect(window_, nullptr, FALSE);
        if (!ownBars_)
            bars_.Set({}, RECT{});
    }
    if (ownBars_) {
        if (shownBars_ != 0) {
            shownBars_ = 0;
            ShowScrollBar(window_, SB_BOTH, FALSE);  // resizes the client area: WM_SIZE comes here again
        }
        LayOutOwnBars();
        if (switched)
            PlaceCaret();
        return;
    }
    const int bars = (options_.horizontalScrollBar ? 1 : 0) | (options_.verticalScrollBar ? 2 : 0);
    if (bars != shownBars_) {
        shownBars_ = bars;
        scrollLines_ = scrollColumns_ = -1; // send the ranges again
        ShowScrollBar(window_, SB_HORZ, (bars & 1) != 0);
        ShowScrollBar(window_, SB_VERT, (bars & 2) != 0);
    }
    const int lines = static_cast<int>(std::min<std::size_t>(Text().lineCount(), 0x7FFFFFFF));
    const int page = static_cast<int>(VisibleLines());
    const int top = static_cast<int>(topLine_);
    if ((bars & 2) && (lines != scrollLines_ || page != scrollPageLines_ || top != scrollTop_)) {
        scrollLines_ = lines;
        scrollPageLines_ = page;
        scrollTop_ = top;
        SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, lines - 1, static_cast<UINT>(page), top, 0};
        SetScrollInfo(window_, SB_VERT, &info, TRUE);
    }
    // With word wrap nothing is wider than the view: the horizontal bar has nothing to do.
    const int columns = Wrapping() ? 0 : static_cast<int>(std::min<std::size_t>(widest_.columns() + 1, 0x7FFFFFFF));
    const int pageColumns = static_cast<int>(VisibleColumns());
    const int left = static_cast<int>(leftColumn_);
    if ((bars & 1) && (columns != scrollColumns_ || pageColumns != scrollPageColumns_ || left != scrollLeft_)) {
        scrollColumns_ = columns;
        scrollPageColumns_ = pageColumns;
        scrollLeft_ = left;
        SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, columns - 1 + pageColumns / 2,
                           static_cast<UINT>(pageColumns), left, 0};
        SetScrollInfo(window_, SB_HORZ, &info, TRUE);
    }
    if (switched)
        PlaceCaret();
}

void Editor::OnVerticalScroll(WORD request, long long thumb)
{
    if (Wrapping() && (request == SB_LINEUP || request == SB_LINEDOWN || request == SB_PAGEUP || request == SB_PAGEDOWN)) {
        const long long page = static_cast<long long>(VisibleLines());
        ScrollRows(request == SB_LINEUP ? -1 : request == SB_LINEDOWN ? 1 : request == SB_PAGEUP ? -page : page);
        return;
    }
    const std::size_t page = VisibleLines();
    std::size_t top = topLine_;
    switch (request) {
    case SB_LINEUP: top = top > 0 ? top - 1 : 0; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top = top > page ? top - page : 0; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = Text().lineCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (thumb < 0) {
            SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(window_, SB_VERT, &info);
            thumb = info.nTrackPos;
        }
        top = static_cast<std::size_t>(std::max(0LL, thumb));
        if (request == SB_THUMBTRACK && options_.lineTooltips)
            lineTooltip_.Show(static_cast<long long>(top) + options_.lineNumbering.firstNumber, options_.tooltipText,
                              options_.tooltipBackground);
        break;
    }
    case SB_ENDSCROLL:
        lineTooltip_.Hide();
        return;
    default:
        return;
    }
    ScrollTo(top, leftColumn_);
}

void Editor::OnHorizontalScroll(WORD request, long long thumb)
{
    const std::size_t page = VisibleColumns();
    std::size_t left = leftColumn_;
    switch (request) {
    case SB_LINELEFT: left = left > 0 ? left - 1 : 0; break;
    case SB_LINERIGHT: ++left; break;
    case SB_PAGELEFT: left = left > page ? left - page : 0; break;
    case SB_PAGERIGHT: left += page; break;
    case SB_LEFT: left = 0; break;
    case SB_RIGHT: left = widest_.columns(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (thumb < 0) {
            SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(window_, SB_HORZ, &info);
            thumb = info.nTrackPos;
        }
        left = static_cast<std::size_t>(std::max(0LL, thumb));
        break;
    }
    default:
        return;
    }
    ScrollTo(topLine_, left);
}

// Work put off until the user is idle (each timer comes after input and paints): the
// real lexer states learned towards the screen after a paint had to guess, and the widest
// line measured again after an edit may have narrowed it.
void Editor::OnIdleTimer(UINT_PTR timer)
{
    if (timer == kLexTimer) {
        // Steps of learning until the screen is reached, input waits or the slice is used
        // up: a timer tick comes only every 10-16 ms, so one step a tick would leave the
        // far end of a huge file wrong for seconds, while a key waits no longer than a step.
        using Clock = std::chrono::steady_clock;
        constexpr auto kSlice = std::chrono::milliseconds(40);
        const Clock::time_point start = Clock::now();
        bool reached = false;
        while (!(reached = paintLexer_.catchUp(Text(), topLine_)) && Clock::now() - start < kSlice &&
               !HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)))
            continue;
        if (!reached)
            return;
        KillTimer(window_, kLexTimer);
        if (paintLexer_.guessed())
            InvalidateRect(window_, nullptr, FALSE);
    } else if (timer == kWidthTimer) {
        KillTimer(window_, kWidthTimer);
        if (!widest_.remeasure(Text(), options_.tabWidth(), Utf8()))
            return;
        ScrollTo(topLine_, leftColumn_);  // within the new range
        UpdateScrollBars();
    }
}

void Editor::PlaceCaret()
{
    if (!hasFocus_)
        return;
    const std::size_t line = session_.columnMode() ? session_.blockCaretLine() : session_.caretLine();
    const std::size_t column = session_.columnMode() ? session_.blockCaretColumn() : CaretColumn();
    int x = -100, y = -100;
    if (Wrapping()) {
        const long long rows = Walk().distance(RowPos{topLine_, topRow_}, Walk().rowOfOffset(session_.selection().caret), static_cast<long long>(VisibleLines()));
        if (rows >= 0 && rows < static_cast<long long>(VisibleLines())) {
            x = TextLeft() + static_cast<int>(CaretViewColumn()) * charWidth_;
            y = ViewTop() + static_cast<int>(rows) * lineHeight_;
        }
    } else if (line >= topLine_ && line < topLine_ + VisibleLines() && column >= leftColumn_ &&
        column <= leftColumn_ + VisibleColumns()) {
        x = TextLeft() + static_cast<int>(column - leftColumn_) * charWidth_;
        y = YOfLine(line);
    }
    SetCaretPos(x, y);
}

void Editor::InvalidateLines(std::size_t first, std::size_t last)
{
    InvalidateOtherRow();
    if (Wrapping()) {
        InvalidateWrappedLines(first, last);
        return;
    }
    if (last < topLine_ || first > topLine_ + VisibleLines())
        return;
    // Across the whole width: the panes of the active row show the same lines.
    RECT rows = {0, std::max(ViewTop(), YOfLine(std::max(first, topLine_))), clientWidth_,
                 std::min(ViewBottom(), YOfLine(std::min(last, topLine_ + VisibleLines())) + lineHeight_)};
    InvalidateRect(window_, &rows, FALSE);
}

void Editor::InvalidateFrom(std::size_t line) { InvalidateLines(line, topLine_ + VisibleLines()); }

} // namespace corvex
