#include "skin/skin_profile.h"

#include "platform/ansi_text.h"
#include "platform/dpi_scale.h"
#include "skin/skin_files.h"
#include "skin/skin_values.h"

namespace skin {

SkinLookup ProfileLookup(const std::string& folder)
{
    const std::string ini = folder + kSkinIniFileName;
    return [ini](const char* section, const char* key) -> std::optional<std::string> {
        char buffer[kMaxValueLength + 1] = {};
        // skin.ini holds ANSI bytes, which the skin's values keep as they are.
        GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, ini.c_str());
        if (!buffer[0])
            return std::nullopt;
        return std::string(buffer);
    };
}

SkinEnvironment WindowsEnvironment(std::function<Size(SkinFile)> bitmapSize)
{
    SkinEnvironment environment;
    environment.bitmapSize = std::move(bitmapSize);
    environment.systemColour = [](SystemColour colour) {
        return FromColorRef(GetSysColor(static_cast<int>(colour)));
    };
    return environment;
}

HFONT CreateSkinFont(const FontDescription& font, int dpi, int escapement)
{
    const int pixelsPerInch = dpi > 0 ? dpi : dpi::kDesignDpi;
    // The face name is ANSI text, as skin.ini holds it.
    return CreateFontW(FontHeightForPoints(font.points, pixelsPerInch), 0, escapement, escapement, font.weight, FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH, WidenAnsi(font.face).c_str());
}

}  // namespace skin
