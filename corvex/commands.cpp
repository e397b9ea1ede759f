// The Command message (3724) and the hot keys that run the same codes: case changes,
// select all, the dialogs, searching again, bookmarks, macros and match brace. While a
// control records, its commands go into the macro (the second record command stores it
// in the library's slot and tells the parent that the settings changed, so the program
// saves them); a macro played asks the control for its moves and commands.
#include "corvex/dialogs/dialogs.h"
#include "corvex/editor.h"
#include "corvex/parent_notice.h"
#include "corvex/macro_store.h"

namespace corvex {

namespace {

// Commands that open a dialog are not recorded: what the user does in the dialog (the
// searches) is, and a playback does not stop to ask.
bool OpensDialog(int code)
{
    return code == CmdGoToLine || code == CmdReplaceDialog || code == CmdFindDialog || code == CmdSettingsDialog;
}

} // namespace

LRESULT Editor::RunCommand(int code, LPARAM argument)
{
    if (code != CmdRecordMacro && (code < CmdPlayMacro1 || code > CmdPlayMacro10) && !OpensDialog(code))
        recorder_.recordCommand(formats::CommandTarget::Control, code);
    switch (code) {
    case CmdUpperCase:
        session_.changeCase(CaseChange::Upper);
        return 1;
    case CmdLowerCase:
        session_.changeCase(CaseChange::Lower);
        return 1;
    case CmdSelectAll:
        session_.selectAll();
        return 1;
    case CmdMatchBrace:
        search_.matchBrace(&paintLexer_.states());
        return 1;
    case CmdGoToLine:
        dialogs::SetActiveSearchTarget(&dialogSearch_, window_);
        return dialogs::ShowGoToLineDialog(window_, dialogSearch_) ? 1 : 0;
    case CmdFindDialog:
        dialogs::ShowFindDialog(window_, dialogSearch_);
        return 1;
    case CmdReplaceDialog:
        dialogs::ShowReplaceDialog(window_, dialogSearch_);
        return 1;
    case CmdFindNext:
    case CmdFindPrevious:
        dialogs::SetActiveSearchTarget(&dialogSearch_, window_);
        return dialogs::FindAgain(code == CmdFindPrevious, GetAncestor(window_, GA_ROOT)) ? 1 : 0;
    case CmdToggleBookmark:
        session_.toggleBookmark();
        return 1;
    case CmdClearBookmarks:
        session_.clearBookmarks();
        return 1;
    case CmdPreviousBookmark:
    case CmdNextBookmark:
        session_.goToBookmark(code == CmdNextBookmark);
        return 1;
    case CmdRecordMacro:
        if (recorder_.recording())
            StopRecording();
        else if (!recorder_.playing())
            recorder_.start(argument >= 1 && argument <= 10 ? static_cast<int>(argument) - 1 : 0);
        return 1;
    case CmdSettingsDialog:
        return dialogs::ShowSettingsDialog(window_) ? 1 : 0;
    case CmdToggleWordWrap:
        Dispatch(SetWordWrap, options_.wordWrap ? 0 : 1, 0);
        NotifyParent(window_, NotifySettingsChanged);
        return 1;
    default:
        if (code >= CmdPlayMacro1 && code <= CmdPlayMacro10) {
            if (const std::optional<formats::Macro> macro = StoredMacro(code - CmdPlayMacro1))
                PlayMacro(*macro, session_, search_, recorder_, *this);
            return 1;
        }
        return 0;
    }
}

void Editor::StopRecording()
{
    const std::pair<int, formats::Macro> recorded = recorder_.stop();
    StoreMacro(recorded.first, recorded.second);
    NotifyParent(window_, NotifySettingsChanged);
}

void Editor::runMacroCommand(const formats::EditorCommand& command)
{
    if (command.target == formats::CommandTarget::Control)
        RunCommand(command.code, formats::commandArgument(command.code) == -1 ? -1 : 0);
    else if (command.target == formats::CommandTarget::Program)
        SendKeyCommand(window_, command.code);
    else
        Dispatch(command.code, 0, 0);
}

} // namespace corvex
