// What the documents need from the window that shows them. The documents own their
// editors, the tab captions and the status-line texts, but the frame, the tab strip and
// the status bar belong to the main window, which implements this and hands it over
// before it opens the first document; tests hand over their own.
#pragma once

#include "platform/dpi.h"

#include <windows.h>

namespace docs {

class DocsHost {
public:
    virtual ~DocsHost() = default;

    // The frame: parent of the editors, owner of the message boxes and file dialogs.
    virtual HWND Frame() const = 0;
    // The tab strip, one tab per document.
    virtual HWND TabStrip() const = 0;
    // The status bar with its four fields.
    virtual HWND StatusBar() const = 0;
    // The DPI the frame is laid out at.
    virtual int Dpi() const { return dpi::OfWindow(Frame()); }
    // The icon of the saved-state field.
    virtual HICON SavedStateIcon(bool saved) const = 0;
    // The frame lays its parts out again (a first document appeared).
    virtual void LayOutParts() = 0;
    // A document's editor was created and has its settings; the host adds its own look.
    virtual void EditorCreated(HWND control) = 0;
    // The editor settings held a recorded macro in slot `index`.
    virtual void MacroLoaded(int index) = 0;
};

void SetDocsHost(DocsHost* host);
DocsHost& Host();

} // namespace docs
