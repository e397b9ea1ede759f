#include "docs/tab_strip.h"

#include "docs/docs_host.h"

#include <commctrl.h>

namespace tabs {

std::wstring Caption(int index)
{
    wchar_t buffer[kCaptionBufferSize] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = kCaptionBufferSize;
    SendMessageW(docs::Host().TabStrip(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetCaption(int index, const std::wstring& caption)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    SendMessageW(docs::Host().TabStrip(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void Insert(int index, const std::wstring& caption)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    SendMessageW(docs::Host().TabStrip(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

} // namespace tabs
