// The Command message (3724) and the hot keys that run the same codes: case changes,
// select all, the dialogs, searching again, bookmarks, macros and match brace.
#include "corvex/dialogs/dialogs.h"
#include "corvex/editor.h"

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
        RecordCommand(formats::CommandTarget::Control, code);
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
        MatchBrace();
        return 1;
    case CmdGoToLine:
        dialogs::SetActiveSearchTarget(this, window_);
        return dialogs::ShowGoToLineDialog(window_, *this) ? 1 : 0;
    case CmdFindDialog:
        dialogs::ShowFindDialog(window_, *this);
        return 1;
    case CmdReplaceDialog:
        dialogs::ShowReplaceDialog(window_, *this);
        return 1;
    case CmdFindNext:
    case CmdFindPrevious:
        dialogs::SetActiveSearchTarget(this, window_);
        return dialogs::FindAgain(code == CmdFindPrevious, GetAncestor(window_, GA_ROOT)) ? 1 : 0;
    case CmdToggleBookmark:
    case CmdPreviousBookmark:
    case CmdNextBookmark:
    case CmdClearBookmarks:
        RunBookmarkCommand(code);
        return 1;
    case CmdRecordMacro:
        if (recordingSlot_ >= 0)
            StopRecording();
        else if (!playing_)
            StartRecording(argument >= 1 && argument <= 10 ? static_cast<int>(argument) - 1 : 0);
        return 1;
    case CmdSettingsDialog:
        return dialogs::ShowSettingsDialog(window_) ? 1 : 0;
    case CmdToggleWordWrap:
        Dispatch(SetWordWrap, options_.wordWrap ? 0 : 1, 0);
        Notify(NotifySettingsChanged);
        return 1;
    default:
        if (code >= CmdPlayMacro1 && code <= CmdPlayMacro10) {
            PlayMacro(code - CmdPlayMacro1);
            return 1;
        }
        return 0;
    }
}

} // namespace corvex
