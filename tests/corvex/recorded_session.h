// An edit session wired as the control wires it, with no window: the steps the session
// takes go to the macro recorder, a search runs on it, and a host stands in for what a
// played macro asks of the control (it moves the caret for the few moves it knows and
// remembers everything it is asked).
#pragma once

#include "plain_session_view.h"

#include "corvex/session/macro_player.h"
#include "corvex/session/macro_recorder.h"
#include "corvex/session/session_search.h"

#include <string>
#include <utility>
#include <vector>

namespace corvex_test {

class RecordingView : public PlainSessionView {
public:
    corvex::MacroRecorder* recorder = nullptr;
    void stepTaken(const corvex::EditStep& step) override
    {
        PlainSessionView::stepTaken(step);
        if (recorder)
            recorder->recordStep(step);
    }
};

class FakeActionHost : public corvex::MacroActionHost {
public:
    explicit FakeActionHost(corvex::EditSession& session) : session_(session) {}

    std::vector<std::pair<corvex::formats::MoveKind, bool>> moves;
    int overwriteToggles = 0;
    std::vector<corvex::formats::EditorCommand> commands;

    void navigate(corvex::formats::MoveKind kind, bool extend) override
    {
        moves.emplace_back(kind, extend);
        using corvex::formats::MoveKind;
        if (kind == MoveKind::DocumentStart)
            session_.moveCaret(0, extend);
        else if (kind == MoveKind::DocumentEnd)
            session_.moveCaret(session_.text().size(), extend);
    }
    void toggleOverwrite() override
    {
        ++overwriteToggles;
        session_.toggleOverwrite();
    }
    void runMacroCommand(const corvex::formats::EditorCommand& command) override { commands.push_back(command); }

private:
    corvex::EditSession& session_;
};

struct RecordedSession {
    RecordedSession()
    {
        view.session = &session;
        view.recorder = &recorder;
    }
    RecordedSession(const RecordedSession&) = delete;
    RecordedSession& operator=(const RecordedSession&) = delete;

    std::string Text() const { return session.text().text(); }
    void Load(const std::string& text) { session.document().load(text); }
    // Types as the keyboard does, one character at a time; '\r' is Enter.
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            if (key == '\r')
                session.newLine();
            else
                session.typeText(std::string(1, key));
        }
    }
    void Play(const corvex::formats::Macro& macro) { corvex::PlayMacro(macro, session, search, recorder, host); }

    RecordingView view;
    corvex::EditSession session{view};
    corvex::MacroRecorder recorder;
    corvex::SessionSearch search{session, recorder};
    FakeActionHost host{session};
};

} // namespace corvex_test
