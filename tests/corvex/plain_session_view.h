// The view of an edit session with no window: plain columns, nothing to repaint; it
// counts the edits and caret showings it is told of, and records the steps taken while
// `recording`.
#pragma once

#include "corvex/engine/edit_session.h"

#include <string>
#include <vector>

namespace corvex_test {

struct TakenStep {
    corvex::EditStep::Kind kind;
    bool word;
    std::string text;
};

class PlainSessionView : public corvex::SessionView {
public:
    corvex::EditRules given;
    const corvex::EditSession* session = nullptr;
    int edits = 0;
    int shownCarets = 0;
    bool recording = false;
    std::vector<TakenStep> steps;

    corvex::EditRules rules() const override { return given; }
    std::size_t columnOf(std::size_t offset) const override
    {
        return corvex::columnOfOffset(session->text(), offset, given.tabWidth, given.utf8);
    }
    std::size_t caretColumnToKeep() const override { return columnOf(session->selection().caret); }
    void beforeReplace(std::size_t, std::size_t, std::size_t) override {}
    void replaceFailed() override {}
    void edited(std::size_t, bool, std::size_t) override { ++edits; }
    void repaintLines(std::size_t, std::size_t) override {}
    void repaintFrom(std::size_t) override {}
    void repaintAll() override {}
    void selectionMoved(std::size_t, std::size_t) override {}
    void showCaret() override { ++shownCarets; }
    void columnBlockStarted() override {}
    void stepTaken(const corvex::EditStep& step) override
    {
        if (recording)
            steps.push_back({step.kind, step.word, std::string(step.text)});
    }
};

// Takes a recorded step again, as a macro's playing does.
inline void Replay(corvex::EditSession& session, const TakenStep& step)
{
    using Kind = corvex::EditStep::Kind;
    switch (step.kind) {
    case Kind::Text: session.typeText(step.text); break;
    case Kind::Backspace: session.backspace(step.word); break;
    case Kind::Delete: session.deleteForward(step.word); break;
    case Kind::NewLine: session.newLine(); break;
    case Kind::Tab: session.insertTab(false); break;
    case Kind::ToggleOverwrite: session.toggleOverwrite(); break;
    }
}

} // namespace corvex_test
