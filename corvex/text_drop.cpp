#include "corvex/text_drop.h"

#include "corvex/text_form.h"

namespace corvex {

void TextDrop::Register()
{
    oleReady_ = SUCCEEDED(OleInitialize(nullptr));
    if (oleReady_)
        dropTarget_ = RegisterDropTarget(window_, *this);
}

void TextDrop::Revoke()
{
    RevokeDropTarget(window_, dropTarget_);
    dropTarget_ = nullptr;
    if (oleReady_)
        OleUninitialize();
    oleReady_ = false;
}

void TextDrop::DragOut()
{
    if (!oleReady_ || !session_.hasSelection())
        return;
    IDataObject* data = NewTextDataObject(clipboard_.TransferText());
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

void TextDrop::ShowDropPoint(POINT client)
{
    dropOffset_ = view_.OffsetAtPoint(client);
    dropShown_ = true;
    InvalidateRect(window_, nullptr, FALSE);
}

void TextDrop::HideDropPoint()
{
    if (!dropShown_)
        return;
    dropShown_ = false;
    InvalidateRect(window_, nullptr, FALSE);
}

void TextDrop::DropText(POINT client, const std::wstring& text, bool copy)
{
    const std::size_t offset = view_.OffsetAtPoint(client);
    if (draggingOut_) {  // our own text: moved or copied once the drag has ended
        selfDropped_ = true;
        selfDropOffset_ = offset;
        selfDropCopy_ = copy;
        return;
    }
    const std::string bytes = normaliseAllLineEnds(DocumentTextOf(text, encoding_));
    if (bytes.empty())
        return;
    session_.document().breakGroup();
    session_.moveCaret(offset, false);
    session_.replaceSelection(bytes, EditKind::Other);
    session_.document().breakGroup();
    session_.setSelection(offset, offset + bytes.size());
}

} // namespace corvex
