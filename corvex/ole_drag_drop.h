// Text dragged between the control and other programs through OLE: the data object and
// drop source of a drag that leaves the control, and the drop target that takes text
// (and hands dropped files on to the window that accepts them).
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

namespace corvex {

// What the drop target needs from the control it serves.
class DropHost {
public:
    virtual ~DropHost() = default;
    // True while this control's own text is being dragged (a drop on it moves or copies).
    virtual bool DraggingOut() const = 0;
    // The drop caret at a client point, or none.
    virtual void ShowDropPoint(POINT client) = 0;
    virtual void HideDropPoint() = 0;
    // Text dropped at a client point: inserted (another program's), or this control's own
    // selection moved or copied there.
    virtual void DropText(POINT client, const std::wstring& text, bool copy) = 0;
};

// A data object holding one text, offered as CF_UNICODETEXT and CF_TEXT.
IDataObject* NewTextDataObject(const std::wstring& text);
// The drop source of a drag with the left button: Escape cancels, releasing the button drops.
IDropSource* NewDropSource();
// Registers a drop target for `window` (OleInitialize must have succeeded on the thread);
// null when registration failed. Revoke with RevokeDropTarget before the window goes.
IDropTarget* RegisterDropTarget(HWND window, DropHost& host);
void RevokeDropTarget(HWND window, IDropTarget* target);

// The text of a data object (CF_UNICODETEXT, else CF_TEXT); false when it has none.
bool TextOf(IDataObject* data, std::wstring& text);

} // namespace corvex
