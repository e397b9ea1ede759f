#include "corvex/dialogs/common_dialogs.h"

#include "corvex/dialogs/wide_text.h"
#include "corvex/view_dpi.h"

#include <commdlg.h>

namespace corvex::dialogs {
namespace {

int SystemMessage(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(), type);
}

bool SystemColour(HWND owner, COLORREF& colour)
{
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose))
        return false;
    colour = choose.rgbResult;
    return true;
}

// The font dialog works in the screen's pixels; the settings' heights are at 96 DPI.
bool SystemFont(HWND owner, LOGFONTA& font)  // the control's font settings are a LOGFONTA
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const bool scaled = dpi > 0 && dpi != static_cast<int>(kDesignDpi);
    LOGFONTA chosen = font;  // the settings' LOGFONTA
    if (scaled) {
        chosen.lfHeight = MulDiv(chosen.lfHeight, dpi, static_cast<int>(kDesignDpi));
        chosen.lfWidth = MulDiv(chosen.lfWidth, dpi, static_cast<int>(kDesignDpi));
    }
    CHOOSEFONTA choose{};  // the settings' LOGFONTA
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &chosen;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST;
    if (!ChooseFontA(&choose)) // the control's font settings are a LOGFONTA
        return false;
    if (scaled) {
        // From the size chosen (tenths of a point), so a size survives the way there and back.
        chosen.lfHeight = -MulDiv(choose.iPointSize, static_cast<int>(kDesignDpi), 720);
        chosen.lfWidth = MulDiv(chosen.lfWidth, static_cast<int>(kDesignDpi), dpi);
    }
    font = chosen;
    return true;
}

MessageFunction g_message = SystemMessage;
ColourFunction g_colour = SystemColour;
FontFunction g_font = SystemFont;

} // namespace

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return g_message(owner, text, caption, type);
}

bool PickColour(HWND owner, COLORREF& colour) { return g_colour(owner, colour); }
bool PickFont(HWND owner, LOGFONTA& font) { return g_font(owner, font); }  // the settings' LOGFONTA

void SetMessageFunction(MessageFunction function) { g_message = function ? function : SystemMessage; }
void SetColourFunction(ColourFunction function) { g_colour = function ? function : SystemColour; }
void SetFontFunction(FontFunction function) { g_font = function ? function : SystemFont; }

} // namespace corvex::dialogs
