// The "Corvex" window class: one Editor per window, created with the window and
// destroyed with it, and the dispatch of every message the control answers.
#include "corvex/editor.h"
#include "corvex/file_io.h"
#include "corvex/library.h"
#include "corvex/memory_room.h"
#include "corvex/parent_notice.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
#include <stdexcept>

namespace corvex {

HINSTANCE g_module = nullptr;

namespace {

std::wstring WideOrEmpty(LPARAM text)
{
    const auto* wide = reinterpret_cast<const wchar_t*>(text);
    return wide ? wide : L"";
}

// GetPosition with `shown` 0: [0] selection start, [1] selection end (byte offsets), [2]
// caret line and [3] caret column, 0-based. With 1 the line and column are 1-based, the
// column counted with tabs expanded, as the status line shows them.
void FillPositionRecord(const EditSession& session, std::size_t caretColumn, WPARAM shown, int* record)
{
    record[0] = static_cast<int>(session.selection().start());
    record[1] = static_cast<int>(session.selection().end());
    const int base = shown == 1 ? 1 : 0;
    record[2] = static_cast<int>(session.caretLine()) + base;
    record[3] = static_cast<int>(caretColumn) + base;
}

// SaveRecord: the range of `record` (its first two numbers) becomes `text`.
LRESULT ReplaceRecord(EditSession& session, const int* record, const std::wstring& text, Encoding encoding)
{
    if (!record || record[0] < 0 || record[1] < 0)
        return 0;
    session.replaceBetween(static_cast<std::size_t>(record[0]), static_cast<std::size_t>(record[1]),
                           normaliseAllLineEnds(DocumentTextOf(text, encoding)));
    return 1;
}

// GetText: the text's size; as much of it as fits into `buffer`, when one is given.
LRESULT CopyText(const TextBuffer& text, std::size_t capacity, char* buffer)
{
    if (buffer)
        text.copyOut(0, std::min(text.size(), capacity), buffer);
    return static_cast<LRESULT>(text.size());
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* editor = reinterpret_cast<Editor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        editor = new (std::nothrow) Editor(window);
        if (!editor)
            return FALSE;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    }
    if (!editor)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete editor;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return editor->Handle(message, wParam, lParam);
}

} // namespace

Editor::Editor(HWND window) : window_(window) { session_.setLineListener(this); }

// Runs the message and then tells the parent what changed: the caret, the modified flag,
// the insert/overwrite mode.
LRESULT Editor::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Selection selection = session_.selection();
    const unsigned long edits = session_.editCount();
    const bool modified = session_.document().isModified();
    const bool overwrite = session_.overwrite();
    LRESULT result = 0;
    try {
        result = Dispatch(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        // Out of memory in an edit: the document keeps its last complete state.
        result = 0;
    }
    if (overwrite != session_.overwrite())
        NotifyParent(window_, NotifyOverwriteChanged);
    if (modified != session_.document().isModified())
        NotifyParent(window_, NotifyModifiedChanged);
    if (selection != session_.selection() || edits != session_.editCount()) {
        RefreshBraceHighlight();
        NotifyParent(window_, NotifyCaretMoved);
    }
    return result;
}

LRESULT Editor::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    OptionEffect effect = OptionEffect::None;
    if (HandleOptionMessage(options_, message, wParam, lParam, result, effect)) {
        AfterOptionMessage(message, effect);
        return result;
    }
    // The control's own messages are numbered from WM_USER on.
    return message >= WM_USER ? ControlMessage(message, wParam, lParam) : WindowMessage(message, wParam, lParam);
}

// What depends on an option that a message just set.
void Editor::AfterOptionMessage(UINT message, OptionEffect effect)
{
    if (effect == OptionEffect::Relayout)
        Relayout();
    else if (effect == OptionEffect::ScrollBars)
        UpdateScrollBars();
    else if (effect == OptionEffect::Repaint)
        InvalidateRect(window_, nullptr, FALSE);
    else if (effect == OptionEffect::Wrap)
        ApplyWordWrap();
    else if (effect == OptionEffect::Skin) {
        std::unique_ptr<ScrollBarLook> look = LoadSkinScrollBarLook(options_.skinFolder);
        skinnedBars_ = look != nullptr;
        bars_.SetLook(std::move(look));
        AfterAreaChange();  // the bars may come, go or change their thickness
    }
    if (message == SetLanguage)
        ResetLexer();
    if (!options_.horizontalSplitter)
        Unsplit(SplitBar::Rows);
    if (!options_.verticalSplitter)
        Unsplit(SplitBar::Columns);
    if (message == SetSplitter || message == SetSplitterColour)
        InvalidateRect(window_, nullptr, FALSE);
    if (message == SetTooltipColour) {
        lineTooltip_.SetColours(options_.tooltipText, options_.tooltipBackground);
    }
}

LRESULT Editor::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        ApplyDpi(WindowDpi(window_));  // nothing to do at 96
        Relayout();
        textDrop_.Register();
        return 0;
    case WM_DESTROY:
        textDrop_.Revoke();
        if (recorder_.recording())
            StopRecording();
        dialogs::ClearActiveSearchTarget(window_);
        return 0;
    case WM_SIZE:
        clientWidth_ = LOWORD(lParam);
        clientHeight_ = HIWORD(lParam);
        FitSplitsToArea();
        UpdateScrollBars();
        ScrollTo(topLine_, leftColumn_);
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_PRINTCLIENT: {
        const RECT all = {0, 0, clientWidth_, clientHeight_};
        DrawRows(reinterpret_cast<HDC>(wParam), all);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_SETFOCUS:
        dialogs::SetActiveSearchTarget(&dialogSearch_, window_);
        hasFocus_ = true;
        CreateCaret(window_, nullptr, CaretWidth(), lineHeight_);
        PlaceCaret();
        ShowCaret(window_);
        return 0;
    case WM_KILLFOCUS:
        hasFocus_ = false;
        DestroyCaret();
        return 0;
    case WM_SETFONT:
        fonts_.Give(reinterpret_cast<HFONT>(wParam));
        Relayout();
        if (LOWORD(lParam) != 0)
            UpdateWindow(window_);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(fonts_.Design());
    case kDpiChangedAfterParent:
        ApplyDpi(WindowDpi(window_));
        return 0;
    case kDpiChanged:
        // Sent to top-level windows only; a control made one takes the new DPI (its
        // window is not moved: that is its owner's business).
        ApplyDpi(LOWORD(wParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        swallowChar_ = false;
        if (OnKeyDown(static_cast<UINT>(wParam)))
            return 0;
        return message == WM_SYSKEYDOWN ? DefWindowProcW(window_, message, wParam, lParam) : 0;
    case WM_CHAR:
        OnChar(static_cast<wchar_t>(wParam));
        return 0;
    case WM_UNICHAR:
        // Characters sent as UTF-32 by input tools: taken as their UTF-16 units.
        if (wParam == UNICODE_NOCHAR)
            return TRUE;
        if (wParam >= 0x10000 && wParam <= 0x10FFFF) {
            OnChar(static_cast<wchar_t>(0xD800 + ((wParam - 0x10000) >> 10)));
            OnChar(static_cast<wchar_t>(0xDC00 + ((wParam - 0x10000) & 0x3FF)));
        } else if (wParam < 0x10000) {
            OnChar(static_cast<wchar_t>(wParam));
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (ownBars_ && bars_.ButtonDown(point))
            return 0;
        OnButtonDown(point, wParam, message == WM_LBUTTONDBLCLK);
        return 0;
    }
    case WM_MOUSEMOVE: {
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (ownBars_) {
            bars_.MouseMove(point);
            if (bars_.Tracking())
                return 0;
        }
        OnMouseMove(point, wParam);
        return 0;
    }
    case WM_LBUTTONUP:
        if (bars_.Tracking()) {
            bars_.ButtonUp();
            return 0;
        }
        OnButtonUp({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}, wParam);
        return 0;
    case WM_MOUSELEAVE:
        bars_.MouseLeave();
        return 0;
    case WM_THEMECHANGED:
        if (!skinnedBars_) {
            bars_.SetLook(nullptr);  // the system's look, as it now is
            AfterAreaChange();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_)
            bars_.Cancel();
        if (splits_.dragging() != SplitBar::None && reinterpret_cast<HWND>(lParam) != window_)
            EndSplitterDrag();
        if (drag_ != Drag::None && reinterpret_cast<HWND>(lParam) != window_) {
            drag_ = Drag::None;
            KillTimer(window_, kDragTimer);
            InvalidateRect(window_, nullptr, FALSE);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kDragTimer)
            OnDragTimer();
        else if (wParam == kLexTimer || wParam == kWidthTimer)
            OnIdleTimer(wParam);
        else if (wParam == kScrollBarTimer)
            bars_.OnTimer();
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        // The editor's menu belongs to the text: nothing over the control's own bars.
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (ownBars_ && bars_.Contains(point))
            return 0;
        if (message == WM_RBUTTONDOWN) {
            OnRightButtonDown(point);
            return 0;
        }
        [[fallthrough]];
    }
    case WM_CONTEXTMENU: {
        NMHDR header = {window_, static_cast<UINT_PTR>(GetDlgCtrlID(window_)), static_cast<UINT>(NM_RCLICK)};
        SendMessageW(GetParent(window_), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return 0;
    }
    case WM_MOUSEWHEEL:
        if (PaneWheel(static_cast<short>(HIWORD(wParam)), (LOWORD(wParam) & MK_SHIFT) != 0))
            return 0;
        OnWheel(static_cast<short>(HIWORD(wParam)), (LOWORD(wParam) & MK_SHIFT) != 0);
        return 0;
    case 0x020E: // WM_MOUSEHWHEEL
        if (PaneWheel(-static_cast<short>(HIWORD(wParam)), true))
            return 0;
        OnWheel(-static_cast<short>(HIWORD(wParam)), true);
        return 0;
    case WM_VSCROLL:
        OnVerticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnHorizontalScroll(LOWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window_, &point);
            if (ownBars_ && (bars_.Tracking() || bars_.Contains(point))) {
                SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
                return TRUE;
            }
            const SplitBar dragged = splits_.dragging();
            if (const SplitBar bar = dragged != SplitBar::None ? dragged : SplitterAt(point); bar != SplitBar::None) {
                SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(bar == SplitBar::Rows ? 32645 : 32644))); // IDC_SIZENS/WE
                return TRUE;
            }
            const bool overText = point.x - splits_.columnLeft(splits_.columnAt(point.x)) >= PaneTextLeft();
            const bool overSelection = options_.dragDrop && overText && !session_.columnMode() &&
                                       session_.inSelection(OffsetAtPoint(point)) && drag_ == Drag::None;
            SetCursor(LoadCursorW(nullptr, overSelection || !overText ? MAKEINTRESOURCEW(32512) : MAKEINTRESOURCEW(32513)));
            return TRUE;
        }
        return DefWindowProcW(window_, message, wParam, lParam);

    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The control's messages. A macro being recorded takes the editing ones as it runs them.
LRESULT Editor::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LoadFile:
    case LoadFileWide:
    case SaveFile:
    case SaveFileWide: {
        const bool wide = message == LoadFileWide || message == SaveFileWide;
        const std::wstring path = wide ? WideOrEmpty(lParam) : AnsiToWide(reinterpret_cast<const char*>(lParam));
        if (message == SaveFile || message == SaveFileWide)
            return file_.Save(path) ? 1 : 0;
        // A file too large for the memory left is refused before it is read; a read that
        // runs out of memory midway leaves the document as it was, for the text is taken
        // only once it is complete. LoadFileWide tells that apart; LoadFile answers 0.
        const LRESULT noRoom = message == LoadFileWide ? LoadTooLarge : LoadFailed;
        if (!FileFitsInMemory(path))
            return noRoom;
        try {
            if (!file_.Load(path))
                return LoadFailed;
        } catch (const std::bad_alloc&) {
            return noRoom;
        } catch (const std::length_error&) {  // more than one allocation can ever hold
            return noRoom;
        }
        ShowNewText(0);
        return LoadDone;
    }
    case BackupStep:
        return file_.WriteBackupStep(WideOrEmpty(lParam), static_cast<std::size_t>(wParam));
    case RestoreBackup: {
        const std::wstring path = WideOrEmpty(lParam);
        const std::optional<std::size_t> caret = file_.ReadBackup(path);
        if (!caret)
            return 0;
        ShowNewText(*caret);
        file_.MarkBackupWritten(path);
        return 1;
    }
    case GetEditCount:
        return static_cast<LRESULT>(session_.editCount());
    case SetCaretLine: {
        const std::size_t last = Text().lineCount() - 1;
        session_.moveCaret(Text().lineStart(std::min<std::size_t>(static_cast<std::size_t>(wParam), last)), false);
        ScrollToCaret();
        return 1;
    }
    case MarkModified:
        session_.document().forgetSavePoint();
        return 1;
    case SaveRecord:
        return ReplaceRecord(session_, reinterpret_cast<const int*>(wParam),
                             AnsiToWide(reinterpret_cast<const char*>(lParam)), file_.encoding());
    case SaveRecordWide:
        return ReplaceRecord(session_, reinterpret_cast<const int*>(wParam), WideOrEmpty(lParam), file_.encoding());
    case GetPosition:
        if (!lParam)
            return 0;
        FillPositionRecord(session_, CaretColumn(), wParam, reinterpret_cast<int*>(lParam));
        return 1;
    case IsModified:
        return session_.document().isModified() ? 1 : 0;
    case GetEncoding:
        switch (file_.encoding()) {
        case Encoding::Utf8: return EncodingUtf8;
        case Encoding::Utf8Bom: return EncodingUtf8Bom;
        case Encoding::Utf16LE: return EncodingUtf16LE;
        case Encoding::Utf16BE: return EncodingUtf16BE;
        case Encoding::Ansi:
        case Encoding::CodePage: return EncodingAnsi;
        }
        return EncodingAnsi;
    case ClearModified:
        session_.document().setSavePoint();
        return 0;
    case Command:
        return RunCommand(static_cast<int>(wParam), lParam);
    case IsOverwrite:
        return session_.overwrite() ? 1 : 0;
    case Print:
        return PrintText(window_, Text(), fonts_.Design(), file_.name(), options_.tabWidth(), Utf8()) ? 1 : 0;
    case Undo:
        recorder_.recordCommand(formats::CommandTarget::Message, static_cast<int>(message));
        session_.undo();
        return 1;
    case Redo:
        recorder_.recordCommand(formats::CommandTarget::Message, static_cast<int>(message));
        session_.redo();
        return 1;
    case Cut:
        recorder_.recordCommand(formats::CommandTarget::Message, static_cast<int>(message));
        return clipboard_.Cut() ? 1 : 0;
    case Copy:
        recorder_.recordCommand(formats::CommandTarget::Message, static_cast<int>(message));
        return clipboard_.Copy() ? 1 : 0;
    case Paste:
        recorder_.recordCommand(formats::CommandTarget::Message, static_cast<int>(message));
        return clipboard_.Paste() ? 1 : 0;
    case CanUndo:
        return session_.document().canUndo() ? 1 : 0;
    case CanRedo:
        return session_.document().canRedo() ? 1 : 0;
    case CanCut:
    case CanCopy:
        return session_.hasSelection() ? 1 : 0;
    case CanPaste:
        return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ? 1 : 0;
    case ShowWhitespace:
        whitespaceShown_ = wParam != 0;
        InvalidateRect(window_, nullptr, FALSE);
        return 1;
    case IsWhitespaceShown:
        return whitespaceShown_ ? 1 : 0;
    case MacroRecording:
        return recorder_.recording() ? 1 : 0;
    case MacroPlaying:
        return recorder_.playing() ? 1 : 0;
    case FindText:
    case ReplaceText:
        return dialogSearch_.SearchMessage(message == FindText, wParam, lParam, options_);
    case GetLinesLexed:
        return static_cast<LRESULT>(paintLexer_.linesLexed());
    case SelectRange:
        session_.document().breakGroup();
        session_.setSelection(static_cast<std::size_t>(wParam), static_cast<std::size_t>(lParam));
        return 1;
    case GetText:
        return CopyText(Text(), static_cast<std::size_t>(wParam), reinterpret_cast<char*>(lParam));
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool RegisterControlClass()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = &ControlProc;
    wc.hInstance = g_module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32513)); // I-beam
    wc.lpszClassName = L"Corvex";
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterControlClass() { UnregisterClassW(L"Corvex", g_module); }

} // namespace corvex

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        corvex::g_module = instance;
    return TRUE;
}
