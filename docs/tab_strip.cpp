#include "docs/tab_strip.h"

#include "app/main_window.h"

#include <commctrl.h>

namespace tabs {

std::string Caption(int index)
{
    char buffer[kCaptionBufferSize] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = kCaptionBufferSize;
    SendMessageA(Main().tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetCaption(int index, const std::string& caption)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(Main().tabs, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void Insert(int index, const std::string& caption)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(Main().tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

} // namespace tabs
