#include "dialog_driver.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/settings_dialog.h"

#include <vector>

namespace {

struct PendingAction {
    std::string title;
    std::function<void(HWND)> action;
    UINT_PTR timer = 0;
};
PendingAction g_pending;

struct Search {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[32] = {}, title[128] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::string(className) == "#32770" && *search->title == title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Search search{&g_pending.title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    KillTimer(nullptr, g_pending.timer);
    auto action = std::move(g_pending.action);
    g_pending = PendingAction{};
    action(search.found);
}

struct FindById {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<FindById*>(lParam);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::vector<ShownMessage> g_messages;
int g_answer = IDOK;

int RecordMessage(HWND, const std::string& text, const std::string& caption, UINT)
{
    g_messages.push_back({text, caption});
    return g_answer;
}

} // namespace

void WhenDialogShows(const std::string& title, std::function<void(HWND)> action)
{
    g_pending.title = title;
    g_pending.action = std::move(action);
    g_pending.timer = SetTimer(nullptr, 0, 10, OnTimer);
}

bool RunSettingsDialog(HWND control, std::function<void(HWND)> action, int button)
{
    WhenDialogShows(corvex::dialogs::SettingsDialog::kTitle, [&](HWND dialog) {
        action(dialog);
        Press(dialog, button);
    });
    return corvex::dialogs::ShowSettingsDialog(control);
}

HWND Find(HWND window, int id)
{
    FindById search{id, nullptr};
    EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsChecked(HWND window, int id)
{
    return SendMessageA(Find(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND window, int id)
{
    HWND button = Find(window, id);
    const LRESULT style = GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTORADIOBUTTON || style == BS_RADIOBUTTON) {
        for (HWND sibling = GetWindow(button, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            if ((GetWindowLongA(sibling, GWL_STYLE) & BS_TYPEMASK) == style)
                SendMessageA(sibling, BM_SETCHECK, sibling == button ? BST_CHECKED : BST_UNCHECKED, 0);
    } else {
        const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void Press(HWND dialog, int buttonId)
{
    HWND button = Find(dialog, buttonId);
    SendMessageA(button ? GetParent(button) : dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void SetText(HWND window, int id, const std::string& text) { SetWindowTextA(Find(window, id), text.c_str()); }

std::string Text(HWND window, int id)
{
    char text[512] = {};
    GetWindowTextA(Find(window, id), text, sizeof text);
    return text;
}

MessageRecorder::MessageRecorder(int answer)
{
    g_messages.clear();
    g_answer = answer;
    corvex::dialogs::SetMessageFunction(RecordMessage);
}

MessageRecorder::~MessageRecorder() { corvex::dialogs::SetMessageFunction(nullptr); }

const std::vector<ShownMessage>& MessageRecorder::shown() const { return g_messages; }
