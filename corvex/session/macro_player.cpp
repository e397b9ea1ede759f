#include "corvex/session/macro_player.h"

#include <algorithm>

namespace corvex {

namespace {

search::SearchOptions OptionsOf(const formats::MacroAction& action)
{
    search::SearchOptions options;
    options.caseSensitive = (action.flags & formats::kFindMatchCase) != 0;
    options.wholeWord = (action.flags & formats::kFindWholeWord) != 0;
    return options;
}

void PlayAction(const formats::MacroAction& action, EditSession& session, SessionSearch& search,
                MacroActionHost& host)
{
    using formats::MacroOp;
    switch (action.op) {
    case MacroOp::InsertText:
        session.typeText(action.text);
        break;
    case MacroOp::DeleteBackward:
        session.backspace((action.flags & formats::kWholeWordUnit) != 0);
        break;
    case MacroOp::DeleteForward:
        session.deleteForward((action.flags & formats::kWholeWordUnit) != 0);
        break;
    case MacroOp::Move:
        host.navigate(action.move, (action.flags & formats::kExtendSelection) != 0);
        break;
    case MacroOp::Newline:
        session.newLine();
        break;
    case MacroOp::Tab:
        session.insertTab(false);
        break;
    case MacroOp::ToggleOverwrite:
        host.toggleOverwrite();
        break;
    case MacroOp::Command:
        if (!formats::isMacroCommand(action.command))
            host.runMacroCommand(action.command);
        break;
    case MacroOp::Find:
        search.find(action.text, OptionsOf(action), (action.flags & formats::kFindBackwards) != 0);
        break;
    case MacroOp::Replace: {
        const bool preserveCase = (action.flags & formats::kReplacePreserveCase) != 0;
        if (action.flags & formats::kReplaceEvery)
            search.replaceAll(action.text, action.replacement, OptionsOf(action), preserveCase,
                              (action.flags & formats::kReplaceInSelection) != 0);
        else
            search.replaceSelection(action.text, action.replacement, OptionsOf(action), preserveCase);
        break;
    }
    case MacroOp::GoToLine:
        search.goToLine(static_cast<int>(std::min<std::uint32_t>(action.line, 0x7FFFFFFF)));
        break;
    }
}

} // namespace

void PlayMacro(const formats::Macro& macro, EditSession& session, SessionSearch& search, MacroRecorder& recorder,
               MacroActionHost& host)
{
    if (recorder.recording() || recorder.playing())
        return;
    MacroRecorder::Playing playing(recorder);
    session.document().breakGroup();
    session.document().beginCompound(session.selection());
    try {
        for (const formats::MacroAction& action : macro.actions)
            PlayAction(action, session, search, host);
    } catch (...) {
        // Out of memory part way: what was played stays one undo step.
        session.document().endCompound(session.selection());
        throw;
    }
    session.document().endCompound(session.selection());
}

} // namespace corvex
