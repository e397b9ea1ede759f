// The toolbar buttons drawn from `toolbar.bmp`, with their descriptions in the status line.
#include "app/main_window.h"
#include "skin/skinned_menus.h"
#include "tests/skin-parts/parts_fixture.h"

#include <commctrl.h>

namespace skintest {
namespace {

class ToolbarTest : public PartsTest {
protected:
    // Draws button `command` in `state` into a buffer; answers the custom-draw result.
    LRESULT Draw(int command, UINT state, Picture* picture = nullptr)
    {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 20);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        NMTBCUSTOMDRAW draw = {};
        draw.nmcd.hdr.hwndFrom = Main().Toolbar();
        draw.nmcd.hdr.code = NM_CUSTOMDRAW;
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.hdc = memory;
        draw.nmcd.rc = {0, 0, 20, 20};
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(command);
        draw.nmcd.uItemState = state;
        const LRESULT answer = DrawToolbarButton(&draw);
        if (picture)
            *picture = CopyOf(memory, 20, 20);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return answer;
    }
    std::string StatusText() const
    {
        char text[256] = "";
        SendMessageA(Main().StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(ToolbarTest, ButtonsShowTheirCellAndAHotButtonItsDescription)
{
    StartWith();
    const Picture cells = Bitmap("Quillblue", "toolbar.bmp");
    const int w = cells.width / 16, h = cells.height / 3;
    struct Case {
        UINT state;
        int row;
    };
    for (const Case c : {Case{0, 0}, Case{CDIS_SELECTED, 1}, Case{CDIS_HOT, 2}}) {
        Picture drawn;
        EXPECT_EQ(Draw(703, c.state, &drawn), CDRF_SKIPDEFAULT);
        int same = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                same += drawn.At(x, y) == cells.At(3 * w + x, c.row * h + y);
        EXPECT_EQ(same, w * h) << "row " << c.row;
    }
    EXPECT_EQ(StatusText(), "Save the current document");
    // Another button painted in its normal state leaves the description alone...
    Draw(704, 0);
    EXPECT_EQ(StatusText(), "Save the current document");
    // ...the button itself, no longer hot, takes it away.
    Draw(703, 0);
    EXPECT_EQ(StatusText(), "");
}

} // namespace
} // namespace skintest
