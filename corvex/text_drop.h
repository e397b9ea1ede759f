// The control's side of OLE drag and drop: a selection dragged out of the window becomes
// an OLE drag (other programs receive a copy; back on this control it moves, or copies
// with Ctrl, as a drag inside the window does), and text dropped from elsewhere is
// inserted where it was dropped, selected, as one undo step. While text is dragged over
// the control (or moved inside it), a drop caret shows where it would go.
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"
#include "corvex/ole_drag_drop.h"
#include "corvex/session_clipboard.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace corvex {

// The view a drop lands on.
class DropView {
public:
    virtual ~DropView() = default;
    virtual std::size_t OffsetAtPoint(POINT point) const = 0;
};

class TextDrop : private DropHost {
public:
    TextDrop(HWND window, EditSession& session, SessionClipboard& clipboard, const Encoding& encoding,
             DropView& view)
        : window_(window), session_(session), clipboard_(clipboard), encoding_(encoding), view_(view) {}

    // With the window: text can be dropped on it from other programs (OLE keeps a count
    // of the initialisations of a thread; one that failed is not undone).
    void Register();
    void Revoke();
    // The selection leaves the window: an OLE drag, until it is dropped or cancelled.
    void DragOut();
    // A drag inside the window would drop at `offset`.
    void SetMovePoint(std::size_t offset) { dropOffset_ = offset; }
    // Where the drop caret is painted, while `moving` text inside the window or while
    // text from elsewhere is over it.
    bool DropPointShown(bool moving) const { return moving || dropShown_; }
    std::size_t DropOffset() const { return dropOffset_; }

private:
    bool DraggingOut() const override { return draggingOut_; }
    void ShowDropPoint(POINT client) override;
    void HideDropPoint() override;
    void DropText(POINT client, const std::wstring& text, bool copy) override;

    HWND window_;
    EditSession& session_;
    SessionClipboard& clipboard_;
    const Encoding& encoding_;
    DropView& view_;
    bool oleReady_ = false;
    IDropTarget* dropTarget_ = nullptr;
    bool draggingOut_ = false;
    bool selfDropped_ = false;  // our own text came back and was dropped
    bool selfDropCopy_ = false;
    std::size_t selfDropOffset_ = 0;
    bool dropShown_ = false;
    std::size_t dropOffset_ = 0;
};

} // namespace corvex
