#include "skin/own_popups.h"

#include "tools/tool_windows.h"

#include <windows.h>

namespace {

constexpr const char* kPopupTitles[] = {"Quillet Options", "Quillet Skin Selector", "Quillet About"};

// A visible window of this process with the class "Quillet" and the title.
bool OwnWindowVisible(const char* title)
{
    for (HWND window = FindWindowExA(nullptr, nullptr, "Quillet", title); window;
         window = FindWindowExA(nullptr, window, "Quillet", title)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window))
            return true;
    }
    return false;
}

} // namespace

bool OwnPopupVisible()
{
    if (IsClipboardPopupVisible() || IsFavouritesPopupVisible())
        return true;
    for (const char* title : kPopupTitles)
        if (OwnWindowVisible(title))
            return true;
    return false;
}
