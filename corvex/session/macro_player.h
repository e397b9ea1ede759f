// Playing a macro: its actions repeated at the caret as one undo step. The session and
// its search take the edits, searches and go-to-lines; the control takes what depends on
// its view or its window (caret moves by rows and pages, the caret's shape in overwrite,
// commands).
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/formats/macro.h"
#include "corvex/session/macro_recorder.h"
#include "corvex/session/session_search.h"

namespace corvex {

class MacroActionHost {
public:
    virtual ~MacroActionHost() = default;
    virtual void navigate(formats::MoveKind kind, bool extend) = 0;
    virtual void toggleOverwrite() = 0;
    // A command that is not a macro command.
    virtual void runMacroCommand(const formats::EditorCommand& command) = 0;
};

// Nothing while a macro is recorded or played: macros never record or play macros.
void PlayMacro(const formats::Macro& macro, EditSession& session, SessionSearch& search, MacroRecorder& recorder,
               MacroActionHost& host);

} // namespace corvex
