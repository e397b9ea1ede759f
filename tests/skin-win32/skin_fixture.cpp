#include "tests/skin-win32/skin_fixture.h"

#include "skin/skin_loader.h"
#include "tests/harness/staged_app.h"

#include <windows.h>
#include <cstdint>
#include <cstring>

namespace skintest {

namespace {

void Put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

std::string BitmapBytes(int width, int height, const PixelFunction& pixel)
{
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
    std::string out = "BM";
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const skin::Rgb c = pixel(x, y);
            row += static_cast<char>(c.b);
            row += static_cast<char>(c.g);
            row += static_cast<char>(c.r);
        }
        row.resize(static_cast<std::size_t>(stride), '\0');
        out += row;
    }
    return out;
}

void WriteBitmap(const std::string& path, int width, int height, const PixelFunction& pixel)
{
    harness::WriteFile(path, BitmapBytes(width, height, pixel));
}

std::vector<skin::Rgb> ReadBitmap(const std::string& path, int& width, int& height)
{
    std::vector<skin::Rgb> pixels;
    width = height = 0;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!bitmap)
        return pixels;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(skin::FromColorRef(GetPixel(dc, x, y)));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

void SkinTest::StartWith(const std::string& startSkin)
{
    app.SetConfig("Main", "Skin", startSkin);
    ASSERT_TRUE(app.Start());
}

std::string SkinTest::SkinFolder(const std::string& skin) const { return app.Folder() + "Skin\\" + skin + "\\"; }

std::string SkinTest::CopySkin(const std::string& name, const std::string& from)
{
    e2e::CopyFolder(SkinFolder(from), SkinFolder(name));
    return SkinFolder(name);
}

void SkinTest::SetValue(const std::string& skin, const char* section, const char* key, const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), (SkinFolder(skin) + "Skin.ini").c_str());
}

bool SkinTest::Load(const std::string& skin)
{
    const bool loaded = LoadMainWindowSkin(SkinFolder(skin));
    harness::InProcessApp::Pump();
    return loaded;
}

std::vector<std::string> SkinTest::TakeMessages()
{
    std::vector<std::string> texts;
    for (const harness::AskedMessage& message : app.messages)
        texts.push_back(message.text);
    app.messages.clear();
    return texts;
}

SIZE SkinTest::WindowSize() const
{
    RECT rect = {};
    GetWindowRect(Frame(), &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

skin::Rgb SkinTest::WindowPixel(int x, int y) const
{
    // Copied out of the window DC, which holds the window's own pixels even where
    // another window covers it.
    HDC window = GetWindowDC(Frame());
    HDC memory = CreateCompatibleDC(window);
    HBITMAP pixel = CreateCompatibleBitmap(window, 1, 1);
    HGDIOBJ previous = SelectObject(memory, pixel);
    BitBlt(memory, 0, 0, 1, 1, window, x, y, SRCCOPY);
    const COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, previous);
    DeleteObject(pixel);
    DeleteDC(memory);
    ReleaseDC(Frame(), window);
    return skin::FromColorRef(colour);
}

LRESULT SkinTest::HitAt(int x, int y) const
{
    RECT rect = {};
    GetWindowRect(Frame(), &rect);
    return SendMessageA(Frame(), WM_NCHITTEST, 0, MAKELPARAM(rect.left + x, rect.top + y));
}

void SkinTest::Repaint() const
{
    RedrawWindow(Frame(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    harness::InProcessApp::Pump();
}

} // namespace skintest
