// Keys: the hot-key table first (the control's commands, editing messages and the
// program's key commands), then navigation with Shift extending the selection, Ctrl
// moving by words or to the document's ends, and the editing keys.
#include "corvex/editor.h"
#include "corvex/parent_notice.h"
#include "corvex/hotkeys.h"

#include <algorithm>

namespace corvex {
namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

std::uint8_t Modifiers()
{
    return static_cast<std::uint8_t>((Down(VK_CONTROL) ? formats::kCtrl : 0) | (Down(VK_SHIFT) ? formats::kShift : 0) |
                                     (Down(VK_MENU) ? formats::kAlt : 0));
}

// Alt+Shift with an arrow or page key: how far it moves the corner of a column block.
bool ColumnStepOf(UINT key, long long page, long long& lines, long long& columns)
{
    lines = columns = 0;
    switch (key) {
    case VK_LEFT: columns = -1; return true;
    case VK_RIGHT: columns = 1; return true;
    case VK_UP: lines = -1; return true;
    case VK_DOWN: lines = 1; return true;
    case VK_PRIOR: lines = -page; return true;
    case VK_NEXT: lines = page; return true;
    default: return false;
    }
}

} // namespace

bool Editor::RunHotKey(UINT key)
{
    const formats::EditorCommand* command = ActiveHotKeys().find(static_cast<std::uint16_t>(key), Modifiers());
    if (!command)
        return false;
    switch (command->target) {
    case formats::CommandTarget::Control:
        RunCommand(command->code, formats::commandArgument(command->code));
        break;
    case formats::CommandTarget::Program:
        recorder_.recordCommand(command->target, command->code);
        SendKeyCommand(window_, command->code);
        break;
    case formats::CommandTarget::Message:
        Dispatch(command->code, 0, 0);
        break;
    }
    return true;
}

void Editor::navigate(formats::MoveKind kind, bool extend)
{
    using formats::MoveKind;
    const std::size_t caret = session_.selection().caret;
    const bool collapse = !extend && !session_.selection().empty() && !session_.columnMode();
    switch (kind) {
    case MoveKind::Left:
        session_.moveCaret(collapse ? session_.selection().start() : prevCharOffset(Text(), caret, Utf8()), extend);
        break;
    case MoveKind::Right:
        session_.moveCaret(collapse ? session_.selection().end() : nextCharOffset(Text(), caret, Utf8()), extend);
        break;
    case MoveKind::WordLeft:
        session_.moveCaret(wordLeft(Text(), caret), extend);
        break;
    case MoveKind::WordRight:
        session_.moveCaret(wordRight(Text(), caret), extend);
        break;
    case MoveKind::Up:
    case MoveKind::Down:
        MoveByLines(kind == MoveKind::Up ? -1 : 1, extend);
        break;
    case MoveKind::LineStart: {
        // With wrap, Home goes to the row's start; on a line's first row as without wrap.
        const WrapRows::Row row = Wrapping() ? Rows().rowOf(Text(), caret) : WrapRows::Row{};
        session_.moveCaret(row.index > 0 ? row.start : session_.smartHome(caret), extend);
        break;
    }
    case MoveKind::LineEnd:
        session_.moveCaret(Wrapping() ? Walk().rowEnd(caret) : Text().lineEnd(session_.caretLine()), extend);
        break;
    case MoveKind::DocumentStart:
        session_.moveCaret(0, extend);
        break;
    case MoveKind::DocumentEnd:
        session_.moveCaret(session_.document().size(), extend);
        break;
    case MoveKind::PageUp:
    case MoveKind::PageDown: {
        const long page = static_cast<long>(VisibleLines());
        const long move = kind == MoveKind::PageUp ? -page : page;
        if (Wrapping()) {
            ScrollRows(move);
        } else {
            const long long top = static_cast<long long>(topLine_) + move;
            ScrollTo(static_cast<std::size_t>(top < 0 ? 0 : top), leftColumn_);
        }
        MoveByLines(move, extend);
        break;
    }
    }
}

void Editor::toggleOverwrite()
{
    session_.toggleOverwrite();
    if (hasFocus_) {
        DestroyCaret();
        CreateCaret(window_, nullptr, CaretWidth(), lineHeight_);
        PlaceCaret();
        ShowCaret(window_);
    }
}

bool Editor::OnKeyDown(UINT key)
{
    if (RunHotKey(key)) {
        swallowChar_ = true; // the character that Ctrl+letter also produces
        return true;
    }
    const bool ctrl = Down(VK_CONTROL), shift = Down(VK_SHIFT);
    if (Down(VK_MENU)) {  // a column selection from the keyboard (wrapped rows share no columns)
        long long lines = 0, columns = 0;
        if (!shift || ctrl || Wrapping() ||
            !ColumnStepOf(key, static_cast<long long>(std::max<std::size_t>(1, VisibleLines())), lines, columns))
            return false;
        session_.moveColumnCorner(lines, columns);
        return true;
    }
    using formats::MoveKind;
    auto move = [&](MoveKind kind) {
        recorder_.recordMove(kind, shift);
        navigate(kind, shift);
        return true;
    };
    switch (key) {
    case VK_LEFT:
        return move(ctrl ? MoveKind::WordLeft : MoveKind::Left);
    case VK_RIGHT:
        return move(ctrl ? MoveKind::WordRight : MoveKind::Right);
    case VK_UP:
        if (!ctrl)
            return move(MoveKind::Up);
        ScrollTo(topLine_ > 0 ? topLine_ - 1 : 0, leftColumn_);
        return true;
    case VK_DOWN:
        if (!ctrl)
            return move(MoveKind::Down);
        ScrollTo(topLine_ + 1, leftColumn_);
        return true;
    case VK_HOME:
        return move(ctrl ? MoveKind::DocumentStart : MoveKind::LineStart);
    case VK_END:
        return move(ctrl ? MoveKind::DocumentEnd : MoveKind::LineEnd);
    case VK_PRIOR:
        return move(MoveKind::PageUp);
    case VK_NEXT:
        return move(MoveKind::PageDown);
    case VK_INSERT:
        if (ctrl || shift)
            return false;
        toggleOverwrite();
        return true;
    case VK_DELETE:
    case VK_BACK:
        if (key == VK_BACK)
            session_.backspace(ctrl);
        else
            session_.deleteForward(ctrl);
        return true;
    case VK_ESCAPE:
        if (session_.columnMode())
            session_.moveCaret(session_.selection().caret, false);
        return true;
    default:
        return false;
    }
}

void Editor::OnChar(wchar_t unit)
{
    const bool swallow = swallowChar_ && unit < 0x20; // Ctrl+M and Ctrl+I after a hot key
    swallowChar_ = false;
    if (swallow)
        return;
    if (unit == L'\r') {
        if (options_.normalizeCase)
            NormalizeKeywordCase(session_, paintLexer_.states(), session_.selection().caret);
        session_.newLine();
    } else if (unit == L'\t') {
        session_.insertTab(Down(VK_SHIFT));
    } else if (unit >= 0x20 && unit != 0x7F) {
        const std::string text = DocumentTextOf(typed_.take(unit), file_.encoding());
        if (!text.empty())
            session_.typeText(text);
        if (options_.normalizeCase && session_.selection().caret > 0)
            NormalizeKeywordCase(session_, paintLexer_.states(), session_.selection().caret - 1);
    }
}

} // namespace corvex
