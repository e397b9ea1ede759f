// Skin.ini read through the private-profile functions, and the Windows side of what
// the key walker needs: the sizes of the loaded bitmaps and the system colours.
#pragma once

#include "skin/skin_keys.h"

#include <windows.h>
#include <functional>
#include <string>

namespace skin {

// Values of `folder`Skin.ini, read through a 260-byte buffer; empty values count as missing.
SkinLookup ProfileLookup(const std::string& folder);

// The environment of a skin load: bitmap sizes from `bitmapSize`, system colours from GetSysColor.
SkinEnvironment WindowsEnvironment(std::function<Size(SkinFile)> bitmapSize);

inline COLORREF ColourRef(Rgb colour) { return static_cast<COLORREF>(ToColorRef(colour)); }

// A font of the skin at `dpi`: height -(points x dpi / 72), antialiased.
HFONT CreateSkinFont(const FontDescription& font, int dpi, int escapement = 0);

}  // namespace skin
