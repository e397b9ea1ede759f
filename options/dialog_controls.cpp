#include "options/dialog_controls.h"

#include "platform/ui_seam.h"

namespace options {

bool CreateControls(HWND parent, const ControlSpec* specs, int count, HFONT font, int dpiValue)
{
    for (int i = 0; i < count; ++i) {
        const ControlSpec& spec = specs[i];
        HWND control = CreateWindowExW(spec.exStyle, spec.className, spec.caption, WS_CHILD | WS_VISIBLE | spec.style,
                                       dpi::Scale(spec.x, dpiValue), dpi::Scale(spec.y, dpiValue),
                                       dpi::Scale(spec.width, dpiValue), dpi::Scale(spec.height, dpiValue), parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (!control) {
            ui::Message(nullptr, spec.failure, MB_OK | MB_ICONERROR);
            return false;
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

} // namespace options
