#include "platform/ui_seam.h"

#include "platform/ansi_text.h"

namespace ui {
namespace {
MessageHandler g_messageHandler;
FileDialogHandler g_fileDialogHandler;
NotifyIconHandler g_notifyIconHandler;
ShellOpenHandler g_shellOpenHandler;
}

int Message(HWND owner, const std::string& text, UINT type)
{
    if (g_messageHandler)
        return g_messageHandler(owner, text, type);
    return MessageBoxW(owner, WidenAnsi(text).c_str(), L"Quillet", type);
}

int Message(HWND owner, const std::wstring& text, UINT type)
{
    if (g_messageHandler)
        return g_messageHandler(owner, NarrowToAnsi(text), type);
    return MessageBoxW(owner, text.c_str(), L"Quillet", type);
}

bool OpenFileDialog(OPENFILENAMEW& request)
{
    if (g_fileDialogHandler)
        return g_fileDialogHandler(false, request);
    return GetOpenFileNameW(&request) != FALSE;
}

bool SaveFileDialog(OPENFILENAMEW& request)
{
    if (g_fileDialogHandler)
        return g_fileDialogHandler(true, request);
    return GetSaveFileNameW(&request) != FALSE;
}

bool NotifyIcon(DWORD action, NOTIFYICONDATAA& record)  // the narrow shell 5.0 record
{
    if (g_notifyIconHandler)
        return g_notifyIconHandler(action, record);
    return Shell_NotifyIconA(action, &record) != FALSE; // the tray record is the narrow shell 5.0 one
}

bool OpenWithShell(HWND owner, const std::wstring& path)
{
    if (g_shellOpenHandler)
        return g_shellOpenHandler(owner, NarrowToAnsi(path));
    // Values above 32 mean success.
    // above 2 GB: the answer is a code in the form of an HINSTANCE, never an address, and
    // the signed comparison is the documented test.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

void SetMessageHandler(MessageHandler handler) { g_messageHandler = std::move(handler); }
void SetFileDialogHandler(FileDialogHandler handler) { g_fileDialogHandler = std::move(handler); }
void SetNotifyIconHandler(NotifyIconHandler handler) { g_notifyIconHandler = std::move(handler); }
void SetShellOpenHandler(ShellOpenHandler handler) { g_shellOpenHandler = std::move(handler); }

} // namespace ui
