#include "platform/ui_seam.h"

namespace ui {
namespace {
MessageHandler g_messageHandler;
FileDialogHandler g_fileDialogHandler;
NotifyIconHandler g_notifyIconHandler;
}

int Message(HWND owner, const std::string& text, UINT type)
{
    if (g_messageHandler)
        return g_messageHandler(owner, text, type);
    return MessageBoxA(owner, text.c_str(), kCaption, type);
}

bool OpenFileDialog(OPENFILENAMEA& request)
{
    if (g_fileDialogHandler)
        return g_fileDialogHandler(false, request);
    return GetOpenFileNameA(&request) != FALSE;
}

bool SaveFileDialog(OPENFILENAMEA& request)
{
    if (g_fileDialogHandler)
        return g_fileDialogHandler(true, request);
    return GetSaveFileNameA(&request) != FALSE;
}

bool NotifyIcon(DWORD action, NOTIFYICONDATAA& record)
{
    if (g_notifyIconHandler)
        return g_notifyIconHandler(action, record);
    return Shell_NotifyIconA(action, &record) != FALSE;
}

void SetMessageHandler(MessageHandler handler) { g_messageHandler = std::move(handler); }
void SetFileDialogHandler(FileDialogHandler handler) { g_fileDialogHandler = std::move(handler); }
void SetNotifyIconHandler(NotifyIconHandler handler) { g_notifyIconHandler = std::move(handler); }

} // namespace ui
