// The main window built in-process with skins of the test's making: copies of an
// installed skin with keys and bitmaps changed, and the window's pixels read back.
#pragma once

#include "skin/skin_types.h"
#include "tests/harness/in_process_app.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace skintest {

using PixelFunction = std::function<skin::Rgb(int x, int y)>;

// A 24-bit bottom-up .bmp file.
std::string BitmapBytes(int width, int height, const PixelFunction& pixel);
void WriteBitmap(const std::string& path, int width, int height, const PixelFunction& pixel);
// The pixels of a bitmap file (as the loader sees them), row-major; empty when unreadable.
std::vector<skin::Rgb> ReadBitmap(const std::string& path, int& width, int& height);

class SkinTest : public ::testing::Test {
protected:
    // Starts the application with the installed skin `startSkin`.
    void StartWith(const std::string& startSkin = "Quillblue");
    // A copy of an installed skin under the application's Skin folder; returns its folder.
    std::string CopySkin(const std::string& name, const std::string& from = "Quillblue");
    void SetValue(const std::string& skin, const char* section, const char* key, const std::string& value);
    std::string SkinFolder(const std::string& skin) const;
    bool Load(const std::string& skin);
    // Texts of the message boxes asked since the last call.
    std::vector<std::string> TakeMessages();

    HWND Frame() const { return app.Frame(); }
    SIZE WindowSize() const;
    // A pixel of the window as it is on the screen, window coordinates.
    skin::Rgb WindowPixel(int x, int y) const;
    // Sends WM_NCHITTEST for a point in window coordinates.
    LRESULT HitAt(int x, int y) const;
    void Repaint() const;

    harness::InProcessApp app;
};


} // namespace skintest

namespace skin {
inline std::ostream& operator<<(std::ostream& out, Rgb c)
{
    return out << '(' << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
}
} // namespace skin
