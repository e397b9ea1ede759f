// CSkin::LoadSkin: the checks that refuse a skin, then the bitmaps, the Skin.ini keys
// and the window, in the order a skin is loaded.
#include "skin/skin_loader.h"

#include "platform/app_state.h"
#include "platform/config.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "skin/frame_host.h"
#include "skin/skin_files.h"
#include "skin/skin_parts.h"
#include "skin/skin_profile.h"
#include "skin/skinned_frame.h"

namespace {

constexpr int kTooltipMaxWidth = 255;

UINT IconOf(skin::MessageIcon icon)
{
    return icon == skin::MessageIcon::Information ? MB_ICONINFORMATION : MB_ICONERROR;
}

} // namespace

bool LoadMainWindowSkin(const std::string& folder)
{
    return MainSkin().LoadSkin(skin::Host().FrameWindow(), App().instance, folder, false);
}

bool ReloadMainWindowSkinForDpi(int dpi)
{
    CSkin& skin = MainSkin();
    HWND frame = skin::Host().FrameWindow();
    if (!skin.Loaded() || skin.Folder().empty() || !IsWindow(frame))
        return false;
    return skin.ReloadAtDpi(frame, dpi > 0 ? dpi : dpi::OfWindow(frame));
}

void CSkin::ReadKeyGroup(skin::KeyGroup group)
{
    const skin::SkinEnvironment environment = skin::WindowsEnvironment([this](skin::SkinFile file) {
        int slot = -1;
        if (file == skin::SkinFile::Background)
            slot = kBackgroundSlot;
        else if (file == skin::SkinFile::SysButtons)
            slot = kSysButtonsSlot;
        else if (file == skin::SkinFile::MenuButton)
            slot = kMenuButtonSlot;
        for (skin::FramePiece piece : skin::kAllFramePieces)
            if (skin::FramePieceFile(piece) == file)
                slot = skin::PieceIndex(piece);
        if (slot < 0)
            return skin::Size{};
        return skin::Size{bitmaps_[slot].DesignWidth(), bitmaps_[slot].DesignHeight()};
    });
    std::vector<std::string> messages;
    skin::ReadKeyGroup(group, skin::ProfileLookup(folder_), environment, design_, messages);
    description_ = skin::ScaledDescription(design_, dpi_);
    for (const std::string& message : messages)
        if (!reloading_)
            ui::Message(nullptr, message, MB_OK | MB_ICONERROR);
}

bool CSkin::LoadFrameBitmaps()
{
    const skin::TitleBarSide side = design_.frame.side;
    const bool stacked = side == skin::TitleBarSide::Top || side == skin::TitleBarSide::Bottom;
    for (skin::FramePiece piece : skin::kAllFramePieces) {
        // A piece on the title-bar side holds its active and inactive images.
        skin::CellLayout cells;
        if (skin::PieceHasInactiveState(piece, side))
            (stacked ? cells.rows : cells.columns) = 2;
        bitmaps_[skin::PieceIndex(piece)].LoadForDpi(folder_ + skin::SkinFileName(skin::FramePieceFile(piece)), dpi_,
                                                     cells);
    }
    ReadKeyGroup(skin::KeyGroup::ButtonStrips);
    bitmaps_[kSysButtonsSlot].LoadForDpi(folder_ + skin::SkinFileName(skin::SkinFile::SysButtons), dpi_,
                                         skin::CellLayout{4, 3 + design_.frame.sysExtraRows});
    bitmaps_[kMenuButtonSlot].LoadForDpi(folder_ + skin::SkinFileName(skin::SkinFile::MenuButton), dpi_,
                                         skin::CellLayout{1, 3 + design_.frame.menuExtraRows});
    return true;
}

void CSkin::LoadBackground()
{
    // Only its first pixel is used, as the colour behind the frame: it is not scaled.
    CSkinBitmap& background = bitmaps_[kBackgroundSlot];
    background.LoadFromFile(folder_ + skin::SkinFileName(skin::SkinFile::Background));
    if (backgroundBrush_)
        DeleteObject(backgroundBrush_);
    COLORREF key = background.Loaded() ? GetPixel(background.Dc(), 0, 0) : CLR_INVALID;
    backgroundKey_ = key == CLR_INVALID ? RGB(0, 0, 0) : key;
    backgroundBrush_ = CreateSolidBrush(backgroundKey_);
}

void CSkin::AttachFirstTime(HWND window)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    style_.hasSystemMenu = (style & WS_SYSMENU) != 0;
    style_.hasMaximiseBox = (style & WS_MAXIMIZEBOX) != 0;
    style_.hasMinimiseBox = (style & WS_MINIMIZEBOX) != 0;
    if ((style & WS_CAPTION) == WS_CAPTION)
        SetWindowLongW(window, GWL_STYLE, style & ~WS_CAPTION);
    showOnTaskbar_ = config::ReadFlag("Main", "TaskbarShow", true);
    realTimeResize_ = config::ReadFlag("Main", "RealTimeResize");
    Attach(window);
    if (tooltip_.Create(window)) {
        tooltip_.SetMaxWidth(dpi::Scale(kTooltipMaxWidth, dpi_));
        tooltip_.AddTool(window, 0, "", true);
    }
}

void CSkin::EnforceMinimumWindowSize()
{
    HWND window = Window();
    RECT rect = {};
    GetWindowRect(window, &rect);
    const skin::Size now{rect.right - rect.left, rect.bottom - rect.top};
    const skin::Size wanted = skin::EnforceMinimumSize(now, description_.general.minimumSize);
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_FRAMECHANGED;
    if (wanted == now)
        flags |= SWP_NOSIZE;
    SetWindowPos(window, nullptr, 0, 0, wanted.width, wanted.height, flags);
}

bool CSkin::ReloadAtDpi(HWND window, int dpi)
{
    reloading_ = true;
    const bool loaded = LoadSkinAtDpi(window, folder_, dpi, false);
    reloading_ = false;
    return loaded;
}

bool CSkin::LoadSkin(HWND window, HINSTANCE, std::string folder, bool showAfterLoad)
{
    return LoadSkinAtDpi(window, std::move(folder), dpi::OfWindow(window), showAfterLoad);
}

bool CSkin::LoadSkinAtDpi(HWND window, std::string folder, int dpi, bool showAfterLoad)
{
    if (folder.empty() || !IsWindow(window))
        return false;
    folder = skin::SkinFolderPath(folder);
    const skin::SkinLookup lookup = skin::ProfileLookup(folder);
    const auto refusal = skin::CheckSkinFolder(
        [&folder](const char* name) { return FileExists(folder + name); }, lookup);
    if (refusal) {
        if (!reloading_)
            ui::Message(nullptr, refusal->message, MB_OK | IconOf(refusal->icon));
        return false;
    }

    folder_ = folder;
    dpi_ = dpi > 0 ? dpi : dpi::kDesignDpi;
    design_ = skin::SkinDescription{};
    description_ = skin::SkinDescription{};
    ReadKeyGroup(skin::KeyGroup::Info);
    ReadKeyGroup(skin::KeyGroup::TitleBar);
    LoadFrameBitmaps();
    LoadBackground();
    active_ = true;
    sizing_ = false;
    moving_ = false;
    maximised_ = IsZoomed(window) != FALSE;

    ReadKeyGroup(skin::KeyGroup::Frame);
    if (description_.general.useTransparency)
        ComputePieceRegions();
    else
        SetWindowRgn(window, nullptr, TRUE);

    if (!Attached())
        AttachFirstTime(window);
    else if (tooltip_.Window())
        tooltip_.SetMaxWidth(dpi::Scale(kTooltipMaxWidth, dpi_));
    tooltip_.SetDpi(dpi_);
    ReadKeyGroup(skin::KeyGroup::Tooltips);
    tooltip_.SetTextColour(skin::ColourRef(description_.tooltips.text));
    tooltip_.SetBackColour(skin::ColourRef(description_.tooltips.back));

    ApplySkinToParts();

    ReadKeyGroup(skin::KeyGroup::MinimumSize);
    EnforceMinimumWindowSize();
    if (description_.general.useTransparency)
        BuildWindowRegion();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);

    if (showAfterLoad) {
        if (IsIconic(window))
            PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        ShowWindow(window, SW_SHOWNA);
    }
    loaded_ = true;
    return true;
}
