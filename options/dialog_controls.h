// Creating a window's child controls from a table: class, caption, styles, place, id and
// the message shown when the control cannot be created. The controls are Unicode windows:
// they show and take text in any script.
#pragma once

#include "platform/dpi_scale.h"

#include <windows.h>

namespace options {

struct ControlSpec {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;  // WS_CHILD | WS_VISIBLE are added
    DWORD exStyle;
    int x, y, width, height;  // at 96 DPI
    int id;
    const char* failure;  // "Failed to create the ..."
};

// Creates every control of the table in order, each with `font`, placed at `dpi`; on the
// first failure shows its message (caption "Quillet", error icon) and answers false.
bool CreateControls(HWND parent, const ControlSpec* specs, int count, HFONT font, int dpiValue = dpi::kDesignDpi);

template <int N>
bool CreateControls(HWND parent, const ControlSpec (&specs)[N], HFONT font, int dpiValue = dpi::kDesignDpi)
{
    return CreateControls(parent, specs, N, font, dpiValue);
}

} // namespace options
