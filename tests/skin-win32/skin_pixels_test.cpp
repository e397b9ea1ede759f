// The painted frame read back from the screen: the pieces, the caption and the
// buttons where they belong, for the active and the inactive window.
#include "skin/frame_geometry.h"
#include "skin/skinned_frame.h"
#include "tests/skin-win32/skin_fixture.h"

namespace skintest {
namespace {

class PixelTest : public SkinTest {
protected:
    struct Picture {
        int width = 0, height = 0;
        std::vector<skin::Rgb> pixels;
        skin::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    };
    Picture Bitmap(const std::string& name)
    {
        Picture picture;
        picture.pixels = ReadBitmap(SkinFolder("Quillblue") + name, picture.width, picture.height);
        return picture;
    }
    void SetActive(bool active)
    {
        SendMessageA(Frame(), WM_NCACTIVATE, active, 0);
        Repaint();
    }
};

TEST_F(PixelTest, ThePiecesAndButtonsShowTheirActiveAndInactiveStates)
{
    StartWith();  // Quillblue: title bar on top, strips with inactive rows
    const Picture corner = Bitmap("top left.bmp");
    const Picture edge = Bitmap("top.bmp");
    const Picture bottom = Bitmap("bottom right.bmp");
    const Picture buttons = Bitmap("sys buttons.bmp");
    ASSERT_GT(corner.height, 0);
    const SIZE w = WindowSize();
    const int cornerState = corner.height / 2, edgeState = edge.height / 2;
    const int sh = buttons.height / 6;
    const skin::Rect close = *MainSkin().ButtonRects()[skin::ButtonIndex(skin::FrameButton::Close)];
    const int bx = 3, by = sh / 2;  // a pixel at the close button's left, inside its cell

    for (bool active : {true, false}) {
        SetActive(active);
        SCOPED_TRACE(active ? "active" : "inactive");
        const int cornerRow = active ? 0 : cornerState;
        const int edgeRow = active ? 0 : edgeState;
        EXPECT_EQ(WindowPixel(2, 20), corner.At(2, cornerRow + 20));
        EXPECT_EQ(WindowPixel(w.cx / 2, 2), edge.At((w.cx / 2 - corner.width) % edge.width, edgeRow + 2));
        EXPECT_EQ(WindowPixel(w.cx - 1, w.cy - 1), bottom.At(bottom.width - 1, bottom.height - 1));
        const int row = active ? 0 : 3 * sh;
        EXPECT_EQ(WindowPixel(close.left + bx, close.top + by), buttons.At(bx, row + by));
    }
}

TEST_F(PixelTest, TheCaptionIsDrawnWithItsShadowAtItsPlace)
{
    StartWith();  // Quillblue: "Quillet" at TextX 30, TextY 7, white on a dark shadow
    SetActive(true);
    const skin::CaptionDescription& caption = MainSkin().Description().caption;
    int text = 0, shadow = 0;
    for (int y = 7; y < 22; ++y)
        for (int x = 30; x < 80; ++x) {
            const skin::Rgb pixel = WindowPixel(x, y);
            text += pixel == caption.active;
            shadow += pixel == caption.activeShadow;
        }
    EXPECT_GT(text, 20);
    EXPECT_GT(shadow, 5);
    int elsewhere = 0;
    for (int x = 100; x < 300; ++x)
        elsewhere += WindowPixel(x, 14) == caption.active;
    EXPECT_EQ(elsewhere, 0);

    SetActive(false);
    int inactiveText = 0;
    for (int y = 7; y < 22; ++y)
        for (int x = 30; x < 80; ++x)
            inactiveText += WindowPixel(x, y) == caption.inactive;
    EXPECT_GT(inactiveText, 20);
}

TEST_F(PixelTest, ATitleBarOnTheLeftDrawsItsCaptionUpward)
{
    StartWith("Graphite");
    ASSERT_EQ(MainSkin().Description().frame.side, skin::TitleBarSide::Left);
    SetActive(true);
    const skin::CaptionDescription& caption = MainSkin().Description().caption;
    const skin::Size left = MainSkin().Description().frame.pieceStates[skin::PieceIndex(skin::FramePiece::Left)];
    int inBar = 0, onTop = 0;
    const SIZE w = WindowSize();
    for (int y = 0; y < w.cy; ++y)
        for (int x = 0; x < left.width; ++x)
            inBar += WindowPixel(x, y) == caption.active;
    for (int x = left.width + 40; x < w.cx - 40; x += 2)
        for (int y = 0; y < 20; ++y)
            onTop += WindowPixel(x, y) == caption.active;
    EXPECT_GT(inBar, 20);
    EXPECT_EQ(onTop, 0);
}

} // namespace
} // namespace skintest
