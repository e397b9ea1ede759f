// The mouse: click places the caret, Shift+click extends, double-click selects a word,
// triple-click (or a click in the line numbers) a line, dragging extends by the unit of
// the click, Alt+drag makes a column selection, dragging the selection moves it (Ctrl
// copies), and the wheel scrolls. Dragging outside the window scrolls on a timer.
#include "corvex/editor.h"

#include <cstdlib>

namespace corvex {
namespace {

constexpr UINT kDragInterval = 50;

// The system's double-click and drag rectangles, at the window's DPI.
bool Near(POINT a, POINT b, UINT dpi)
{
    return std::abs(a.x - b.x) <= SystemMetricAt(SM_CXDOUBLECLK, dpi) / 2 &&
           std::abs(a.y - b.y) <= SystemMetricAt(SM_CYDOUBLECLK, dpi) / 2;
}

} // namespace

void Editor::OnButtonDown(POINT point, WPARAM keys, bool doubleClick)
{
    SetFocus(window_);
    const DWORD now = GetMessageTime();
    if (doubleClick)
        clickCount_ = 2;
    else if (clickCount_ == 2 && now - lastClickTime_ <= GetDoubleClickTime() && Near(point, lastClickPoint_, dpi_))
        clickCount_ = 3;
    else
        clickCount_ = 1;
    lastClickTime_ = now;
    lastClickPoint_ = point;
    dragStart_ = lastMouse_ = point;
    if (const SplitBar bar = SplitterAt(point); bar != SplitBar::None) {
        splits_.startDrag(bar);
        SetCapture(window_);
        return;
    }
    ActivatePane(splits_.rowAt(point.y), splits_.columnAt(point.x));

    const bool shift = (keys & MK_SHIFT) != 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const std::size_t offset = OffsetAtPoint(point);
    const TextBuffer& text = Text();
    if (clickCount_ == 3 || (point.x - ViewLeft() < GutterWidth() && !shift)) {
        const std::size_t line = LineAtY(point.y);
        dragOrigin_ = text.lineStart(line);
        dragOriginEnd_ = line + 1 < text.lineCount() ? text.lineStart(line + 1) : text.size();
        session_.moveCaret(dragOrigin_, false);
        session_.setSelection(dragOrigin_, dragOriginEnd_);
        drag_ = Drag::Lines;
    } else if (clickCount_ == 2) {
        const TextRange word = wordAt(text, offset);
        dragOrigin_ = word.start;
        dragOriginEnd_ = word.end;
        session_.moveCaret(word.start, false);
        session_.setSelection(word.start, word.end);
        drag_ = Drag::Words;
    } else if (alt && options_.columnSelect && !Wrapping()) {  // wrapped rows share no columns
        session_.startColumnBlock(LineAtY(point.y), ColumnAtX(point.x));
        drag_ = Drag::Column;
    } else if (!shift && options_.dragDrop && session_.inSelection(offset)) {
        drag_ = Drag::PendingMove;
    } else {
        session_.moveCaret(offset, shift);
        drag_ = Drag::Select;
    }
    SetCapture(window_);
    SetTimer(window_, kDragTimer, kDragInterval, nullptr);
}

void Editor::DragTo(POINT point)
{
    const std::size_t offset = OffsetAtPoint(point);
    const TextBuffer& text = Text();
    switch (drag_) {
    case Drag::Select:
        session_.setSelection(session_.selection().anchor, offset);
        break;
    case Drag::Words: {
        const TextRange word = wordAt(text, offset);
        if (offset < dragOrigin_)
            session_.setSelection(dragOriginEnd_, word.start);
        else
            session_.setSelection(dragOrigin_, std::max(word.end, dragOriginEnd_));
        break;
    }
    case Drag::Lines: {
        const std::size_t line = LineAtY(point.y);
        if (text.lineStart(line) < dragOrigin_)
            session_.setSelection(dragOriginEnd_, text.lineStart(line));
        else
            session_.setSelection(dragOrigin_, line + 1 < text.lineCount() ? text.lineStart(line + 1) : text.size());
        break;
    }
    case Drag::Column:
        session_.extendColumnBlock(LineAtY(point.y), ColumnAtX(point.x));
        break;
    case Drag::PendingMove:
        if (std::abs(point.x - dragStart_.x) < SystemMetricAt(SM_CXDRAG, dpi_) &&
            std::abs(point.y - dragStart_.y) < SystemMetricAt(SM_CYDRAG, dpi_))
            break;
        drag_ = Drag::Move;
        [[fallthrough]];
    case Drag::Move:
        if (point.x < 0 || point.y < 0 || point.x >= clientWidth_ || point.y >= clientHeight_) {
            // On to another window or program: the drag inside the window ends.
            drag_ = Drag::None;
            KillTimer(window_, kDragTimer);
            if (GetCapture() == window_)
                ReleaseCapture();
            InvalidateRect(window_, nullptr, FALSE);
            textDrop_.DragOut();
            break;
        }
        textDrop_.SetMovePoint(offset);
        InvalidateRect(window_, nullptr, FALSE);
        break;
    case Drag::None:
        break;
    }
}

void Editor::OnMouseMove(POINT point, WPARAM keys)
{
    if (splits_.dragging() != SplitBar::None) {
        DragSplitter(point);
        return;
    }
    if (drag_ == Drag::None || !(keys & MK_LBUTTON))
        return;
    lastMouse_ = point;
    DragTo(point);
}

void Editor::OnButtonUp(POINT point, WPARAM keys)
{
    if (splits_.dragging() != SplitBar::None) {
        EndSplitterDrag();
        return;
    }
    const Drag drag = drag_;
    drag_ = Drag::None;
    KillTimer(window_, kDragTimer);
    if (GetCapture() == window_)
        ReleaseCapture();
    if (drag == Drag::PendingMove) {
        session_.moveCaret(OffsetAtPoint(point), false);
    } else if (drag == Drag::Move) {
        session_.moveSelectedText(OffsetAtPoint(point), (keys & MK_CONTROL) != 0);
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void Editor::OnDragTimer()
{
    if (drag_ == Drag::None) {
        KillTimer(window_, kDragTimer);
        return;
    }
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    long long top = static_cast<long long>(topLine_);
    long long left = static_cast<long long>(leftColumn_);
    if (point.y < ViewTop())
        top -= 1 + (ViewTop() - point.y) / lineHeight_;
    else if (point.y >= ViewBottom())
        top += 1 + (point.y - ViewBottom()) / lineHeight_;
    if (point.x < TextLeft() && leftColumn_ > 0)
        left -= 1;
    else if (point.x >= ViewRight())
        left += 1 + (point.x - ViewRight()) / charWidth_;
    if (top == static_cast<long long>(topLine_) && left == static_cast<long long>(leftColumn_))
        return;
    ScrollTo(static_cast<std::size_t>(top < 0 ? 0 : top), static_cast<std::size_t>(left < 0 ? 0 : left));
    DragTo(point);
}

void Editor::OnRightButtonDown(POINT point)
{
    SetFocus(window_);
    ActivatePane(splits_.rowAt(point.y), splits_.columnAt(point.x));
    const std::size_t offset = OffsetAtPoint(point);
    if (!session_.inSelection(offset) && !session_.columnMode())
        session_.moveCaret(offset, false);
}

void Editor::OnWheel(int delta, bool horizontal)
{
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    if (linesPerNotch == WHEEL_PAGESCROLL)
        linesPerNotch = static_cast<UINT>(VisibleLines());
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    const long long step = static_cast<long long>(notches) * linesPerNotch;
    if (Wrapping() && !horizontal) {
        ScrollRows(-step);
    } else if (horizontal) {
        const long long left = static_cast<long long>(leftColumn_) - step;
        ScrollTo(topLine_, static_cast<std::size_t>(left < 0 ? 0 : left));
    } else {
        const long long top = static_cast<long long>(topLine_) - step;
        ScrollTo(static_cast<std::size_t>(top < 0 ? 0 : top), leftColumn_);
    }
    if (drag_ != Drag::None)
        DragTo(lastMouse_);
}

} // namespace corvex
