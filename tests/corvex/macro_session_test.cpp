// Recording and playing macros: what the recorder keeps of the session's steps, moves,
// commands and searches (and what it refuses), and playing as one undo step in which the
// session, its search and the control's host each take their share of the actions.
#include "recorded_session.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace corvex;
using formats::CommandTarget;
using formats::EditorCommand;
using formats::Macro;
using formats::MacroAction;
using formats::MacroOp;
using formats::MoveKind;

EditStep Step(EditStep::Kind kind, bool word = false, std::string_view text = {})
{
    return EditStep{kind, word, text};
}

std::vector<MacroOp> OpsOf(const Macro& macro)
{
    std::vector<MacroOp> ops;
    for (const MacroAction& action : macro.actions)
        ops.push_back(action.op);
    return ops;
}

MacroAction Typed(const std::string& text)
{
    MacroAction action;
    action.op = MacroOp::InsertText;
    action.text = text;
    return action;
}

MacroAction Simple(MacroOp op, std::uint8_t flags = 0)
{
    return MacroAction::Simple(op, MoveKind::Left, flags);
}

MacroAction Move(MoveKind kind, bool extend)
{
    return MacroAction::Simple(MacroOp::Move, kind, extend ? formats::kExtendSelection : 0);
}

MacroAction Command(CommandTarget target, std::uint16_t code)
{
    MacroAction action;
    action.op = MacroOp::Command;
    action.command = {target, code};
    return action;
}

MacroAction Find(const std::string& text, std::uint8_t flags = 0)
{
    MacroAction action;
    action.op = MacroOp::Find;
    action.text = text;
    action.flags = flags;
    return action;
}

MacroAction Replace(const std::string& text, const std::string& replacement, std::uint8_t flags = 0)
{
    MacroAction action;
    action.op = MacroOp::Replace;
    action.text = text;
    action.replacement = replacement;
    action.flags = flags;
    return action;
}

MacroAction GoToLine(std::uint32_t line)
{
    MacroAction action;
    action.op = MacroOp::GoToLine;
    action.line = line;
    return action;
}

Macro MacroOf(std::vector<MacroAction> actions)
{
    Macro macro;
    macro.actions = std::move(actions);
    return macro;
}

// ---- the recorder ---------------------------------------------------------------------

TEST(MacroRecorderTest, StopHandsBackTheSlotAndTheActionsInOrder)
{
    MacroRecorder recorder;
    recorder.recordMove(MoveKind::Down, false);  // nothing is being recorded yet
    EXPECT_FALSE(recorder.recording());
    recorder.start(4);
    EXPECT_TRUE(recorder.recording());
    recorder.recordMove(MoveKind::WordRight, true);
    recorder.recordCommand(CommandTarget::Control, 137);
    recorder.recordStep(Step(EditStep::Kind::NewLine));
    auto [slot, macro] = recorder.stop();
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(slot, 4);
    ASSERT_EQ(macro.actions.size(), 3u);
    EXPECT_EQ(macro.actions[0], Move(MoveKind::WordRight, true));
    EXPECT_EQ(macro.actions[1], Command(CommandTarget::Control, 137));
    EXPECT_EQ(macro.actions[2].op, MacroOp::Newline);

    recorder.recordMove(MoveKind::Up, false);  // after the recording: kept nowhere
    recorder.start(0);
    EXPECT_TRUE(recorder.stop().second.empty()) << "a new recording starts empty";

    // Starting again drops what an unfinished recording had.
    recorder.start(2);
    recorder.recordMove(MoveKind::PageDown, false);
    recorder.recordStep(Step(EditStep::Kind::Text, false, "abc"));
    recorder.start(5);
    recorder.recordMove(MoveKind::LineEnd, false);
    auto [again, restarted] = recorder.stop();
    EXPECT_EQ(again, 5);
    EXPECT_EQ(restarted, MacroOf({Move(MoveKind::LineEnd, false)}));
}

TEST(MacroRecorderTest, TypedTextJoinsUntilAnotherActionComesBetween)
{
    MacroRecorder recorder;
    recorder.start(0);
    recorder.recordStep(Step(EditStep::Kind::Text, false, "ab"));
    recorder.recordStep(Step(EditStep::Kind::Text, false, "c"));
    recorder.recordStep(Step(EditStep::Kind::Text, false, "\xE2\x82\xAC"));
    recorder.recordMove(MoveKind::Left, false);
    recorder.recordStep(Step(EditStep::Kind::Text, false, "d"));
    recorder.recordStep(Step(EditStep::Kind::NewLine));
    recorder.recordStep(Step(EditStep::Kind::Text, false, "e"));
    recorder.recordStep(Step(EditStep::Kind::Text, false, ""));
    EXPECT_EQ(recorder.stop().second, MacroOf({Typed("abc\xE2\x82\xAC"), Move(MoveKind::Left, false), Typed("d"),
                                               Simple(MacroOp::Newline), Typed("e")}));
}

TEST(MacroRecorderTest, EachStepKeepsItsKindAndDeletionsTheirWordFlag)
{
    MacroRecorder recorder;
    recorder.start(0);
    recorder.recordStep(Step(EditStep::Kind::Backspace, true));
    recorder.recordStep(Step(EditStep::Kind::Backspace, false));
    recorder.recordStep(Step(EditStep::Kind::Delete, true));
    recorder.recordStep(Step(EditStep::Kind::Delete, false));
    recorder.recordStep(Step(EditStep::Kind::Tab));
    recorder.recordStep(Step(EditStep::Kind::ToggleOverwrite));
    recorder.recordStep(Step(EditStep::Kind::NewLine));
    const Macro macro = recorder.stop().second;
    EXPECT_EQ(OpsOf(macro), (std::vector<MacroOp>{MacroOp::DeleteBackward, MacroOp::DeleteBackward,
                                                  MacroOp::DeleteForward, MacroOp::DeleteForward, MacroOp::Tab,
                                                  MacroOp::ToggleOverwrite, MacroOp::Newline}));
    ASSERT_EQ(macro.actions.size(), 7u);
    EXPECT_EQ(macro.actions[0].flags, formats::kWholeWordUnit);
    EXPECT_EQ(macro.actions[1].flags, 0);
    EXPECT_EQ(macro.actions[2].flags, formats::kWholeWordUnit);
    EXPECT_EQ(macro.actions[3].flags, 0);
}

TEST(MacroRecorderTest, NothingIsRecordedWhileAPlayingGuardLives)
{
    MacroRecorder recorder;
    recorder.start(1);
    {
        MacroRecorder::Playing outer(recorder);
        {
            MacroRecorder::Playing inner(recorder);
            EXPECT_TRUE(recorder.playing());
        }
        EXPECT_TRUE(recorder.playing()) << "the outer guard still lives";
        recorder.recordStep(Step(EditStep::Kind::Text, false, "x"));
        recorder.recordStep(Step(EditStep::Kind::Backspace));
        recorder.recordMove(MoveKind::Right, false);
        recorder.recordCommand(CommandTarget::Control, 137);
        recorder.record(GoToLine(3));
    }
    EXPECT_FALSE(recorder.playing());
    EXPECT_TRUE(recorder.recording()) << "the recording goes on after the playing";
    recorder.recordStep(Step(EditStep::Kind::Text, false, "y"));
    EXPECT_EQ(recorder.stop().second, MacroOf({Typed("y")}));
}

TEST(MacroRecorderTest, ActionsThatCannotBeStoredAreDropped)
{
    MacroRecorder recorder;
    recorder.start(0);
    recorder.recordCommand(CommandTarget::Control, 213);  // record macro
    recorder.recordCommand(CommandTarget::Control, 223);  // the last play-macro command
    recorder.recordCommand(CommandTarget::Control, 9999);  // no command at all
    recorder.recordCommand(CommandTarget::Program, 241);
    recorder.record(Find(""));
    recorder.record(Find(std::string(formats::kFindTextLimit + 1, 'f')));
    recorder.record(Replace("", "x"));
    recorder.record(Replace("x", std::string(formats::kFindTextLimit + 1, 'r')));
    recorder.record(GoToLine(0));
    recorder.record(MacroAction::Simple(MacroOp::Move, static_cast<MoveKind>(formats::kMoveKindCount), 0));
    recorder.record(Typed(""));
    // Their valid neighbours are kept.
    recorder.recordCommand(CommandTarget::Control, 224);
    recorder.record(Find(std::string(formats::kFindTextLimit, 'f')));
    recorder.record(Replace("x", ""));
    EXPECT_EQ(recorder.stop().second,
              MacroOf({Command(CommandTarget::Control, 224), Find(std::string(formats::kFindTextLimit, 'f')),
                       Replace("x", "")}));
}

// ---- playing --------------------------------------------------------------------------

class MacroPlayerTest : public ::testing::Test, protected corvex_test::RecordedSession {};

TEST_F(MacroPlayerTest, PlayingIsOneUndoStepThatRestoresTheTextExactly)
{
    const std::string original = "one two\nthree four";
    Load(original);
    session.moveCaret(3, false);
    const Macro macro = MacroOf({Typed("XY"), Simple(MacroOp::Newline), Simple(MacroOp::Tab),
                                 Simple(MacroOp::DeleteBackward), Replace("o", "0", formats::kReplaceEvery),
                                 GoToLine(3), Simple(MacroOp::DeleteForward, formats::kWholeWordUnit), Typed("z"),
                                 Find("TW0"), Simple(MacroOp::DeleteBackward, formats::kWholeWordUnit)});
    Play(macro);
    const std::string played = Text();
    EXPECT_EQ(played, "0neXY\n \nzf0ur");
    EXPECT_EQ(session.document().undoSteps(), 1u);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), original);
    EXPECT_EQ(session.selection(), Selection(3)) << "the caret goes back where the playing began";
    EXPECT_FALSE(session.document().canUndo());
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(Text(), played);

    // A macro that changes nothing adds no step.
    Play(MacroOf({GoToLine(1), Find("nowhere")}));
    EXPECT_EQ(session.document().undoSteps(), 1u);
}

TEST_F(MacroPlayerTest, NothingIsPlayedWhileRecordingOrPlaying)
{
    Load("abc");
    const Macro macro = MacroOf({Typed("x"), Move(MoveKind::DocumentEnd, false), Command(CommandTarget::Control, 137)});
    recorder.start(2);
    Play(macro);
    EXPECT_EQ(Text(), "abc");
    EXPECT_TRUE(host.moves.empty());
    EXPECT_TRUE(host.commands.empty());
    EXPECT_TRUE(recorder.stop().second.empty());
    {
        MacroRecorder::Playing playing(recorder);
        Play(macro);
        EXPECT_EQ(Text(), "abc");
        EXPECT_TRUE(host.moves.empty());
    }
    Play(macro);
    EXPECT_EQ(Text(), "xabc");
    EXPECT_EQ(host.moves.size(), 1u);
    EXPECT_FALSE(recorder.playing()) << "playing ends with the macro";
}

TEST_F(MacroPlayerTest, MovesOverwriteAndCommandsGoToTheHost)
{
    Load("one\ntwo");
    session.moveCaret(0, false);
    Play(MacroOf({Move(MoveKind::DocumentEnd, false), Typed("!"), Move(MoveKind::DocumentStart, true),
                  Simple(MacroOp::ToggleOverwrite), Command(CommandTarget::Control, 137),
                  Command(CommandTarget::Message, 4384), Command(CommandTarget::Program, 242)}));
    EXPECT_EQ(Text(), "one\ntwo!");
    EXPECT_EQ(session.selection(), Selection(8, 0)) << "the host's moves took the caret";
    const std::vector<std::pair<MoveKind, bool>> moves{{MoveKind::DocumentEnd, false}, {MoveKind::DocumentStart, true}};
    EXPECT_EQ(host.moves, moves);
    EXPECT_EQ(host.overwriteToggles, 1);
    EXPECT_TRUE(session.overwrite());
    EXPECT_EQ(host.commands, (std::vector<EditorCommand>{{CommandTarget::Control, 137},
                                                         {CommandTarget::Message, 4384},
                                                         {CommandTarget::Program, 242}}));
}

TEST_F(MacroPlayerTest, MacroCommandsAreNeverRun)
{
    Load("x");
    Play(MacroOf({Command(CommandTarget::Control, 213), Command(CommandTarget::Control, 214),
                  Command(CommandTarget::Control, 223), Command(CommandTarget::Control, 224), Typed("y")}));
    EXPECT_EQ(host.commands, (std::vector<EditorCommand>{{CommandTarget::Control, 224}}))
        << "record and play-macro commands are skipped, the rest still played";
    EXPECT_EQ(Text(), "yx");
}

TEST_F(MacroPlayerTest, FindReplaceAndGoToLinePlayThroughTheSearch)
{
    Load("Red green red\nblue red");
    session.moveCaret(0, false);
    Play(MacroOf({Find("red"), Replace("red", "pink", formats::kReplacePreserveCase),
                  Find("red", formats::kFindMatchCase | formats::kFindWholeWord), Replace("red", "pink"),
                  GoToLine(2), Typed(">"), Find("pink", formats::kFindBackwards)}));
    EXPECT_EQ(Text(), "Pink green pink\n>blue red");
    EXPECT_EQ(session.selection(), Selection(11, 15)) << "the last find went backwards to the nearer match";

    // Replace All inside the selection, and in the whole document.
    Load("aaa bbb aaa\nbbb");
    session.moveCaret(0, false);
    Play(MacroOf({Find("bbb"), Replace("b", "c", formats::kReplaceEvery | formats::kReplaceInSelection)}));
    EXPECT_EQ(Text(), "aaa ccc aaa\nbbb");
    Play(MacroOf({Replace("a", "", formats::kReplaceEvery), GoToLine(99), Typed("<")}));
    EXPECT_EQ(Text(), " ccc \n<bbb");
}

TEST_F(MacroPlayerTest, ARecordedSessionPlaysBackToTheSameText)
{
    const std::string original = "hello world\nsecond line";
    Load(original);
    session.moveCaret(0, false);
    view.given.autoIndent = AutoIndentRule::None;
    recorder.start(7);
    Type("Say: ");
    search.find("world", search::SearchOptions(), false);
    search.replaceSelection("world", "there", search::SearchOptions(), false);
    Type("\r!");
    session.backspace(false);
    Type("?");
    search.goToLine(3);
    session.deleteForward(true);
    session.toggleOverwrite();
    Type("S");
    session.toggleOverwrite();
    search.replaceAll("e", "E", search::SearchOptions(), false, false);
    const std::string recorded = Text();
    ASSERT_EQ(recorded, "Say: hEllo thErE\n?\nSinE");
    const auto [slot, macro] = recorder.stop();
    EXPECT_EQ(slot, 7);
    EXPECT_EQ(OpsOf(macro),
              (std::vector<MacroOp>{MacroOp::InsertText, MacroOp::Find, MacroOp::Replace, MacroOp::Newline,
                                    MacroOp::InsertText, MacroOp::DeleteBackward, MacroOp::InsertText,
                                    MacroOp::GoToLine, MacroOp::DeleteForward, MacroOp::ToggleOverwrite,
                                    MacroOp::InsertText, MacroOp::ToggleOverwrite, MacroOp::Replace}));

    Load(original);
    session.moveCaret(0, false);
    Play(macro);
    EXPECT_EQ(Text(), recorded);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), original);
}

} // namespace
