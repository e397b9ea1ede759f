#include "options/options_dialog.h"

#include "docs/backups.h"
#include "docs/documents.h"
#include "docs/editor_colours.h"
#include "options/association_page.h"
#include "options/dialog_controls.h"
#include "options/shell_extension.h"
#include "options/options_host.h"
#include "platform/config.h"
#include "platform/dpi.h"
#include "platform/dpi_relayout.h"
#include "platform/subclass.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <string>

namespace {

using options::ControlSpec;
using options::Host;

enum Ids : int {
    kPageListId = 100,
    kRealTimeResizeId = 101,
    kTaskbarId = 102,
    kTrayId = 103,
    kMinimiseId = 104,
    kShellExtensionId = 105,
    kEditorSettingsId = 106,
    kSkinOverrideId = 107,
    kOpenLastFilesId = 113,
    kBackupLabelId = 114,
    kBackupSecondsId = 115,
    kBackupUnitId = 116,
    kGeneralPageId = 200,
    kAssociationPageId = 201,
    kStartupPageId = 202,
    kDividerId = 300,
    kOkId = 301,
    kCancelId = 302,
    kApplyId = 303,
};

constexpr UINT kEditorCommand = 3724;  // to an editor control: run command wParam
constexpr WPARAM kEditorSettingsDialog = 224;
constexpr int kPageCount = 3;

const ControlSpec kFrameControls[] = {
    {L"LISTBOX", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY, WS_EX_CLIENTEDGE, 5, 5, 85, 134,
     kPageListId, "Failed to create the Options Listbox control"},
    {L"Static", L"", WS_TABSTOP | SS_ETCHEDHORZ, 0, 2, 145, 342, 2, kDividerId,
     "Failed to create the Static Divider window"},
    {L"Button", L"OK", WS_TABSTOP | BS_PUSHBUTTON, 0, 165, 150, 55, 20, kOkId, "Failed to create the Editor OK Button"},
    {L"Button", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 0, 225, 150, 55, 20, kCancelId,
     "Failed to create the Editor Cancel Button"},
    {L"Button", L"Apply", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 0, 285, 150, 55, 20, kApplyId,
     "Failed to create the Editor Apply Button"},
};

const wchar_t* const kPageNames[kPageCount] = {L"General", L"File Association", L"Startup"};

const ControlSpec kPages[kPageCount] = {
    {L"Static", L"", 0, 0, 100, 5, 245, 140, kGeneralPageId, "Failed to create the General Static Options window"},
    {L"Static", L"", 0, 0, 100, 5, 245, 140, kAssociationPageId,
     "Failed to create the File Assoc Static Options window"},
    {L"Static", L"", 0, 0, 100, 5, 245, 140, kStartupPageId, "Failed to create the Startup Static Options window"},
};

const ControlSpec kGeneralControls[] = {
    {L"Button", L"Show Taskbar Button", BS_CHECKBOX, 0, 0, 3, 130, 17, kTaskbarId,
     "Failed to create the Show Taskbar Button Check Box"},
    {L"Button", L"Show System Tray Button", BS_CHECKBOX, 0, 0, 21, 150, 17, kTrayId,
     "Failed to create the Show System Tray Button Check Box"},
    {L"Button", L"Enable Real Time Resizing Of Main Window", BS_AUTOCHECKBOX, 0, 0, 39, 230, 17, kRealTimeResizeId,
     "Failed to create the Real Time Resize Check Box"},
    {L"Button", L"Enable The Explorer Context Menu Extension", BS_CHECKBOX, 0, 0, 57, 250, 17, kShellExtensionId,
     "Failed to create the Shell Extension Check Box"},
    {L"Button", L"Allow Skins To Override Editor Settings", BS_AUTOCHECKBOX, 0, 0, 75, 210, 17, kSkinOverrideId,
     "Failed to create the Skin Override Check Box"},
    {L"Button", L"Editor Settings", BS_PUSHBUTTON, 0, 66, 93, 105, 20, kEditorSettingsId,
     "Failed to create the Editor Settings Button"},
    {L"Static", L"Back Up Work Every", SS_LEFTNOWORDWRAP, 0, 0, 121, 118, 17, kBackupLabelId,
     "Failed to create the Backup Label"},
    {L"Edit", L"", ES_NUMBER | ES_RIGHT | WS_TABSTOP, WS_EX_CLIENTEDGE, 120, 118, 34, 20, kBackupSecondsId,
     "Failed to create the Backup Seconds Box"},
    {L"Static", L"Seconds", SS_LEFTNOWORDWRAP, 0, 158, 121, 87, 17, kBackupUnitId,
     "Failed to create the Backup Unit Label"},
};

// Seconds after the last change of a document before its backup is written.
constexpr int kDefaultBackupSeconds = 7;
constexpr int kMostBackupSeconds = 3600;

const ControlSpec kStartupControls[] = {
    {L"Button", L"Minimise Main Window On Startup", BS_AUTOCHECKBOX, 0, 0, 3, 220, 17, kMinimiseId,
     "Failed to create the Minimise On Load Check Box"},
    {L"Button", L"Open Last Files Used On Startup", BS_AUTOCHECKBOX, 0, 0, 21, 220, 17, kOpenLastFilesId,
     "Failed to create the Open Docs At Startup Check Box"},
};

// The options in the order they are loaded and applied.
enum class Effect { Feature, Flag, ShellExtension, EditorColours };
struct OptionRow {
    int box;
    const char* section;
    const char* key;
    const char* absent;  // the value when the key is missing
    Effect effect;
};
const OptionRow kOptionRows[] = {
    {kTrayId, "Main", "SysTrayShow", "1", Effect::Feature},
    {kTaskbarId, "Main", "TaskbarShow", "1", Effect::Feature},
    {kRealTimeResizeId, "Main", "RealTimeResize", "0", Effect::Feature},
    {kMinimiseId, "Main", "MinOnLoad", "0", Effect::Flag},
    {kShellExtensionId, "Editor", "ShellEx", "", Effect::ShellExtension},
    {kSkinOverrideId, "Editor", "SkinOverride", "", Effect::EditorColours},
    {kOpenLastFilesId, "Main", "OpenFilesAtStartup", "0", Effect::Flag},
};

bool Stored(const OptionRow& row) { return config::ReadString(row.section, row.key, row.absent) == "1"; }

// Tray icon, taskbar button, real-time resizing; each stores its key itself.
void SwitchFeature(int box, bool on)
{
    if (box == kTrayId)
        Host().SetTrayIcon(on);
    else if (box == kTaskbarId)
        MainSkin().SetShowOnTaskbar(on);
    else
        MainSkin().SetRealTimeResize(on);
}

// A page draws nothing of its own (not even as the static control it is made from):
// what its controls report goes to the dialog.
class OptionsPage : public Subclass<OptionsPage> {
public:
    static constexpr const char* kProperty = "CWOPageSubcls";

    void Attach(HWND page, HWND dialog)
    {
        dialog_ = dialog;
        Subclass::Attach(page);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(dialog_, message, wParam, lParam);
        default:
            return DefWindowProcW(Window(), message, wParam, lParam);
        }
    }

private:
    HWND dialog_ = nullptr;
};

class OptionsDialog : public Subclass<OptionsDialog> {
public:
    static constexpr const char* kProperty = "CWOSubcls";

    bool Create();
    void Show(bool show, bool topmost);
    void Destroy();
    HWND Handle() const { return window_; }
    bool Checked(int box) const { return IsDlgButtonChecked(Page(box), box) == BST_CHECKED; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND Page(int box) const;
    void Check(int box, bool on) { CheckDlgButton(Page(box), box, on ? BST_CHECKED : BST_UNCHECKED); }
    void EnableApply(bool on) { EnableWindow(GetDlgItem(window_, kApplyId), on); }
    void Load();
    void Apply(bool force);
    void ApplyShellExtension(bool box, bool stored, bool force);
    void ShowPage(int index);
    void ToggleExclusive(int box, int other, const char* refusal);
    void OpenEditorSettings();
    void OnCommand(int id, int code);

    HWND window_ = nullptr;
    HWND pages_[kPageCount] = {};
    OptionsPage pageSubclasses_[kPageCount];
    options::AssociationPage associations_;
    dpi::Relayout relayout_;  // and the DPI the dialog is laid out at
};

OptionsDialog g_dialog;

HWND OptionsDialog::Page(int box) const
{
    switch (box) {
    case kMinimiseId:
    case kOpenLastFilesId:
        return pages_[2];
    default:
        return pages_[0];
    }
}

bool OptionsDialog::Create()
{
    const int left = config::ReadNumber("Position", "OptsLeft");
    const int top = config::ReadNumber("Position", "OptsTop");
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Quillet", L"Quillet Options",
                              WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU, left ? left : CW_USEDEFAULT,
                              left ? top : 0, 350, GetSystemMetrics(SM_CYSMCAPTION) + 180, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_) {
        ui::Message(nullptr, "Failed to create the Options Dialog", MB_OK | MB_ICONERROR);
        return false;
    }
    // Made at its design size, the window knows its screen: its lengths follow that DPI.
    const int dpiValue = dpi::OfWindow(window_);
    relayout_.LaidOutAt(dpiValue);
    if (dpiValue != dpi::kDesignDpi)
        SetWindowPos(window_, nullptr, 0, 0, dpi::Scale(350, dpiValue),
                     dpi::SystemMetric(SM_CYSMCAPTION, dpiValue) + dpi::Scale(180, dpiValue),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Attach(window_);
    const HFONT font = Host().UiFont();
    if (!options::CreateControls(window_, kFrameControls, font, dpiValue))
        return false;
    HWND pageList = GetDlgItem(window_, kPageListId);
    for (const wchar_t* name : kPageNames)
        SendMessageW(pageList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(pageList, LB_SETCURSEL, 0, 0);

    for (int i = 0; i < kPageCount; ++i) {
        if (!options::CreateControls(window_, &kPages[i], 1, font, dpiValue))
            return false;
        pages_[i] = GetDlgItem(window_, kPages[i].id);
        if (i > 0)
            ShowWindow(pages_[i], SW_HIDE);
        pageSubclasses_[i].Attach(pages_[i], window_);
        const bool made = i == 0   ? options::CreateControls(pages_[i], kGeneralControls, font, dpiValue)
                          : i == 1 ? associations_.Create(pages_[i], font, dpiValue)
                                   : options::CreateControls(pages_[i], kStartupControls, font, dpiValue);
        if (!made)
            return false;
    }
    Load();
    Apply(true);
    return true;
}

void OptionsDialog::Show(bool show, bool topmost)
{
    if (!window_ && !Create())
        return;
    if (show)
        SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void OptionsDialog::Destroy()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
}

void OptionsDialog::Load()
{
    for (const OptionRow& row : kOptionRows)
        Check(row.box, Stored(row));
    SetDlgItemInt(pages_[0], kBackupSecondsId, static_cast<UINT>(StoredBackupSeconds()), FALSE);
    EnableApply(false);
}

void OptionsDialog::Apply(bool force)
{
    for (const OptionRow& row : kOptionRows) {
        const bool box = Checked(row.box);
        const bool stored = Stored(row);
        switch (row.effect) {
        case Effect::Feature:
            if (box != stored || force)
                SwitchFeature(row.box, box != stored ? !stored : stored);
            break;
        case Effect::Flag:
            if (box != stored)
                config::WriteFlag(row.section, row.key, box);
            break;
        case Effect::ShellExtension:
            ApplyShellExtension(box, stored, force);
            break;
        case Effect::EditorColours:
            // The open editors show the skin's colours, or their own again, at once.
            if (box != stored) {
                config::WriteFlag(row.section, row.key, box);
                ApplySkinEditorColours(DocumentControls(), box);
            }
            break;
        }
    }
    BOOL read = FALSE;
    const UINT typed = GetDlgItemInt(pages_[0], kBackupSecondsId, &read, FALSE);
    const int seconds = read ? static_cast<int>(std::min<UINT>(typed, kMostBackupSeconds)) : StoredBackupSeconds();
    if (seconds != StoredBackupSeconds())
        config::WriteNumber("Main", "BackupSeconds", seconds);
    SetDlgItemInt(pages_[0], kBackupSecondsId, static_cast<UINT>(seconds), FALSE);
    backups::SetInterval(seconds);
    EnableApply(false);
}


void OptionsDialog::ApplyShellExtension(bool box, bool stored, bool force)
{
    if (box == stored && !force)
        return;
    const bool on = box != stored ? box : stored;
    // Every start registers or unregisters as stored. A program folder without the
    // extension has nothing to unregister: that start goes by without a message.
    const bool quiet = box == stored && !on;
    if (options::SetShellExtension(!on, Host().AppFolder(), window_, quiet))
        config::WriteFlag("Editor", "ShellEx", on);
}

void OptionsDialog::ShowPage(int index)
{
    // The others go first: never two pages on the screen at once, not even between two calls.
    for (int i = 0; i < kPageCount; ++i)
        if (i != index)
            ShowWindow(pages_[i], SW_HIDE);
    if (index >= 0 && index < kPageCount)
        ShowWindow(pages_[index], SW_SHOW);
}

// The taskbar button and the tray icon: never both off.
void OptionsDialog::ToggleExclusive(int box, int other, const char* refusal)
{
    if (!Checked(box)) {
        Check(box, true);
    } else if (!Checked(other)) {
        ui::Message(window_, refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    } else {
        Check(box, false);
    }
    EnableApply(true);
}

void OptionsDialog::OpenEditorSettings()
{
    Document* active = ActiveDocument();
    if (!active) {
        ui::Message(window_, "Editor Settings are only available when there is at least one active document",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    ShowWindow(window_, SW_HIDE);
    SendMessageW(active->control, kEditorCommand, kEditorSettingsDialog, 0);
}

void OptionsDialog::OnCommand(int id, int code)
{
    switch (id) {
    case kPageListId:
        if (code == LBN_SELCHANGE) {
            const LRESULT selected = SendMessageW(GetDlgItem(window_, kPageListId), LB_GETCURSEL, 0, 0);
            if (selected != LB_ERR)
                ShowPage(static_cast<int>(selected));
        }
        break;
    case kOkId:
        if (IsWindowEnabled(GetDlgItem(window_, kApplyId)))
            Apply(false);
        PostMessageW(window_, WM_CLOSE, 0, 0);
        break;
    case kApplyId:
        Apply(false);
        break;
    case kCancelId:
        SendMessageW(window_, WM_CLOSE, 0, 0);
        Load();  // what Apply stored stays in effect
        break;
    case kTaskbarId:
        ToggleExclusive(kTaskbarId, kTrayId,
                        "You cannot remove Quillet from the Taskbar and also not show it in the Tray, how will you "
                        "access it?");
        break;
    case kTrayId:
        ToggleExclusive(kTrayId, kTaskbarId,
                        "You cannot remove Quillet from the Tray and also not show it in the Taskbar, how will you "
                        "access it?");
        break;
    case kShellExtensionId:
        Check(kShellExtensionId, !Checked(kShellExtensionId));
        EnableApply(true);
        break;
    case kRealTimeResizeId:
    case kMinimiseId:
    case kSkinOverrideId:
    case kOpenLastFilesId:
        EnableApply(true);
        break;
    case kEditorSettingsId:
        OpenEditorSettings();
        break;
    case options::kAddTypeId:
        associations_.AddClicked(window_);
        break;
    case options::kRemoveTypeId:
        associations_.RemoveClicked();
        break;
    default:
        break;
    }
}

LRESULT OptionsDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        const bool clicked = code == BN_CLICKED && id != kPageListId;
        if (id == kBackupSecondsId && code == EN_CHANGE && IsWindowVisible(window_)) {
            EnableApply(true);
            return 0;
        }
        if (clicked || (id == kPageListId && code == LBN_SELCHANGE)) {
            OnCommand(id, code);
            return 0;
        }
        break;
    }
    case dpi::kDpiChangedMessage:
        relayout_.Apply(window_, wParam, lParam, Host().UiFontDpi());
        return 0;
    case WM_CLOSE:
        associations_.SaveList();
        ShowWindow(window_, SW_HIDE);
        return 0;
    case WM_DESTROY: {
        // Add and Remove changed the registry at once: the list must not be lost when the
        // program ends with the dialog open or hidden by "Editor Settings".
        associations_.SaveList();
        RECT rect = {};
        GetWindowRect(window_, &rect);
        config::WriteNumber("Position", "OptsLeft", rect.left);
        config::WriteNumber("Position", "OptsTop", rect.top);
        for (OptionsPage& page : pageSubclasses_)
            page.Detach();
        Detach();
        return 0;
    }
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}

} // namespace

void CreateOptionsDialog() { g_dialog.Show(false, false); }
void ShowOptionsDialog(bool topmost) { g_dialog.Show(true, topmost); }
void DestroyOptionsDialog() { g_dialog.Destroy(); }
HWND OptionsDialogWindow() { return g_dialog.Handle(); }
bool IsOptionsDialogVisible() { return g_dialog.Handle() && IsWindowVisible(g_dialog.Handle()); }

int StoredBackupSeconds()
{
    const int seconds = config::ReadNumber("Main", "BackupSeconds", kDefaultBackupSeconds);
    return seconds < 0 ? kDefaultBackupSeconds : std::min(seconds, kMostBackupSeconds);
}

bool IsMinimiseOnStartupChecked()
{
    return g_dialog.Handle() ? g_dialog.Checked(kMinimiseId) : config::ReadFlag("Main", "MinOnLoad");
}

bool IsOpenLastFilesChecked()
{
    return g_dialog.Handle() ? g_dialog.Checked(kOpenLastFilesId) : config::ReadFlag("Main", "OpenFilesAtStartup");
}

bool IsSkinOverrideChecked()
{
    // The stored setting: the box counts once applied (Apply shows the open editors the
    // skin's colours or their own at once).
    return config::ReadFlag("Editor", "SkinOverride");
}
