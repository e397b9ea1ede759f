#include "docs/editor_control.h"

#include "platform/app_state.h"

namespace editor {

HWND Create(HWND parent)
{
    return CreateWindowExA(0, corvex::kClassName, "", WS_CHILD | WS_HSCROLL | WS_VSCROLL,
                           0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)),
                           App().instance, nullptr);
}

} // namespace editor
