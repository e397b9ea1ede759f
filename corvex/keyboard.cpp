// Keys: the hot-key table first (the control's commands, editing messages and the
// program's key commands), then navigation with Shift extending the selection, Ctrl
// moving by words or to the document's ends, and the editing keys.
#include "corvex/editor.h"
#include "corvex/hotkeys.h"

namespace corvex {
namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

std::uint8_t Modifiers()
{
    return static_cast<std::uint8_t>((Down(VK_CONTROL) ? formats::kCtrl : 0) | (Down(VK_SHIFT) ? formats::kShift : 0) |
                                     (Down(VK_MENU) ? formats::kAlt : 0));
}

} // namespace

bool Editor::RunHotKey(UINT key)
{
    const formats::EditorCommand* command = ActiveHotKeys().find(static_cast<std::uint16_t>(key), Modifiers());
    if (!command)
        return false;
    switch (command->target) {
    case formats::CommandTarget::Control:
        RunCommand(command->code);
        break;
    case formats::CommandTarget::Program:
        SendKeyCommand(command->code);
        break;
    case formats::CommandTarget::Message:
        Dispatch(command->code, 0, 0);
        break;
    }
    return true;
}

bool Editor::OnKeyDown(UINT key)
{
    if (RunHotKey(key)) {
        swallowChar_ = true; // the character that Ctrl+letter also produces
        return true;
    }
    const bool ctrl = Down(VK_CONTROL), shift = Down(VK_SHIFT);
    if (Down(VK_MENU))
        return false;
    const std::size_t caret = selection_.caret;
    const bool collapse = !shift && !selection_.empty() && !columnMode_;
    switch (key) {
    case VK_LEFT:
        if (collapse && !ctrl)
            MoveCaret(selection_.start(), false);
        else
            MoveCaret(ctrl ? wordLeft(Text(), caret) : prevCharOffset(Text(), caret, Utf8()), shift);
        return true;
    case VK_RIGHT:
        if (collapse && !ctrl)
            MoveCaret(selection_.end(), false);
        else
            MoveCaret(ctrl ? wordRight(Text(), caret) : nextCharOffset(Text(), caret, Utf8()), shift);
        return true;
    case VK_UP:
        if (ctrl)
            ScrollTo(topLine_ > 0 ? topLine_ - 1 : 0, leftColumn_);
        else
            MoveVertically(-1, shift);
        return true;
    case VK_DOWN:
        if (ctrl)
            ScrollTo(topLine_ + 1, leftColumn_);
        else
            MoveVertically(1, shift);
        return true;
    case VK_HOME:
        MoveCaret(ctrl ? 0 : SmartHome(caret), shift);
        return true;
    case VK_END:
        MoveCaret(ctrl ? doc_.size() : LineEndOffset(CaretLine()), shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT: {
        const long page = static_cast<long>(VisibleLines());
        const long move = key == VK_PRIOR ? -page : page;
        const long long top = static_cast<long long>(topLine_) + move;
        ScrollTo(static_cast<std::size_t>(top < 0 ? 0 : top), leftColumn_);
        MoveVertically(move, shift);
        return true;
    }
    case VK_INSERT:
        if (ctrl || shift)
            return false;
        overwrite_ = !overwrite_;
        if (hasFocus_) {
            DestroyCaret();
            CreateCaret(window_, nullptr, overwrite_ ? charWidth_ : 2, lineHeight_);
            PlaceCaret();
            ShowCaret(window_);
        }
        return true;
    case VK_DELETE:
        DeleteForward(ctrl);
        return true;
    case VK_BACK:
        Backspace(ctrl);
        return true;
    case VK_ESCAPE:
        if (columnMode_)
            MoveCaret(caret, false);
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
    if (unit == L'\r')
        NewLine();
    else if (unit == L'\t')
        InsertTab(Down(VK_SHIFT));
    else if (unit >= 0x20 && unit != 0x7F)
        TypeCharacter(unit);
}

} // namespace corvex
