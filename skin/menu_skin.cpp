#include "skin/menu_skin.h"

#include "skin/skin_files.h"
#include "skin/skin_profile.h"
#include "skin/skinned_frame.h"
#include "skin/three_slice.h"

namespace {

MenuSkin g_menus;

void Load(CSkinBitmap& bitmap, skin::SkinFile file, skin::CellLayout cells)
{
    bitmap.LoadForDpi(MainSkin().Folder() + skin::SkinFileName(file), MainSkin().Dpi(), cells);
}

} // namespace

MenuSkin& Menus() { return g_menus; }

void ReplaceSkinFont(HFONT& slot, HFONT font)
{
    if (slot)
        DeleteObject(slot);
    slot = font;
}

void LoadMenuSkin()
{
    MenuSkin& m = g_menus;
    Load(m.item, skin::SkinFile::MenuItem, skin::CellLayout{1, 2});
    Load(m.check, skin::SkinFile::MenuCheck, skin::CellLayout{1, 2});
    Load(m.windowMenu, skin::SkinFile::WindowMenu, skin::CellLayout{1, 3});
    const skin::MenuDescription& d = MainSkin().Description().menu;
    m.text = {d.text.x, d.text.y};
    m.windowMenuText = {d.windowMenuText.x, d.windowMenuText.y};
    m.checkAt = {d.check.x, d.check.y};
    m.leftWidth = d.leftWidth;
    m.rightWidth = d.rightWidth;
    m.middleWidth = skin::MiddleSliceWidth(m.item.Width(), d.leftWidth, d.rightWidth);
    m.windowMenuLeftWidth = d.windowMenuLeftWidth;
    m.windowMenuRightWidth = d.windowMenuRightWidth;
    m.windowMenuMiddleWidth = skin::MiddleSliceWidth(m.windowMenu.Width(), d.windowMenuLeftWidth,
                                                     d.windowMenuRightWidth);
    m.border = skin::ColourRef(d.border);
    m.back = skin::ColourRef(d.back);
    m.border2 = skin::ColourRef(d.border2);
    m.selection = skin::ColourRef(d.selection);
    m.textNormal = skin::ColourRef(d.textNormal);
    m.textSelected = skin::ColourRef(d.textSelected);
    m.textDisabled = skin::ColourRef(d.textDisabled);
    ReplaceSkinFont(m.font, skin::CreateSkinFont(d.font, MainSkin().Dpi()));
    m.loaded = true;
}

void LoadToolbarSkin()
{
    Load(g_menus.toolbar, skin::SkinFile::Toolbar, skin::CellLayout{kToolbarColumns, 3});
}

void ReleaseMenuFont() { ReplaceSkinFont(g_menus.font, nullptr); }
