#include "options/skin_selector.h"

#include "docs/documents.h"
#include "docs/editor_settings.h"
#include "options/options_host.h"
#include "options/skin_choice.h"
#include "platform/ansi_text.h"
#include "platform/config.h"
#include "platform/dpi.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <shellapi.h>

namespace options {
namespace {

constexpr int kListId = 200;
constexpr int kInfoId = 201;
constexpr int kAutoApplyId = 202;
constexpr int kDeleteId = 203;
constexpr int kApplyId = 204;

constexpr int kWidth = 391;
constexpr int kHeightBelowCaption = 190;

struct ControlLayout {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    bool clientEdge;
    int x, y, width, height, id;
    const char* failure;
};

// In creation order.
constexpr ControlLayout kControls[] = {
    {L"ListBox", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY, true, 8, 8, 180, 150,
     kListId, "Failed to create the Skin Selection List"},
    {L"Edit", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, true, 196, 8, 180, 150, kInfoId,
     "Failed to create the Skin Selection Edit Box"},
    {L"Button", L"Auto apply selected skin", BS_AUTOCHECKBOX, false, 8, 161, 140, 20, kAutoApplyId,
     "Failed to create the Skin Selection Check Box"},
    {L"Button", L"Delete Skin", BS_PUSHBUTTON, false, 196, 161, 70, 20, kDeleteId,
     "Failed to create the Skin Selection Delete Button"},
    {L"Button", L"Apply Skin", BS_PUSHBUTTON, false, 306, 161, 70, 20, kApplyId,
     "Failed to create the Skin Selection Apply Button"},
};

// Skin.ini is ANSI text (or text with a byte-order mark): the wide profile functions read
// it through the ANSI code page, as the skin loader's narrow ones see it.
std::wstring InfoValue(const std::wstring& iniPath, const wchar_t* key)
{
    wchar_t value[config::kValueBufferSize] = L"";
    GetPrivateProfileStringW(L"Info", key, L"", value, config::kValueBufferSize, iniPath.c_str());
    return value;
}

SkinInfo ReadSkinInfo(const std::wstring& iniPath)
{
    return {InfoValue(iniPath, L"Name"), InfoValue(iniPath, L"Author"), InfoValue(iniPath, L"Email"),
            InfoValue(iniPath, L"URL"), InfoValue(iniPath, L"About")};
}

// A skin's name as the skin loader and [Main] Skin take it, in the ANSI code page; false
// when the code page cannot hold it exactly.
bool AnsiSkinName(const std::wstring& name, std::string& ansi) { return AnsiCodePage().ToAnsi(name, ansi); }

// Empties `folder` through the shell (its 8.3 form, "\*": every file and subfolder,
// permanently and without any window) and removes it; false when anything failed.
bool DeleteSkinFolder(const std::wstring& folder)
{
    wchar_t shortPath[MAX_PATH] = L"";
    const DWORD length = GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH);
    // Without the short form the pattern would be "\*": the root of the current drive.
    if (length == 0 || length >= MAX_PATH)
        return false;
    const std::wstring pattern = FolderContentsPattern(shortPath);
    if (pattern.empty())
        return false;
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = GetDesktopWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = pattern.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    if (SHFileOperationW(&operation) != 0)
        return false;
    return RemoveDirectoryW(folder.c_str()) != FALSE;
}

SkinSelector g_selector;

} // namespace

std::wstring SkinSelector::SkinsFolder() const { return Host().AppFolder() + L"Skin\\"; }

void SkinSelector::Show()
{
    if (!handle_ && !Create())
        return;
    RefillList();
    HWND main = Host().MainWindow();
    const bool topmost = main && (GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(handle_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

bool SkinSelector::Create()
{
    // A left of 0 asks for the system's default position, which then sets the top too.
    const int left = config::ReadNumber("Position", "SkinLeft");
    const int top = config::ReadNumber("Position", "SkinTop");
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Quillet", L"Quillet Skin Selector",
                              WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                              left ? left : CW_USEDEFAULT, left ? top : 0, kWidth,
                              GetSystemMetrics(SM_CYSMCAPTION) + kHeightBelowCaption, nullptr, nullptr,
                              Host().Instance(), nullptr);
    if (!handle_) {
        ui::Message(nullptr, "Failed to create the Skin Selection Dialog", MB_OK | MB_ICONERROR);
        return false;
    }
    // Made at its design size, the window knows its screen: its lengths follow that DPI.
    const int dpiValue = dpi::OfWindow(handle_);
    relayout_.LaidOutAt(dpiValue);
    if (dpiValue != dpi::kDesignDpi)
        SetWindowPos(handle_, nullptr, 0, 0, dpi::Scale(kWidth, dpiValue),
                     dpi::SystemMetric(SM_CYSMCAPTION, dpiValue) + dpi::Scale(kHeightBelowCaption, dpiValue),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!CreateControls()) {
        // Half a selector is no use: the next Show tries again from the start.
        DestroyWindow(handle_);
        handle_ = list_ = info_ = autoApply_ = nullptr;
        return false;
    }
    windowBrush_ = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    Attach(handle_);
    const HFONT font = Host().UiFont();
    for (HWND control = GetWindow(handle_, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

bool SkinSelector::CreateControls()
{
    if (!(list_ = AddControl(0)) || !(info_ = AddControl(1)) || !(autoApply_ = AddControl(2)))
        return false;
    if (config::ReadFlag("Main", "AutoApplySkin"))
        SendMessageW(autoApply_, BM_SETCHECK, BST_CHECKED, 0);
    return AddControl(3) && AddControl(4);
}

HWND SkinSelector::AddControl(int index)
{
    const ControlLayout& c = kControls[index];
    const int dpiValue = relayout_.Dpi();
    HWND control = CreateWindowExW(c.clientEdge ? WS_EX_CLIENTEDGE : 0, c.className, c.caption,
                                   WS_CHILD | WS_VISIBLE | c.style, dpi::Scale(c.x, dpiValue), dpi::Scale(c.y, dpiValue),
                                   dpi::Scale(c.width, dpiValue), dpi::Scale(c.height, dpiValue), handle_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), Host().Instance(), nullptr);
    if (!control)
        ui::Message(nullptr, c.failure, MB_OK | MB_ICONERROR);
    return control;
}

void SkinSelector::AddLine(const std::wstring& text)
{
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SkinSelector::RefillList()
{
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SetWindowTextW(info_, L"");
    selected_.clear();

    const std::wstring folder = SkinsFolder();
    WIN32_FIND_DATAW entry = {};
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        AddLine(L"You don't have any skins");
        EnableWindow(list_, FALSE);
        return;
    }
    do {
        // A skin whose folder name the ANSI code page cannot hold could be neither loaded
        // nor found again at the next start (see AnsiSkinName): it is skipped.
        std::string ansi;
        if (IsListedSkin(entry.cFileName, entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY,
                         entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) &&
            AnsiSkinName(entry.cFileName, ansi))
            AddLine(entry.cFileName);
    } while (FindNextFileW(search, &entry));

    if (GetLastError() != ERROR_NO_MORE_FILES) {
        AddLine(L"Error: couldn't find next file");
        EnableWindow(list_, FALSE);
        FindClose(search);
    } else if (!FindClose(search)) {
        ui::Message(handle_, "Error: couldn't close search handle", MB_OK | MB_ICONERROR);
    }
}

void SkinSelector::OnPick()
{
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return;
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    selected_ = name;

    const SkinInfo info = ReadSkinInfo(SkinsFolder() + name + L"\\Skin.ini");
    SetWindowTextW(info_, SkinInfoText(info).c_str());
    if (SendMessageW(autoApply_, BM_GETCHECK, 0, 0) == BST_CHECKED)
        Apply();
}

// A skin the loader refuses has been reported by it and leaves everything as it was.
void SkinSelector::Apply()
{
    if (selected_.empty()) {
        ui::Message(handle_, "Select a skin from the list first.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The skin loader takes an ANSI folder: the Skin folder's exact or short form.
    const std::string skins = AnsiPathOf(SkinsFolder());
    std::string name;
    if (skins.empty() || !AnsiSkinName(selected_, name))
        return;  // only skins whose names fit are listed; without an ANSI Skin folder none loads
    if (!MainSkin().LoadSkin(Host().MainWindow(), Host().Instance(), skins + name, true))
        return;
    if (Document* active = ActiveDocument())
        SaveEditorSettings(active->control);
    config::WriteText("Main", "Skin", selected_);
}

// Any skin but the default one may go, the one in use too; failures are silent.
void SkinSelector::DeleteSelected()
{
    if (selected_.empty()) {
        ui::Message(handle_, "Select a skin in the list to delete", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (IsDefaultSkin(selected_)) {
        ui::Message(handle_, "Cannot delete the default skin", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (ui::Message(handle_, L"Are you sure you want to delete the skin '" + selected_ + L"' ?",
                    MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    if (DeleteSkinFolder(SkinsFolder() + selected_))
        RefillList();
}

// Closing the selector that start-up opened for a hidden main window ends the program.
void SkinSelector::OnClose()
{
    ShowWindow(handle_, SW_HIDE);
    HWND main = Host().MainWindow();
    if (IsWindow(main) && !IsWindowVisible(main) && !MainSkin().Minimised())
        DestroyWindow(main);
}

void SkinSelector::OnDestroy()
{
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    config::WriteNumber("Position", "SkinLeft", rect.left);
    config::WriteNumber("Position", "SkinTop", rect.top);
    config::WriteFlag("Main", "AutoApplySkin", SendMessageW(autoApply_, BM_GETCHECK, 0, 0) == BST_CHECKED);
    DeleteObject(windowBrush_);
    windowBrush_ = nullptr;
    Detach();
}

void SkinSelector::Destroy()
{
    if (handle_ && IsWindow(handle_))
        DestroyWindow(handle_);
    handle_ = list_ = info_ = autoApply_ = nullptr;
}

LRESULT SkinSelector::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == kListId && code == LBN_SELCHANGE)
            OnPick();
        else if (id == kApplyId && code == BN_CLICKED)
            Apply();
        else if (id == kDeleteId && code == BN_CLICKED)
            DeleteSelected();
        else
            break;
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // The read-only info box looks like an ordinary editable one.
        if (reinterpret_cast<HWND>(lParam) != info_)
            break;
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(windowBrush_);
    case dpi::kDpiChangedMessage:
        relayout_.Apply(handle_, wParam, lParam, Host().UiFontDpi());
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}

} // namespace options

void OpenSkinSelector() { options::g_selector.Show(); }
void DestroySkinSelector() { options::g_selector.Destroy(); }
bool IsSkinSelectorVisible() { return options::g_selector.Visible(); }
