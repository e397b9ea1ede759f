// Creating the editing control of a document and talking to it.
#pragma once

#include "corvex/include/corvex.h"

#include <windows.h>

namespace editor {

// A hidden child of `parent` with the identifier all editor controls share.
HWND Create(HWND parent);

inline LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageW(control, message, wParam, lParam);
}

inline LRESULT RunCommand(HWND control, int code, LPARAM lParam = 0)
{
    return Send(control, corvex::Command, static_cast<WPARAM>(code), lParam);
}

} // namespace editor
