#include "app/commands.h"

#include "app/main_window.h"

namespace {
constexpr int kExitCommand = 408;
constexpr int kFileExitCommand = 1111;
}

// The full command table is wired in with the menus; until then only exit is known.
void DispatchCommand(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) == Main().toolbar || HIWORD(wParam) != 0)
        return;
    switch (LOWORD(wParam)) {
    case kExitCommand:
        DestroyWindow(Main().frame);
        break;
    case kFileExitCommand:
        PostMessageA(Main().frame, WM_COMMAND, kExitCommand, 0);
        break;
    default:
        break;
    }
}

void OnEditorKeyCommand(WORD) {}
void ShowTabMenu() {}
void ShowEditorMenu() {}
