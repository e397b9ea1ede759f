// Painting the skinned frame: everything is composed in the one buffer (the twelfth
// bitmap slot) and reaches the screen in one to four copies.
#include "skin/skinned_frame.h"

#include "platform/ansi_text.h"
#include "platform/app_state.h"
#include "skin/frame_caption.h"
#include "skin/skin_profile.h"

namespace {

using TransparentBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// msimg32 is bound on first use.
TransparentBltFunction TransparentCopy()
{
    static TransparentBltFunction function = [] {
        HMODULE library = LoadLibraryW(L"msimg32.dll");
        FARPROC address = library ? GetProcAddress(library, "TransparentBlt") : nullptr;
        return reinterpret_cast<TransparentBltFunction>(reinterpret_cast<void (*)()>(address));
    }();
    return function;
}

void Copy(HDC target, const skin::Rect& to, HDC source, skin::Point from)
{
    BitBlt(target, to.left, to.top, to.Width(), to.Height(), source, from.x, from.y, SRCCOPY);
}

} // namespace

skin::Size CSkin::WindowSize() const
{
    RECT rect = {};
    if (Window())
        GetWindowRect(Window(), &rect);
    return skin::Size{rect.right - rect.left, rect.bottom - rect.top};
}

skin::Margins CSkin::ClientMargins() const { return description_.clientArea; }

skin::ButtonRects CSkin::ButtonRects() const
{
    const skin::FrameSizes& frame = description_.frame;
    return skin::FrameButtonRects(description_.buttons.positions, frame.sysButtonState, frame.menuButtonState,
                                  WindowSize(), style_);
}

void CSkin::DrawCaption(HDC dc, const skin::Size& window)
{
    const skin::CaptionDescription& caption = description_.caption;
    if (caption.text.empty())
        return;
    const skin::TitleBarSide side = description_.frame.side;
    HFONT font = skin::CreateSkinFont(caption.font, dpi_, skin::CaptionEscapement(side));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    // The skin's caption is ANSI text, as skin.ini holds it.
    const std::wstring text = WidenAnsi(caption.text);
    const int length = static_cast<int>(text.size());
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    const skin::Point origin = skin::CaptionTextOrigin(skin::ParseCaptionAlignment(caption.position), side, window,
                                                       skin::Size{extent.cx, extent.cy}, caption.offset);
    SetTextColor(dc, skin::ColourRef(active_ ? caption.activeShadow : caption.inactiveShadow));
    const int shadow = dpi::Scale(1, dpi_);
    TextOutW(dc, origin.x + shadow, origin.y + shadow, text.c_str(), length);
    SetTextColor(dc, skin::ColourRef(active_ ? caption.active : caption.inactive));
    TextOutW(dc, origin.x, origin.y, text.c_str(), length);
    if (previous)
        SelectObject(dc, previous);
    if (font)
        DeleteObject(font);
}

void CSkin::DrawButtonInto(HDC dc, skin::FrameButton button, const skin::Rect& rect)
{
    const bool menu = button == skin::FrameButton::Menu;
    const CSkinBitmap& strip = bitmaps_[menu ? kMenuButtonSlot : kSysButtonsSlot];
    const skin::FrameSizes& frame = description_.frame;
    if (!strip.Loaded() || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const skin::Point source =
        skin::ButtonSourceOrigin(button, buttonStates_[skin::ButtonIndex(button)], active_, maximised_,
                                 menu ? frame.menuButtonState : frame.sysButtonState,
                                 menu ? frame.menuExtraRows : frame.sysExtraRows);
    Copy(dc, rect, strip.Dc(), source);
}

void CSkin::ComposeFrame(const skin::Size& window)
{
    CSkinBitmap& buffer = bitmaps_[kBufferSlot];
    if (!buffer.EnsureSize(window.width, window.height))
        return;
    HDC dc = buffer.Dc();
    RECT all = {0, 0, window.width, window.height};
    FillRect(dc, &all, backgroundBrush_ ? backgroundBrush_ : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const skin::FrameSizes& frame = description_.frame;
    for (const skin::PlacedPiece& placed : skin::FramePaintOrder(frame.pieceStates, window)) {
        const CSkinBitmap& piece = bitmaps_[skin::PieceIndex(placed.piece)];
        if (!piece.Loaded())
            continue;
        const skin::Size state = frame.pieceStates[skin::PieceIndex(placed.piece)];
        Copy(dc, placed.destination, piece.Dc(), skin::PieceSourceOrigin(placed.piece, frame.side, state, active_));
    }
    DrawCaption(dc, window);
    const skin::ButtonRects rects = ButtonRects();
    for (int b = 0; b < skin::kFrameButtonCount; ++b)
        if (rects[b])
            DrawButtonInto(dc, static_cast<skin::FrameButton>(b), *rects[b]);
}

void CSkin::CopyNonClientStrips(HDC dc, const skin::Size& window)
{
    HDC buffer = bitmaps_[kBufferSlot].Dc();
    const TransparentBltFunction transparent =
        description_.general.useTransparency && !App().isWin9x ? TransparentCopy() : nullptr;
    for (const skin::Rect& strip : skin::NonClientStrips(ClientMargins(), window)) {
        if (strip.Width() <= 0 || strip.Height() <= 0)
            continue;
        if (transparent)
            transparent(dc, strip.left, strip.top, strip.Width(), strip.Height(), buffer, strip.left, strip.top,
                        strip.Width(), strip.Height(), skin::ColourRef(skin::kTransparentKey));
        else
            Copy(dc, strip, buffer, skin::Point{strip.left, strip.top});
    }
}

void CSkin::Paint(HDC dc, bool clientPaint)
{
    const skin::Size window = WindowSize();
    if (!dc || window.width <= 0 || window.height <= 0)
        return;
    ComposeFrame(window);
    if (!bitmaps_[kBufferSlot].Loaded())
        return;
    if (clientPaint) {
        const skin::Rect client = skin::ClientRectInWindow(ClientMargins(), window);
        BitBlt(dc, 0, 0, client.Width(), client.Height(), bitmaps_[kBufferSlot].Dc(), client.left, client.top,
               SRCCOPY);
    } else {
        CopyNonClientStrips(dc, window);
    }
}

void CSkin::DrawButton(HDC dc, skin::FrameButton button, skin::ButtonState state)
{
    buttonStates_[skin::ButtonIndex(button)] = state;
    const skin::ButtonRects rects = ButtonRects();
    const std::optional<skin::Rect>& rect = rects[skin::ButtonIndex(button)];
    if (!rect || !Window())
        return;
    HDC target = dc ? dc : GetWindowDC(Window());
    if (!target)
        return;
    DrawButtonInto(target, button, *rect);
    if (!dc)
        ReleaseDC(Window(), target);
}
