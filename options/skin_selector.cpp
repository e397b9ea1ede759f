#include "options/skin_selector.h"

#include "docs/documents.h"
#include "docs/editor_settings.h"
#include "options/options_host.h"
#include "options/skin_choice.h"
#include "platform/config.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <shellapi.h>
#include <cstring>

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
    const char* className;
    const char* caption;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    bool clientEdge;
    int x, y, width, height, id;
    const char* failure;
};

// In creation order.
constexpr ControlLayout kControls[] = {
    {"ListBox", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY, true, 8, 8, 180, 150,
     kListId, "Failed to create the Skin Selection List"},
    {"Edit", "", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, true, 196, 8, 180, 150, kInfoId,
     "Failed to create the Skin Selection Edit Box"},
    {"Button", "Auto apply selected skin", BS_AUTOCHECKBOX, false, 8, 161, 140, 20, kAutoApplyId,
     "Failed to create the Skin Selection Check Box"},
    {"Button", "Delete Skin", BS_PUSHBUTTON, false, 196, 161, 70, 20, kDeleteId,
     "Failed to create the Skin Selection Delete Button"},
    {"Button", "Apply Skin", BS_PUSHBUTTON, false, 306, 161, 70, 20, kApplyId,
     "Failed to create the Skin Selection Apply Button"},
};

std::string InfoValue(const std::string& iniPath, const char* key)
{
    char value[config::kValueBufferSize] = "";
    GetPrivateProfileStringA("Info", key, "", value, sizeof value, iniPath.c_str());
    return value;
}

SkinInfo ReadSkinInfo(const std::string& iniPath)
{
    return {InfoValue(iniPath, "Name"), InfoValue(iniPath, "Author"), InfoValue(iniPath, "Email"),
            InfoValue(iniPath, "URL"), InfoValue(iniPath, "About")};
}

// Empties `folder` through the shell (its 8.3 form, "\*": every file and subfolder,
// permanently and without any window) and removes it; false when anything failed.
bool DeleteSkinFolder(const std::string& folder)
{
    char shortPath[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(folder.c_str(), shortPath, sizeof shortPath);
    // Without the short form the pattern would be "\*": the root of the current drive.
    if (length == 0 || length >= sizeof shortPath)
        return false;
    const std::string pattern = FolderContentsPattern(shortPath);
    if (pattern.empty())
        return false;
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = GetDesktopWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = pattern.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    if (SHFileOperationA(&operation) != 0)
        return false;
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

SkinSelector g_selector;

} // namespace

std::string SkinSelector::SkinsFolder() const { return Host().AppFolder() + "Skin\\"; }

void SkinSelector::Show()
{
    if (!handle_ && !Create())
        return;
    RefillList();
    HWND main = Host().MainWindow();
    const bool topmost = main && (GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(handle_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

bool SkinSelector::Create()
{
    // A left of 0 asks for the system's default position, which then sets the top too.
    const int left = config::ReadNumber("Position", "SkinLeft");
    const int top = config::ReadNumber("Position", "SkinTop");
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, "Quillet", "Quillet Skin Selector",
                              WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                              left ? left : CW_USEDEFAULT, left ? top : 0, kWidth,
                              GetSystemMetrics(SM_CYSMCAPTION) + kHeightBelowCaption, nullptr, nullptr,
                              Host().Instance(), nullptr);
    if (!handle_) {
        ui::Message(nullptr, "Failed to create the Skin Selection Dialog", MB_OK | MB_ICONERROR);
        return false;
    }
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
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

bool SkinSelector::CreateControls()
{
    if (!(list_ = AddControl(0)) || !(info_ = AddControl(1)) || !(autoApply_ = AddControl(2)))
        return false;
    if (config::ReadFlag("Main", "AutoApplySkin"))
        SendMessageA(autoApply_, BM_SETCHECK, BST_CHECKED, 0);
    return AddControl(3) && AddControl(4);
}

HWND SkinSelector::AddControl(int index)
{
    const ControlLayout& c = kControls[index];
    HWND control = CreateWindowExA(c.clientEdge ? WS_EX_CLIENTEDGE : 0, c.className, c.caption,
                                   WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height, handle_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), Host().Instance(), nullptr);
    if (!control)
        ui::Message(nullptr, c.failure, MB_OK | MB_ICONERROR);
    return control;
}

void SkinSelector::AddLine(const char* text)
{
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void SkinSelector::RefillList()
{
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    SetWindowTextA(info_, "");
    selected_.clear();

    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA((SkinsFolder() + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        AddLine("You don't have any skins");
        EnableWindow(list_, FALSE);
        return;
    }
    do {
        if (IsListedSkin(entry.cFileName, entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY,
                         entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM))
            AddLine(entry.cFileName);
    } while (FindNextFileA(search, &entry));

    if (GetLastError() != ERROR_NO_MORE_FILES) {
        AddLine("Error: couldn't find next file");
        EnableWindow(list_, FALSE);
        FindClose(search);
    } else if (!FindClose(search)) {
        ui::Message(handle_, "Error: couldn't close search handle", MB_OK | MB_ICONERROR);
    }
}

void SkinSelector::OnPick()
{
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    const LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return;
    std::string name(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(std::strlen(name.c_str()));
    selected_ = name;

    const SkinInfo info = ReadSkinInfo(SkinsFolder() + name + "\\Skin.ini");
    SetWindowTextA(info_, SkinInfoText(info).c_str());
    if (SendMessageA(autoApply_, BM_GETCHECK, 0, 0) == BST_CHECKED)
        Apply();
}

// A skin the loader refuses has been reported by it and leaves everything as it was.
void SkinSelector::Apply()
{
    if (selected_.empty()) {
        ui::Message(handle_, "Select a skin from the list first.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!MainSkin().LoadSkin(Host().MainWindow(), Host().Instance(), SkinsFolder() + selected_, true))
        return;
    if (Document* active = ActiveDocument())
        SaveEditorSettings(active->control);
    config::WriteString("Main", "Skin", selected_);
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
    if (ui::Message(handle_, "Are you sure you want to delete the skin '" + selected_ + "' ?",
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
    config::WriteFlag("Main", "AutoApplySkin", SendMessageA(autoApply_, BM_GETCHECK, 0, 0) == BST_CHECKED);
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
