#include "docs/tab_strip.h"

#include "docs/docs_host.h"

#include <commctrl.h>

namespace tabs {

std::string Caption(int index)
{
    char buffer[kCaptionBufferSize] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = kCaptionBufferSize;
    SendMessageA(docs::Host().TabStrip(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetCaption(int index, const std::string& caption)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(docs::Host().TabStrip(), TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void Insert(int index, const std::string& caption)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    SendMessageA(docs::Host().TabStrip(), TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

} // namespace tabs
