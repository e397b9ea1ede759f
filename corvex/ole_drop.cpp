// The control's side of OLE drag and drop: a selection dragged out of the window becomes
// an OLE drag (other programs receive a copy; back on this control it moves, or copies
// with Ctrl, as a drag inside the window does), and text dropped from elsewhere is
// inserted where it was dropped, selected, as one undo step.
#include "corvex/editor.h"

namespace corvex {

void Editor::DragOut()
{
    drag_ = Drag::None;
    KillTimer(window_, kDragTimer);
    if (GetCapture() == window_)
        ReleaseCapture();
    InvalidateRect(window_, nullptr, FALSE);
    if (!oleReady_ || !session_.hasSelection())
        return;
    IDataObject* data = NewTextDataObject(TransferText());
    IDropSource* source = NewDropSource();
    draggingOut_ = true;
    selfDropped_ = false;
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    draggingOut_ = false;
    source->Release();
    data->Release();
    if (selfDropped_)
        session_.moveSelectedText(selfDropOffset_, selfDropCopy_);
}

void Editor::ShowDropPoint(POINT client)
{
    dropOffset_ = OffsetAtPoint(client);
    dropShown_ = true;
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::HideDropPoint()
{
    if (!dropShown_)
        return;
    dropShown_ = false;
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::DropText(POINT client, const std::wstring& text, bool copy)
{
    const std::size_t offset = OffsetAtPoint(client);
    if (draggingOut_) {  // our own text: moved or copied once the drag has ended
        selfDropped_ = true;
        selfDropOffset_ = offset;
        selfDropCopy_ = copy;
        return;
    }
    const std::string bytes = normaliseAllLineEnds(DocumentText(text));
    if (bytes.empty())
        return;
    session_.document().breakGroup();
    session_.moveCaret(offset, false);
    session_.replaceSelection(bytes, EditKind::Other);
    session_.document().breakGroup();
    session_.setSelection(offset, offset + bytes.size());
}

} // namespace corvex
