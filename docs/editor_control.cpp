#include "docs/editor_control.h"

#include "platform/ansi_text.h"
#include "platform/app_state.h"

namespace editor {

HWND Create(HWND parent)
{
    return CreateWindowExW(0, WidenAnsi(corvex::kClassName).c_str(), L"", WS_CHILD | WS_HSCROLL | WS_VSCROLL,
                           0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)),
                           App().instance, nullptr);
}

} // namespace editor
