// The view of an edit session with no window: plain columns, nothing to repaint; it
// counts the edits and caret showings it is told of.
#pragma once

#include "corvex/engine/edit_session.h"

namespace corvex_test {

class PlainSessionView : public corvex::SessionView {
public:
    corvex::EditRules given;
    const corvex::EditSession* session = nullptr;
    int edits = 0;
    int shownCarets = 0;

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
};

} // namespace corvex_test
