// Puts Unicode text on the clipboard as a copying program does; the caller has opened it.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

inline void PutTextOnOpenClipboard(const std::wstring& text)
{
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory)
        return;
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);
}
