#include "corvex/dialogs/settings_dialog.h"
#include "corvex/dialogs/wide_text.h"

#include "corvex/dialogs/check_list_page.h"
#include "corvex/dialogs/colour_page.h"
#include "corvex/dialogs/editing_page.h"
#include "corvex/dialogs/font_page.h"
#include "corvex/dialogs/keyboard_page.h"
#include "corvex/dialogs/line_numbering_page.h"

#include <commctrl.h>

namespace corvex::dialogs {
namespace {

constexpr short kMargin = 7, kTabsWidth = SettingsPage::kWidth + 6, kTabsHeight = SettingsPage::kHeight + 20;
constexpr short kWidth = kTabsWidth + 2 * kMargin;
constexpr short kButtonsTop = kMargin + kTabsHeight + kMargin;
constexpr short kHeight = kButtonsTop + DialogTemplate::kButtonHeight + kMargin;

// The page shown when the dialog opens: the one last looked at.
int g_lastPage = 0;

// The settings dialog in its modal loop, and the hook watching that loop's keys.
SettingsDialog* g_running = nullptr;
HHOOK g_keyFilter = nullptr;

void NotifySettingsChanged(HWND control)
{
    NMHDR header{};
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    header.code = corvex::NotifySettingsChanged;
    if (HWND parent = GetParent(control))
        SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

} // namespace

SettingsDialog::SettingsDialog(HWND control) : control_(control) {}

bool SettingsDialog::run()
{
    written_ = ReadControlSettings(control_);
    DialogTemplate dialog(kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, kWidth, kHeight);
    dialog.add("SysTabControl32", "", kSettingsTabs, WS_TABSTOP | WS_CLIPCHILDREN, kMargin, kMargin, kTabsWidth,
               kTabsHeight, WS_EX_CONTROLPARENT);
    const short gap = 4, step = DialogTemplate::kButtonWidth + gap;
    const short right = kWidth - kMargin - DialogTemplate::kButtonWidth;
    dialog.button("OK", IDOK, right - 2 * step, kButtonsTop, true);
    dialog.button("Cancel", IDCANCEL, right - step, kButtonsTop);
    dialog.button("&Apply", kApplyButton, right, kButtonsTop);
    const HWND owner = GetAncestor(control_, GA_ROOT);
    SettingsDialog* outer = g_running;
    HHOOK outerFilter = g_keyFilter;
    g_running = this;
    g_keyFilter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    const bool accepted = runModal(dialog, owner) == IDOK;
    if (g_keyFilter)
        UnhookWindowsHookEx(g_keyFilter);
    g_running = outer;
    g_keyFilter = outerFilter;
    return accepted;
}

LRESULT CALLBACK SettingsDialog::KeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && g_running && g_running->turnPage(*reinterpret_cast<const MSG*>(lParam)))
        return 1;
    return CallNextHookEx(g_keyFilter, code, wParam, lParam);
}

bool SettingsDialog::turnPage(const MSG& message)
{
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 ||
        (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)))
        return false;
    int step = 0;
    if (message.wParam == VK_TAB)
        step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    else if (message.wParam == VK_NEXT || message.wParam == VK_PRIOR)
        step = message.wParam == VK_NEXT ? 1 : -1;
    if (!step)
        return false;
    const int count = static_cast<int>(pages_.size());
    select((g_lastPage + step + count) % count);
    SetFocus(item(kSettingsTabs));
    return true;
}

void SettingsDialog::createPages()
{
    pages_.push_back(GeneralPage());
    pages_.push_back(std::make_unique<EditingPage>());
    pages_.push_back(std::make_unique<ColourPage>());
    pages_.push_back(std::make_unique<FontPage>());
    pages_.push_back(std::make_unique<LineNumberingPage>());
    pages_.push_back(std::make_unique<KeyboardPage>());
    pages_.push_back(MiscellaneousPage());

    HWND tabs = item(kSettingsTabs);
    SendMessageW(tabs, WM_SETFONT, SendMessageW(hwnd_, WM_GETFONT, 0, 0), FALSE);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        std::wstring name = WideFromUtf8(pages_[i]->name());
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = &name[0];
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
    }
    RECT area{};
    GetClientRect(tabs, &area);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (const auto& page : pages_) {
        HWND window = page->createIn(tabs);
        SetWindowPos(window, HWND_BOTTOM, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE | SWP_HIDEWINDOW);
        page->load(written_);
    }
}

void SettingsDialog::select(int index)
{
    if (index < 0 || index >= static_cast<int>(pages_.size()))
        index = 0;
    SendDlgItemMessageW(hwnd_, kSettingsTabs, TCM_SETCURSEL, index, 0);
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
        ShowWindow(pages_[i]->hwnd(), i == index ? SW_SHOW : SW_HIDE);
    g_lastPage = index;
}

void SettingsDialog::apply(bool always)
{
    ControlSettings changed = written_;
    for (const auto& page : pages_)
        page->store(changed);
    const bool wrote = WriteChangedSettings(control_, written_, changed);
    written_ = changed;
    if (wrote || always)
        NotifySettingsChanged(control_);
}

INT_PTR SettingsDialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        createPages();
        select(g_lastPage);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kSettingsTabs && header->code == TCN_SELCHANGE)
            select(static_cast<int>(SendDlgItemMessageW(hwnd_, kSettingsTabs, TCM_GETCURSEL, 0, 0)));
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            apply(true);
            EndDialog(hwnd_, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(hwnd_, IDCANCEL);
            return TRUE;
        case kApplyButton:
            apply(false);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
