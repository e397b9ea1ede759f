#include "app/tray_icon.h"

#include "platform/app_state.h"
#include "app/main_messages.h"
#include "app/main_window.h"
#include "platform/config.h"
#include "platform/dpi.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <cstring>

namespace {

// The shell 5.0 form of the record (a 128-character tip, balloon fields unused).
constexpr UINT kRecordSize = NOTIFYICONDATAA_V2_SIZE;
#ifndef _WIN64
static_assert(kRecordSize == 488, "the shell 5.0 NOTIFYICONDATA");
#endif

// The shell 5.0 record in its narrow form, 488 bytes, which every shell from 5.0 on takes;
// its only text is the constant tip "Quillet".
NOTIFYICONDATAA Record(bool withIcon)
{
    NOTIFYICONDATAA record = {};  // the narrow shell 5.0 record
    record.cbSize = kRecordSize;
    record.hWnd = Main().Frame();
    record.uID = kTrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayCallbackMessage;
    if (withIcon) {
        // The notification area is drawn at the system's DPI.
        const int size = dpi::SystemMetric(SM_CXSMICON, dpi::OfSystem());
        record.hIcon = static_cast<HICON>(
            LoadImageW(App().instance, MAKEINTRESOURCEW(kTrayIconId), IMAGE_ICON, size, size, 0));
    }
    std::strcpy(record.szTip, "Quillet");
    return record;
}

} // namespace

void AddTrayIcon()
{
    NOTIFYICONDATAA record = Record(true);  // the narrow shell 5.0 record
    ui::NotifyIcon(NIM_ADD, record);  // without a taskbar yet, "TaskbarCreated" adds it later
    if (record.hIcon)
        DestroyIcon(record.hIcon);    // the shell keeps its own copy
    config::WriteFlag("Main", "SysTrayShow", true);
}

void RemoveTrayIconAndRemember()
{
    RemoveTrayIcon();
    config::WriteFlag("Main", "SysTrayShow", false);
}

void RemoveTrayIcon()
{
    NOTIFYICONDATAA record = Record(false);  // the narrow shell 5.0 record
    ui::NotifyIcon(NIM_DELETE, record);
}

void RestoreTrayIcon()
{
    if (config::ReadFlag("Main", "SysTrayShow"))
        AddTrayIcon();
}

void OnTrayIconCallback(WPARAM wParam, LPARAM lParam)
{
    if (!MainSkin().Loaded() || wParam != kTrayIconId)
        return;  // the skin selector is still asking for a skin
    HWND frame = Main().Frame();
    if (lParam == WM_LBUTTONUP) {
        SendMessageW(frame, WM_SYSCOMMAND, MainSkin().Minimised() ? SC_RESTORE : SC_MINIMIZE, 0);
    } else if (lParam == WM_RBUTTONUP) {
        SetForegroundWindow(frame);
        POINT cursor = {};
        GetCursorPos(&cursor);
        TrackPopupMenu(Main().Menu(kTrayMenu), 0, cursor.x, cursor.y, 0, frame, nullptr);
        PostMessageW(frame, WM_NULL, 0, 0);  // lets the menu close when the user clicks elsewhere
    }
}
