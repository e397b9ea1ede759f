// The main window built in-process for the skinned parts: pixels of child windows and
// of drawing into memory, and menus driven from a timer while they are tracked.
#pragma once

#include "tests/skin-win32/skin_fixture.h"

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace skintest {

// Pixels copied out of a device context.
struct Picture {
    int width = 0, height = 0;
    std::vector<skin::Rgb> pixels;
    skin::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // How many pixels of the rectangle have this colour.
    int Count(const RECT& area, skin::Rgb colour) const;
};

Picture CopyOf(HDC dc, int width, int height);
// A window's client area (or, with `whole`, the whole window), from its own DC.
Picture ClientPicture(HWND window, bool whole = false);
Picture BitmapFile(const std::string& path);

// The visible popup-menu window of this thread, if any.
HWND OpenPopupMenu();

class PartsTest : public SkinTest {
protected:
    // Runs `open` (which tracks a menu and returns when it closes) with a timer that
    // calls the steps one by one, each while a popup menu is showing; keeps handling
    // messages until every step has run (or the time runs out), then closes any menu.
    void DriveMenus(const std::function<void()>& open, std::vector<std::function<void(HWND popup)>> steps);
    // The screen point at the middle of a menu-bar button.
    POINT MenuBarButtonCentre(int command) const;
    Picture Bitmap(const std::string& skin, const char* file) const;
    // Makes documents until there are `count`.
    void OpenDocuments(int count);
};

} // namespace skintest
