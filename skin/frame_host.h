// What the skinned frame needs from the window it draws. The skin engine draws the frame,
// the menus, the bars and the tabs, but what lies inside the frame belongs to the program
// above it: the main window implements this and hands it over before it loads a skin.
#pragma once

#include "skin/skin_types.h"

#include <windows.h>

namespace skin {

class FrameHost {
public:
    virtual ~FrameHost() = default;

    // The window the main skin draws (the frame).
    virtual HWND FrameWindow() const = 0;
    // Lays out the parts inside the client area for a client size; the editor goes inside
    // the skin's editor margins.
    virtual void LayOutClientArea(int width, int height, const Margins& editorMargins) = 0;
    // The frame's menu button was clicked: pop the main menu up.
    virtual void OpenMainMenu() = 0;
    // True while one of the program's own popups has the focus: the frame then keeps
    // its active look.
    virtual bool KeepsActiveLook() const = 0;
    // A skin has been applied to the skin's own parts (menus, toolbar, tabs, status bar):
    // the host brings the rest of the window in line with it.
    virtual void SkinApplied() = 0;
};

// The host of the main skin; without one the frame lays nothing out and opens no menu.
void SetFrameHost(FrameHost* host);
FrameHost& Host();

} // namespace skin
