#include "platform/dpi_relayout.h"

#include <vector>

namespace dpi {

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

int ScaleLength(int length, int from, int to) { return MulDiv(length, to, from); }

bool IsComboBox(HWND window)
{
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpiW(name, L"ComboBox") == 0;
}

// A child's rectangle in its parent's client coordinates, scaled. A drop-down combo box
// is sized by its dropped height (its window is only as high as its edit field).
void ScaleChild(HWND child, int from, int to)
{
    RECT r = {};
    if (!GetWindowRect(child, &r))
        return;
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    int height = r.bottom - r.top;
    RECT dropped = {};
    if (IsComboBox(child) && SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
        height = dropped.bottom - dropped.top;
    SetWindowPos(child, nullptr, ScaleLength(r.left, from, to), ScaleLength(r.top, from, to),
                 ScaleLength(r.right - r.left, from, to), ScaleLength(height, from, to),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

} // namespace

Relayout::~Relayout()
{
    if (font_)
        DeleteObject(font_);
}

void Relayout::Apply(HWND window, WPARAM wParam, LPARAM lParam, int givenFontDpi)
{
    const int oldDpi = dpi_, newDpi = HIWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    if (!window || oldDpi <= 0 || newDpi <= 0 || oldDpi == newDpi)
        return;
    dpi_ = newDpi;
    const std::vector<HWND> children = Descendants(window);
    // The font the children were given (the first child that has one tells which).
    HFONT oldFont = nullptr;
    for (HWND child : children)
        if ((oldFont = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) != nullptr)
            break;
    const int fontDpi = oldFont && oldFont == font_ ? fontDpi_ : givenFontDpi;
    HFONT newFont = nullptr;
    LOGFONTW face = {};
    if (oldFont && fontDpi > 0 && GetObjectW(oldFont, sizeof face, &face) == sizeof face) {
        face.lfHeight = ScaleLength(face.lfHeight, fontDpi, newDpi);
        face.lfWidth = ScaleLength(face.lfWidth, fontDpi, newDpi);
        newFont = CreateFontIndirectW(&face);
    }
    for (HWND child : children) {
        ScaleChild(child, oldDpi, newDpi);
        if (newFont && reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == oldFont)
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), FALSE);
    }
    if (newFont) {
        // Every child has let go of the font made for the last DPI.
        if (font_)
            DeleteObject(font_);
        font_ = newFont;
        fontDpi_ = newDpi;
    }
    if (suggested) {
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RECT r = {};
        GetWindowRect(window, &r);
        SetWindowPos(window, nullptr, 0, 0, ScaleLength(r.right - r.left, oldDpi, newDpi),
                     ScaleLength(r.bottom - r.top, oldDpi, newDpi), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

} // namespace dpi
