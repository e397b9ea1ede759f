// The macro being recorded: what the user does while a control records (typed text,
// deletions, caret moves, commands, searches, replacements, go-to-lines), and the guard
// that keeps a macro being played from recording itself or starting another.
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/formats/macro.h"

#include <utility>

namespace corvex {

class MacroRecorder {
public:
    bool recording() const { return slot_ >= 0; }
    bool playing() const { return playing_ > 0; }
    // Starts a recording into `slot`, dropping any actions of an unfinished one.
    void start(int slot);
    // Ends the recording: its slot and its actions.
    std::pair<int, formats::Macro> stop();

    // Each adds to the recording, if one is under way and no macro is playing.
    void record(formats::MacroAction action);
    void recordStep(const EditStep& step);
    void recordMove(formats::MoveKind kind, bool extend);
    void recordCommand(formats::CommandTarget target, int code);

    // While one lives, a macro is playing.
    class Playing {
    public:
        explicit Playing(MacroRecorder& recorder) : recorder_(recorder) { ++recorder_.playing_; }
        ~Playing() { --recorder_.playing_; }
        Playing(const Playing&) = delete;
        Playing& operator=(const Playing&) = delete;

    private:
        MacroRecorder& recorder_;
    };

private:
    bool taking() const { return recording() && !playing(); }

    int slot_ = -1;
    formats::Macro macro_;
    int playing_ = 0;
};

} // namespace corvex
