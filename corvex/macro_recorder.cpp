// Recording and playing macros. While a control records, its typed text, deletions,
// caret moves, commands, searches, replacements and go-to-lines are collected (the edit
// session tells of the steps it takes); the second
// record command (or its hot key) stores them in the library's slot and tells the parent that the settings
// changed, so the program saves them. Playing repeats the actions at the caret as one
// undo step; macros never record or play macros.
#include "corvex/editor.h"
#include "corvex/macro_store.h"

#include <algorithm>

namespace corvex {

void Editor::StartRecording(int slot)
{
    recording_ = formats::Macro();
    recordingSlot_ = slot;
}

void Editor::StopRecording()
{
    const int slot = recordingSlot_;
    recordingSlot_ = -1;
    StoreMacro(slot, recording_);
    recording_ = formats::Macro();
    Notify(NotifySettingsChanged);
}

void Editor::Record(formats::MacroAction action)
{
    if (recordingSlot_ >= 0 && !playing_ && formats::isValidAction(action))
        recording_.add(std::move(action));
}

// The session's steps go into the macro being recorded as they are taken.
void Editor::stepTaken(const EditStep& step)
{
    using formats::MacroAction;
    using formats::MacroOp;
    const MacroOp ops[] = {MacroOp::InsertText, MacroOp::DeleteBackward, MacroOp::DeleteForward, MacroOp::Newline,
                           MacroOp::Tab, MacroOp::ToggleOverwrite};
    const MacroOp op = ops[static_cast<int>(step.kind)];
    if (op == MacroOp::InsertText) {
        if (recordingSlot_ >= 0 && !playing_)
            recording_.addText(step.text);
        return;
    }
    Record(MacroAction::Simple(op, formats::MoveKind::Left,
                               static_cast<std::uint8_t>(step.word ? formats::kWholeWordUnit : 0)));
}

void Editor::RecordCommand(formats::CommandTarget target, int code)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::Command;
    action.command = {target, static_cast<std::uint16_t>(code)};
    Record(std::move(action));
}

void Editor::PlayMacro(int slot)
{
    if (recordingSlot_ >= 0 || playing_)
        return;
    const std::optional<formats::Macro> macro = StoredMacro(slot);
    if (!macro)
        return;
    ++playing_;
    session_.document().breakGroup();
    session_.document().beginCompound(session_.selection());
    for (const formats::MacroAction& action : macro->actions)
        PlayAction(action);
    session_.document().endCompound(session_.selection());
    --playing_;
}

void Editor::PlayAction(const formats::MacroAction& action)
{
    using formats::MacroOp;
    switch (action.op) {
    case MacroOp::InsertText:
        session_.typeText(action.text);
        break;
    case MacroOp::DeleteBackward:
        session_.backspace((action.flags & formats::kWholeWordUnit) != 0);
        break;
    case MacroOp::DeleteForward:
        session_.deleteForward((action.flags & formats::kWholeWordUnit) != 0);
        break;
    case MacroOp::Move:
        Navigate(action.move, (action.flags & formats::kExtendSelection) != 0);
        break;
    case MacroOp::Newline:
        session_.newLine();
        break;
    case MacroOp::Tab:
        session_.insertTab(false);
        break;
    case MacroOp::ToggleOverwrite:
        ToggleOverwrite();
        break;
    case MacroOp::Command:
        if (formats::isMacroCommand(action.command))
            break;
        if (action.command.target == formats::CommandTarget::Control)
            RunCommand(action.command.code, formats::commandArgument(action.command.code) == -1 ? -1 : 0);
        else if (action.command.target == formats::CommandTarget::Program)
            SendKeyCommand(action.command.code);
        else
            Dispatch(action.command.code, 0, 0);
        break;
    case MacroOp::Find: {
        search::SearchOptions options;
        options.caseSensitive = (action.flags & formats::kFindMatchCase) != 0;
        options.wholeWord = (action.flags & formats::kFindWholeWord) != 0;
        FindInDocument(action.text, options, (action.flags & formats::kFindBackwards) != 0);
        break;
    }
    case MacroOp::Replace: {
        search::SearchOptions options;
        options.caseSensitive = (action.flags & formats::kFindMatchCase) != 0;
        options.wholeWord = (action.flags & formats::kFindWholeWord) != 0;
        const bool preserveCase = (action.flags & formats::kReplacePreserveCase) != 0;
        if (action.flags & formats::kReplaceEvery)
            ReplaceAllInDocument(action.text, action.replacement, options, preserveCase,
                       (action.flags & formats::kReplaceInSelection) != 0);
        else
            ReplaceSelectionInDocument(action.text, action.replacement, options, preserveCase);
        break;
    }
    case MacroOp::GoToLine:
        goToLine(static_cast<int>(std::min<std::uint32_t>(action.line, 0x7FFFFFFF)));
        break;
    }
}

} // namespace corvex
