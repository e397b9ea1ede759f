// One editing control's window: the view and controller of an edit session (the
// document, its selection and the editing rules, engine/edit_session.h). Messages come in
// (control_window.cpp decodes the control's own apart from the window's); drawing and
// scrolling go out. The window procedure owns one Editor per "Corvex" window.
//
// Beside the session it keeps objects of their own: the document's file and backup
// (document_file.h), the macro recorder, the session's search and the lexer states
// painting learns (session/), the dialogs' view of the search (dialog_search_target.h),
// the clipboard (session_clipboard.h), OLE drag and drop (text_drop.h), the splits into
// panes, the widest line, the column marks and the wrapped rows (engine/), the fonts,
// the back buffer and the line tooltip. Its member functions live in files by concern:
//   view_layout.cpp    metrics, line/column/pixel mapping, scrolling, scroll bars, idle work
//   view_paint.cpp     double-buffered painting of the visible lines
//   wrapped_view.cpp   the view with word wrap on
//   session_view.cpp   the view's side of the edit session
//   keyboard.cpp       keys, hot keys and caret moves by kind
//   mouse.cpp          clicks, drags, the wheel
//   syntax.cpp         the language and the lexer states painting starts from
//   commands.cpp       the Command message, and the host of a macro being played
//   splitter.cpp       the splits into two or four panes
//   pane_scroll_bars.cpp  the control's own scroll bars (with a skin, or split panes)
//   brace_view.cpp     the highlighted bracket pair at the caret
#pragma once

#include "corvex/back_buffer.h"
#include "corvex/document_file.h"
#include "corvex/dialog_search_target.h"
#include "corvex/engine/column_marks.h"
#include "corvex/dialogs/dialog_host.h"
#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"
#include "corvex/engine/pane_splits.h"
#include "corvex/engine/row_walk.h"
#include "corvex/engine/text_document.h"
#include "corvex/engine/text_ops.h"
#include "corvex/engine/widest_line.h"
#include "corvex/engine/word_wrap.h"
#include "corvex/formats/macro.h"
#include "corvex/line_tooltip.h"
#include "corvex/lex/lex_state_cache.h"
#include "corvex/options.h"
#include "corvex/own_scroll_bars.h"
#include "corvex/printing.h"
#include "corvex/session_clipboard.h"
#include "corvex/session/macro_player.h"
#include "corvex/session/macro_recorder.h"
#include "corvex/session/paint_lexer.h"
#include "corvex/session/session_search.h"
#include "corvex/text_drop.h"
#include "corvex/text_form.h"
#include "corvex/view_dpi.h"
#include "corvex/view_fonts.h"

#include <cstddef>

namespace corvex {

// The timer that scrolls while a mouse drag is outside the window.
constexpr UINT_PTR kDragTimer = 1;
// The timer that learns lexer states towards the screen after a far jump.
constexpr UINT_PTR kLexTimer = 2;
// The timer that measures the longest line again, once idle, after an edit may have
// narrowed it.
constexpr UINT_PTR kWidthTimer = 4;

class Editor : private SessionView,
               private MacroActionHost,
               private LineChangeListener,
               private DropView,
               private ScrollBarHost {
public:
    explicit Editor(HWND window);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // ---- syntax.cpp
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) override;
    void ResetLexer();
    bool Colouring() const;
    // The state at the start of `line` for painting: exact, or a guess after a far jump
    // (then the idle timer learns the way there).
    lex::LexState PaintStartState(std::size_t line);

    // ---- commands.cpp: macros
    // Stores the macro recorded and tells the parent that the settings changed.
    void StopRecording();
    void runMacroCommand(const formats::EditorCommand& command) override;

    // ---- splitter.cpp: the splits into panes (engine/pane_splits.h)
    int ViewTop() const { return splits_.rowTop(splits_.activeRow()); }
    int ViewBottom() const { return splits_.rowBottom(splits_.activeRow(), AreaBottom()); }
    int ViewLeft() const { return splits_.columnLeft(splits_.activeColumn()); }
    int ViewRight() const { return splits_.columnRight(splits_.activeColumn(), AreaRight()); }
    void ActivatePane(int row, int column);
    SplitBar SplitterAt(POINT point) const;
    void DragSplitter(POINT point);
    void EndSplitterDrag();
    void Unsplit(SplitBar bar);
    void AfterSplitChange();
    void PaintSplitter(HDC dc);
    void InvalidateOtherRow();
    bool PaneWheel(int delta, bool horizontal);

    // ---- pane_scroll_bars.cpp: with a skin, or while the view is split, the control
    // draws its scroll bars itself (one per row and per column of panes) inside the client
    // area, which then ends at AreaRight()/AreaBottom(); otherwise the window's own bars
    // serve the one pane.
    int AreaRight() const { return clientWidth_ - (ownBars_ && options_.verticalScrollBar ? bars_.Look().Thickness(true) : 0); }
    int AreaBottom() const
    {
        return clientHeight_ - (ownBars_ && options_.horizontalScrollBar ? bars_.Look().Thickness(false) : 0);
    }
    void FitSplitsToArea();       // ends a split that no longer fits
    // The text area changed size while the window did not (bars came, went or changed
    // their thickness): as WM_SIZE does.
    void AfterAreaChange();
    void LayOutOwnBars();
    void ScrollRequest(bool vertical, int index, WORD request, long long thumbPosition) override;

    // ---- brace_view.cpp
    void RefreshBraceHighlight();

    // ---- keyboard.cpp
    void navigate(formats::MoveKind kind, bool extend) override;
    void toggleOverwrite() override;

    // ---- control_window.cpp
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void AfterOptionMessage(UINT message, OptionEffect effect);
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT RunCommand(int code, LPARAM argument = 0);

    // ---- view_layout.cpp
    // A length designed at 96 DPI, at the window's DPI.
    int Px(int length96) const { return ScaleLength(length96, dpi_); }
    // The window's DPI is now `dpi`: fonts, metrics and layout follow.
    void ApplyDpi(UINT dpi);
    int CaretWidth() const { return session_.overwrite() ? charWidth_ : Px(2); }
    void Relayout();
    void ApplyWordWrap();  // after the option changed
    // After the whole text was replaced: the view starts over with the caret at `caret`.
    void ShowNewText(std::size_t caret);
    // Work put off until the user is idle.
    void OnIdleTimer(UINT_PTR timer);
    int GutterWidth() const;
    int TextLeft() const { return ViewLeft() + PaneTextLeft(); }
    int PaneTextLeft() const; // from the left edge of a pane
    int MarginStripWidth() const;  // the bookmarks' margin (0: hidden)
    std::size_t VisibleLines() const;
    std::size_t VisibleColumns() const;
    std::size_t LineAtY(int y) const;
    std::size_t ColumnAtX(int x) const;
    std::size_t OffsetAtPoint(POINT point) const override;
    int YOfLine(std::size_t line) const;
    std::size_t CaretColumn() const;
    std::size_t ColumnOf(std::size_t offset) const;
    void ScrollTo(std::size_t topLine, std::size_t leftColumn);
    void ScrollToCaret();
    void UpdateScrollBars();
    // `thumb`: the thumb's position with SB_THUMBTRACK/SB_THUMBPOSITION (-1: the window's
    // scroll bar tells it).
    void OnVerticalScroll(WORD request, long long thumb = -1);
    void OnHorizontalScroll(WORD request, long long thumb = -1);
    void PlaceCaret();
    void InvalidateLines(std::size_t first, std::size_t last);
    void InvalidateFrom(std::size_t line);

    // ---- view_paint.cpp
    void Paint();
    void DrawRows(HDC target, const RECT& clip);
    struct Pane {
        std::size_t topLine, topRow, leftColumn;
        RECT rect;
    };
    void DrawPaneRows(const Pane& pane, const RECT& clip);
    // At most `maxColumns` columns from `leftColumn` (a wrapped row's share of its line),
    // walked from `from` (a known place at or before leftColumn) when given.
    void PaintLine(HDC dc, std::size_t line, std::size_t leftColumn, const RECT& row, const RECT& clip,
                   const std::vector<lex::Span>* spans, std::size_t maxColumns = static_cast<std::size_t>(-1),
                   const ColumnMark* from = nullptr);
    // A continuation row of a wrapped line shows no number and no bookmark.
    void PaintGutter(HDC dc, std::size_t line, const RECT& row, bool continuation = false);

    // ---- wrapped_view.cpp: the view with word wrap on
    bool Wrapping() const { return options_.wordWrap != 0; }
    WrapRows& Rows() const;  // laid out for the view's present width
    RowWalk Walk() const { return RowWalk(Text(), Rows()); }
    RowPos RowAtY(int y) const;
    std::size_t CaretViewColumn() const;
    void ScrollToRow(RowPos top);
    void ScrollRows(long long rows);
    void ScrollToCaretRow();
    void MoveByLines(long long lines, bool extend);
    int YOfRowPos(RowPos pos) const;
    void DrawWrappedPaneRows(const Pane& pane, const RECT& clip);
    void InvalidateWrappedLines(std::size_t first, std::size_t last);
    struct WrapCheck {
        std::size_t line = static_cast<std::size_t>(-1);
        std::size_t rows = 0;
    };
    WrapCheck wrapCheck_;  // the rows the last repainted line had
    std::size_t lastEditStart_ = kUnknownEditStart;  // where the last edit began
    bool invalidatingEdit_ = false;                  // the invalidation is an edit's
    RowsBeforeEdit rowsBeforeEdit_;

    // The document's text, and whether it is UTF-8 (else single-byte ANSI).
    const TextBuffer& Text() const { return session_.text(); }
    bool Utf8() const { return isUtf8Text(file_.encoding()); }

    // ---- session_view.cpp: SessionView, the view's side of the edit session
    EditRules rules() const override;
    std::size_t columnOf(std::size_t offset) const override { return ColumnOf(offset); }
    std::size_t caretColumnToKeep() const override;
    void beforeReplace(std::size_t pos, std::size_t length, std::size_t inserted) override;
    void replaceFailed() override;
    void edited(std::size_t firstLine, bool linesChanged, std::size_t editStart) override;
    void repaintLines(std::size_t first, std::size_t last) override { InvalidateLines(first, last); }
    void repaintFrom(std::size_t first) override { InvalidateFrom(first); }
    void repaintAll() override;
    void selectionMoved(std::size_t first, std::size_t last) override;
    void showCaret() override { ScrollToCaret(); }
    void columnBlockStarted() override;
    void stepTaken(const EditStep& step) override { recorder_.recordStep(step); }

    // ---- keyboard.cpp
    bool OnKeyDown(UINT key);
    bool RunHotKey(UINT key);
    void OnChar(wchar_t unit);

    // ---- mouse.cpp
    void OnButtonDown(POINT point, WPARAM keys, bool doubleClick);
    void OnMouseMove(POINT point, WPARAM keys);
    void OnButtonUp(POINT point, WPARAM keys);
    void OnRightButtonDown(POINT point);
    void OnWheel(int delta, bool horizontal);
    void OnDragTimer();
    void DragTo(POINT point);

    HWND window_;
    EditSession session_{*this};
    DocumentFile file_{session_};
    Options options_;
    bool whitespaceShown_ = false;

    TypedUnits typed_;
    bool swallowChar_ = false;

    // Fonts and metrics.
    UINT dpi_ = kDesignDpi;           // the window's; lengths designed at 96 DPI scale by it
    ViewFonts fonts_;
    int charWidth_ = 8, lineHeight_ = 16, ascent_ = 12;
    int clientWidth_ = 0, clientHeight_ = 0;
    int paintedGutter_ = -1;

    struct CaretColumnCache {
        bool valid;
        unsigned long edits;
        std::size_t offset;
        unsigned tabSize;
        std::size_t column;
    };
    mutable CaretColumnCache caretColumnCache_ = {};

    // Columns already walked on very long lines.
    mutable ColumnMarks columnMarks_;

    // Scroll state.
    std::size_t topLine_ = 0, leftColumn_ = 0;
    std::size_t topRow_ = 0;          // with word wrap: the active pane's first row within topLine_
    WidestLine widest_;               // the horizontal range
    int scrollLines_ = -1, scrollColumns_ = -1, scrollPageLines_ = -1, scrollPageColumns_ = -1;
    int scrollTop_ = -1, scrollLeft_ = -1;
    int shownBars_ = -1;              // the window's bars: bit 0 horizontal, bit 1 vertical
    OwnScrollBars bars_{window_, *this};
    bool ownBars_ = false;            // the control draws its bars (bars_), the window shows none
    bool skinnedBars_ = false;        // bars_ has the skin's look
    int wheelRemainder_ = 0;
    bool hasFocus_ = false;

    BackBuffer back_;

    // Mouse.
    enum class Drag { None, Select, Words, Lines, Column, PendingMove, Move };
    Drag drag_ = Drag::None;
    POINT dragStart_ = {};
    POINT lastMouse_ = {};
    std::size_t dragOrigin_ = 0;      // word/line drags: start of the first unit
    std::size_t dragOriginEnd_ = 0;
    DWORD lastClickTime_ = 0;
    POINT lastClickPoint_ = {};
    int clickCount_ = 0;

    LineTooltip lineTooltip_{window_};

    // Syntax colouring.
    PaintLexer paintLexer_;
    std::vector<lex::Span> spans_;

    PaneSplits splits_{PaneSplits::ActiveStart{topLine_, topRow_, leftColumn_}};
    mutable WrapRows wrap_;

    // The bracket at the caret and its partner (offsets), painted with the matched-brace
    // colour; kNoBrace when there is none.
    static constexpr std::size_t kNoBrace = static_cast<std::size_t>(-1);
    std::size_t brace_ = kNoBrace, braceMatch_ = kNoBrace;
    bool braceWaits_ = false;         // the caret's line had no known lexer state yet

    MacroRecorder recorder_;
    SessionSearch search_{session_, recorder_};
    DialogSearchTarget dialogSearch_{session_, search_, file_.encoding()};
    SessionClipboard clipboard_{window_, session_, file_.encoding()};
    TextDrop textDrop_{window_, session_, clipboard_, file_.encoding(), *this};
};

} // namespace corvex
