#include "options/dialog_controls.h"

#include "platform/ui_seam.h"

namespace options {

bool CreateControls(HWND parent, const ControlSpec* specs, int count, HFONT font)
{
    for (int i = 0; i < count; ++i) {
        const ControlSpec& spec = specs[i];
        HWND control = CreateWindowExW(spec.exStyle, spec.className, spec.caption, WS_CHILD | WS_VISIBLE | spec.style,
                                       spec.x, spec.y, spec.width, spec.height, parent,
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
