// One editing control's window: the view and controller of an edit session (the
// document, its selection and the editing rules, engine/edit_session.h), with the view's
// scroll state and fonts, and the mouse state. The window procedure (control_window.cpp)
// owns one Editor per "Corvex" window. Beside the session it keeps the macro recorder and
// the session's search (session/), and the dialogs' view of that search
// (dialog_search_target.h). Its member functions live in files by concern:
//   view_layout.cpp    fonts, metrics, line/column/pixel mapping, scrolling, scroll bars
//   view_paint.cpp     double-buffered painting of the visible lines
//   selection.cpp      caret moves by lines, the gap following the caret
//   column_editing.cpp column selection from the keyboard
//   session_view.cpp   the view's side of the edit session
//   keyboard.cpp       keys and hot keys
//   mouse.cpp          clicks, drags, drag and drop, wheel
//   document_file.cpp  load and save through the file codec
//   clipboard.cpp      cut, copy, paste
//   printing.cpp       the print command
//   syntax.cpp         the language, the lexer states and keyword case
//   bookmarks_view.cpp bookmark commands
//   commands.cpp       the Command message, and the host of a macro being played
//   splitter.cpp       the splits into two or four panes
//   pane_scroll_bars.cpp  the control's own scroll bars (with a skin, or split panes)
//   brace_view.cpp     the highlighted bracket pair at the caret
#pragma once

#include "corvex/back_buffer.h"
#include "corvex/backup_writer.h"
#include "corvex/dialog_search_target.h"
#include "corvex/engine/bookmarks.h"
#include "corvex/engine/column_marks.h"
#include "corvex/dialogs/dialog_host.h"
#include "corvex/dialogs/wide_text.h"
#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"
#include "corvex/engine/row_walk.h"
#include "corvex/engine/text_document.h"
#include "corvex/engine/text_ops.h"
#include "corvex/engine/word_wrap.h"
#include "corvex/formats/macro.h"
#include "corvex/line_tooltip.h"
#include "corvex/lex/lex_state_cache.h"
#include "corvex/ole_drag_drop.h"
#include "corvex/options.h"
#include "corvex/own_scroll_bars.h"
#include "corvex/session/macro_player.h"
#include "corvex/session/macro_recorder.h"
#include "corvex/session/paint_lexer.h"
#include "corvex/session/session_search.h"
#include "corvex/text_form.h"
#include "corvex/view_fonts.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvex {

// The timer that scrolls while a mouse drag is outside the window.
constexpr UINT_PTR kDragTimer = 1;
// The timer that learns lexer states towards the screen after a far jump.
constexpr UINT_PTR kLexTimer = 2;
// The timer that moves the text's gap to the caret after a far jump, once the user is idle.
constexpr UINT_PTR kGapTimer = 3;
// How far from the gap the caret must land for that (a move of this much is unnoticeable).
constexpr std::size_t kFarFromGap = 1u << 20;
// The timer that measures the longest line again, once idle, after an edit may have
// narrowed it.
constexpr UINT_PTR kWidthTimer = 4;

class Editor : private SessionView,
               private MacroActionHost,
               private LineChangeListener,
               private DropHost,
               private ScrollBarHost {
public:
    explicit Editor(HWND window);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // ---- syntax.cpp
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) override;

    // ---- ole_drop.cpp: dragging text out, and DropHost for text dropped on the control
    void DragOut();
    bool DraggingOut() const override { return draggingOut_; }
    void ShowDropPoint(POINT client) override;
    void HideDropPoint() override;
    void DropText(POINT client, const std::wstring& text, bool copy) override;
    void ResetLexer();
    bool Colouring() const;
    // The state at the start of `line` for painting: exact, or a guess after a far jump
    // (then the lex timer learns the way there).
    lex::LexState PaintStartState(std::size_t line);
    void OnLexTimer();
    void OnGapTimer();
    void OnWidthTimer();

    // ---- bookmarks_view.cpp
    void RunBookmarkCommand(int code);

    // ---- commands.cpp: macros
    // Stores the macro recorded and tells the parent that the settings changed.
    void StopRecording();
    void runMacroCommand(const formats::EditorCommand& command) override;

    // ---- splitter.cpp
    // The panes: rows 0 (upper, only with a horizontal split) and 1, columns 0 (left,
    // only with a vertical split) and 1. The active pane's first line and column are
    // topLine_ and leftColumn_; the other row's and column's are otherTop_/otherLeft_.
    int RowTop(int row) const { return row == 0 ? 0 : splitY_ ? splitY_ + kSplitBarSize : 0; }
    int RowBottom(int row) const { return row == 0 ? splitY_ : AreaBottom(); }
    int ColumnLeft(int column) const { return column == 0 ? 0 : splitX_ ? splitX_ + kSplitBarSize : 0; }
    int ColumnRight(int column) const { return column == 0 ? splitX_ : AreaRight(); }
    int ViewTop() const { return RowTop(activeRow_); }
    int ViewBottom() const { return RowBottom(activeRow_); }
    int ViewLeft() const { return ColumnLeft(activeColumn_); }
    int ViewRight() const { return ColumnRight(activeColumn_); }
    std::size_t RowTopLine(int row) const { return row == activeRow_ ? topLine_ : otherTop_; }
    std::size_t RowTopRow(int row) const { return row == activeRow_ ? topRow_ : otherTopRow_; }
    std::size_t ColumnLeftColumn(int column) const { return column == activeColumn_ ? leftColumn_ : otherLeft_; }
    int RowAt(int y) const { return splitY_ && y < splitY_ + kSplitBarSize / 2 ? 0 : 1; }
    int ColumnAt(int x) const { return splitX_ && x < splitX_ + kSplitBarSize / 2 ? 0 : 1; }
    void ActivatePane(int row, int column);
    // The other row (column) of panes takes the active one's place: its first line (and
    // row) or first column become topLine_/topRow_ or leftColumn_.
    void TradeRows();
    void TradeColumns();
    RECT SplitBoxRect() const;
    RECT ColumnSplitBoxRect() const;
    int SplitterAt(POINT point) const; // 0 none, 1 the horizontal bar or box, 2 the vertical one
    void DragSplitter(POINT point);
    void EndSplitterDrag();
    void Unsplit();
    void UnsplitColumns();
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
    void ApplySkin();             // after the skin folder was given
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
    void Notify(UINT code);
    void SendKeyCommand(WORD command);
    LRESULT RunCommand(int code, LPARAM argument = 0);
    LRESULT GetPositionRecord(WPARAM shown, int* record) const;
    LRESULT ReplaceRecord(const int* record, const std::wstring& text);
    LRESULT CopyText(std::size_t capacity, char* buffer) const;

    // ---- view_layout.cpp
    void SetFont(HFONT font, bool redraw);
    void Relayout();
    void ApplyWordWrap();  // after the option changed
    int GutterWidth() const;
    int TextLeft() const { return ViewLeft() + PaneTextLeft(); }
    int PaneTextLeft() const; // from the left edge of a pane
    std::size_t VisibleLines() const;
    std::size_t VisibleColumns() const;
    std::size_t LineAtY(int y) const;
    std::size_t ColumnAtX(int x) const;
    std::size_t OffsetAtPoint(POINT point) const;
    int YOfLine(std::size_t line) const;
    std::size_t CaretLine() const;
    std::size_t CaretColumn() const;
    std::size_t ColumnOf(std::size_t offset) const;
    void ScrollTo(std::size_t topLine, std::size_t leftColumn);
    void ScrollToCaret();
    void UpdateScrollBars();
    // `thumb`: the thumb's position with SB_THUMBTRACK/SB_THUMBPOSITION (-1: the window's
    // scroll bar tells it).
    void OnVerticalScroll(WORD request, long long thumb = -1);
    void OnHorizontalScroll(WORD request, long long thumb = -1);
    void NoteLineWidth(std::size_t line);
    void NoteLongestLine();
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
    // Clips the back buffer to the pane; the pane's rows [firstRow, lastRow] that `clip`
    // touches, or false when it touches none.
    bool ClipToPane(const Pane& pane, const RECT& clip, int& firstRow, int& lastRow);
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
    void MoveByRows(long long rows, bool extend);
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
    void NoteCaretLineRows();                        // wrapCheck_ for the caret's line
    RowsBeforeEdit rowsBeforeEdit_;

    // ---- selection.cpp
    bool Utf8() const { return isUtf8Text(encoding_); }
    const TextBuffer& Text() const { return session_.text(); }
    void MoveVertically(long lines, bool extend);

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

    // ---- column_editing.cpp
    // Alt+Shift with an arrow or page key: starts or extends the column block.
    bool ExtendColumnByKey(UINT key);
    std::string DocumentText(const std::wstring& text) const { return DocumentTextOf(text, encoding_); }
    // The selection as it goes to the clipboard or another program: UTF-16, CRLF line ends.
    std::wstring TransferText() const;

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

    // ---- document_file.cpp
    LRESULT LoadDocument(const std::wstring& path);
    LRESULT SaveDocument(const std::wstring& path);
    // One step of writing the backup at `path` (backup_writer.h): 0 written (or already
    // current), 1 more to do, -1 failed.
    LRESULT WriteBackupStep(const std::wstring& path, std::size_t budget);
    // Takes the document from the backup at `path`, modified; 0 when it cannot be read.
    LRESULT ReadBackup(const std::wstring& path);
    void ShowNewText(std::size_t caret);

    // ---- clipboard.cpp
    bool CopySelection();
    bool CutSelection();
    bool PasteClipboard();

    // ---- printing.cpp
    LRESULT PrintDocument();

    HWND window_;
    EditSession session_{*this};
    Encoding encoding_ = Encoding::Utf8;
    LineEnd lineEnd_ = LineEnd::CRLF;
    bool utf16Fallback_ = false;
    std::wstring documentName_;
    Options options_;
    bool whitespaceShown_ = false;

    BackupWriter backup_;
    TypedUnits typed_;
    bool swallowChar_ = false;

    // Fonts and metrics.
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
    std::size_t widestColumns_ = 0;   // the horizontal range: the longest line, or the caret's column
    std::size_t longestLine_ = 0;     // the line widestColumns_ was last measured on
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
    std::size_t dropOffset_ = 0;
    // OLE drag and drop: the registered drop target, a drag of our text under way (and
    // where it was dropped when it came back onto this control), the drop caret shown.
    bool oleReady_ = false;
    IDropTarget* dropTarget_ = nullptr;
    bool draggingOut_ = false;
    bool selfDropped_ = false;
    bool selfDropCopy_ = false;
    std::size_t selfDropOffset_ = 0;
    bool dropShown_ = false;
    DWORD lastClickTime_ = 0;
    POINT lastClickPoint_ = {};
    int clickCount_ = 0;

    LineTooltip lineTooltip_{window_};

    // Syntax colouring.
    PaintLexer paintLexer_;
    std::vector<lex::Span> spans_;

    // The splits: a horizontal bar makes an upper and a lower row, a vertical bar a left
    // and a right column; both make four panes.
    static constexpr int kSplitBarSize = 5;
    int splitY_ = 0;                  // top of the horizontal bar; 0 not split
    int splitX_ = 0;                  // left of the vertical bar; 0 not split
    int activeRow_ = 1, activeColumn_ = 1;
    std::size_t otherTop_ = 0;        // first line of the row that is not active
    std::size_t topRow_ = 0;          // with word wrap: the active pane's first row within topLine_
    std::size_t otherTopRow_ = 0;     // and that of the row that is not active
    mutable WrapRows wrap_;
    std::size_t otherLeft_ = 0;       // first column of the column that is not active
    int draggingSplitter_ = 0;        // which bar is being dragged, as SplitterAt

    // The bracket at the caret and its partner (offsets), painted with the matched-brace
    // colour; kNoBrace when there is none.
    static constexpr std::size_t kNoBrace = static_cast<std::size_t>(-1);
    std::size_t brace_ = kNoBrace, braceMatch_ = kNoBrace;
    bool braceWaits_ = false;         // the caret's line had no known lexer state yet

    MacroRecorder recorder_;
    SessionSearch search_{session_, recorder_};
    DialogSearchTarget dialogSearch_{session_, search_, encoding_};
};

} // namespace corvex
