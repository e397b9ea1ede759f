#include "corvex/session/macro_recorder.h"

namespace corvex {

void MacroRecorder::start(int slot)
{
    macro_ = formats::Macro();
    slot_ = slot;
}

std::pair<int, formats::Macro> MacroRecorder::stop()
{
    std::pair<int, formats::Macro> done{slot_, std::move(macro_)};
    slot_ = -1;
    macro_ = formats::Macro();
    return done;
}

void MacroRecorder::record(formats::MacroAction action)
{
    if (taking() && formats::isValidAction(action))
        macro_.add(std::move(action));
}

void MacroRecorder::recordStep(const EditStep& step)
{
    using formats::MacroOp;
    const MacroOp ops[] = {MacroOp::InsertText, MacroOp::DeleteBackward, MacroOp::DeleteForward, MacroOp::Newline,
                           MacroOp::Tab, MacroOp::ToggleOverwrite};
    const MacroOp op = ops[static_cast<int>(step.kind)];
    if (op == MacroOp::InsertText) {
        if (taking())
            macro_.addText(step.text);
        return;
    }
    record(formats::MacroAction::Simple(op, formats::MoveKind::Left,
                                        static_cast<std::uint8_t>(step.word ? formats::kWholeWordUnit : 0)));
}

void MacroRecorder::recordMove(formats::MoveKind kind, bool extend)
{
    record(formats::MacroAction::Simple(formats::MacroOp::Move, kind,
                                        static_cast<std::uint8_t>(extend ? formats::kExtendSelection : 0)));
}

void MacroRecorder::recordCommand(formats::CommandTarget target, int code)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::Command;
    action.command = {target, static_cast<std::uint16_t>(code)};
    record(std::move(action));
}

} // namespace corvex
