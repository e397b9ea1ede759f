// CSkin: the loaded skin of the main window and the skinned frame drawn from it. It
// subclasses the main window after the window's own object, so it sees every message
// first: it paints the non-client area, hit-tests, runs the four frame buttons, keeps
// the skin's size limits and lays out the window's parts on WM_SIZE.
#pragma once

#include "platform/dpi.h"
#include "platform/subclass.h"
#include "skin/frame_buttons.h"
#include "skin/frame_geometry.h"
#include "skin/region_runs.h"
#include "skin/skin_bitmap.h"
#include "skin/skin_description.h"
#include "skin/skin_keys.h"
#include "skin/skin_tooltip.h"

#include <windows.h>
#include <array>
#include <string>

// The twelve bitmap slots: the eight frame pieces in piece order, then these.
enum SkinSlot { kBackgroundSlot = 8, kSysButtonsSlot = 9, kMenuButtonSlot = 10, kBufferSlot = 11, kSlotCount = 12 };

class CSkin : public Subclass<CSkin> {
public:
    static constexpr const char* kProperty = "CSkinSubcls";

    ~CSkin();

    // Loads the skin in `folder` and applies it to `window` at the window's DPI; false
    // when the skin was refused (nothing has changed then). The instance is not used.
    bool LoadSkin(HWND window, HINSTANCE instance, std::string folder, bool showAfterLoad);
    // The same at `dpi`: every bitmap and every length of the skin scaled by dpi/96
    // (skin_scaling.h), its fonts made at `dpi`.
    bool LoadSkinAtDpi(HWND window, std::string folder, int dpi, bool showAfterLoad);
    // The loaded skin again at `dpi` (the window moved to another screen): what it had to
    // say about its keys was said at the first load, so nothing is said again.
    bool ReloadAtDpi(HWND window, int dpi);

    void SetShowOnTaskbar(bool on);
    void SetRealTimeResize(bool on);

    void Paint(HDC dc, bool clientPaint);
    int HitTest(POINT screen) const;
    void DrawButton(HDC dc, skin::FrameButton button, skin::ButtonState state);
    void ButtonClick(bool pressed, skin::FrameButton button);
    void BuildWindowRegion();

    // Reads one group of Skin.ini keys into the description, showing each validation
    // message in order; loading goes on after each one.
    void ReadKeyGroup(skin::KeyGroup group);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Read by the parts drawn from the skin and by tests.
    // The description at the skin's DPI; the design one as Skin.ini and the 96-DPI
    // bitmaps give it.
    const skin::SkinDescription& Description() const { return description_; }
    const skin::SkinDescription& DesignDescription() const { return design_; }
    // The DPI the skin was loaded at; before any load, the system's.
    int Dpi() const { return dpi_ > 0 ? dpi_ : dpi::OfSystem(); }
    const std::string& Folder() const { return folder_; }
    const CSkinBitmap& Slot(int slot) const { return bitmaps_[slot]; }
    COLORREF BackgroundKey() const { return backgroundKey_; }
    const CSkinToolTip& ButtonTips() const { return tooltip_; }
    bool Loaded() const { return loaded_; }
    bool Active() const { return active_; }
    bool Maximised() const { return maximised_; }
    bool Minimised() const { return minimised_; }
    bool ShowOnTaskbar() const { return showOnTaskbar_; }
    bool RealTimeResize() const { return realTimeResize_; }
    int LastHitCode() const { return lastHit_; }
    skin::ButtonState ButtonStateOf(skin::FrameButton button) const { return buttonStates_[skin::ButtonIndex(button)]; }
    // Button rectangles in window coordinates for the window's current size.
    skin::ButtonRects ButtonRects() const;

private:
    // Loading steps (skin_loader.cpp).
    bool LoadFrameBitmaps();
    void LoadBackground();
    void ComputePieceRegions();
    void AttachFirstTime(HWND window);
    void EnforceMinimumWindowSize();

    // Painting (frame_paint.cpp).
    void ComposeFrame(const skin::Size& window);
    void DrawCaption(HDC dc, const skin::Size& window);
    void DrawButtonInto(HDC dc, skin::FrameButton button, const skin::Rect& rect);
    void CopyNonClientStrips(HDC dc, const skin::Size& window);

    // Mouse and sizing (frame_mouse.cpp, frame_sizing.cpp).
    LRESULT OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove();
    void ResetButtons(int except);
    void SetTip(const std::string& text);
    void OnSize(WPARAM type, int width, int height);
    void OnSizing(RECT* proposed);
    void OnSysCommand(WPARAM command);
    void OnExitSizeMove();
    void RefreshRegion();
    void RedrawButton(skin::FrameButton button);
    void OnDestroy();

    skin::Size WindowSize() const;
    skin::Margins ClientMargins() const;

    std::string folder_;
    std::array<CSkinBitmap, kSlotCount> bitmaps_;
    skin::SkinDescription design_;
    skin::SkinDescription description_;
    int dpi_ = 0;
    skin::PieceRegions pieceRegions_;
    skin::FrameButtonStyle style_;
    std::array<skin::ButtonState, skin::kFrameButtonCount> buttonStates_{};
    HBRUSH backgroundBrush_ = nullptr;
    COLORREF backgroundKey_ = 0;
    CSkinToolTip tooltip_;
    std::string tipText_;
    RECT outline_ = {};
    bool outlineDrawn_ = false;
    bool active_ = true;
    bool maximised_ = false;
    bool minimised_ = false;
    bool sizing_ = false;
    bool moving_ = false;
    bool trackingLeave_ = false;
    bool loaded_ = false;
    bool reloading_ = false;  // ReloadAtDpi: no messages about the skin
    bool showOnTaskbar_ = true;
    bool realTimeResize_ = false;
    int lastHit_ = 0;
};

// The skin of the main window.
CSkin& MainSkin();
