#include "corvex/dialogs/keyboard_page.h"
#include "corvex/dialogs/wide_text.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/setting_names.h"
#include "corvex/dialogs/settings_dialog.h"
#include "corvex/view_dpi.h"

#include <commctrl.h>

namespace corvex::dialogs {
namespace {

using formats::EditorCommand;

void AddColumn(HWND list, int index, const char* title, int width)
{
    std::wstring text = WideFromUtf8(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = &text[0];
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text)
{
    std::wstring wide = WideFromUtf8(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = &wide[0];
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

// "Ctrl+W, Ctrl+F4"
std::string KeysText(const formats::HotKeyTable& table, const EditorCommand& command)
{
    std::string text;
    for (const formats::HotKey& key : table.keysOf(command))
        text += (text.empty() ? "" : ", ") + KeyName(key.key, key.modifiers);
    return text;
}

// The key shown by the key field; key 0 when it is empty.
formats::HotKey FieldKey(HWND field)
{
    const auto value = static_cast<WORD>(SendMessageW(field, HKM_GETHOTKEY, 0, 0));
    const BYTE flags = HIBYTE(value);
    formats::HotKey key;
    key.key = LOBYTE(value);
    key.modifiers = static_cast<std::uint8_t>(((flags & HOTKEYF_CONTROL) ? formats::kCtrl : 0) |
                                              ((flags & HOTKEYF_SHIFT) ? formats::kShift : 0) |
                                              ((flags & HOTKEYF_ALT) ? formats::kAlt : 0));
    return key;
}

} // namespace

DialogTemplate KeyboardPage::buildTemplate() const
{
    constexpr short listTop = 18, rowTop = kHeight - 20, gap = 4;
    constexpr short labelWidth = 32, fieldWidth = 88, smallButton = 40;
    constexpr short fieldLeft = kMargin + labelWidth, assignLeft = fieldLeft + fieldWidth + gap;
    constexpr short removeLeft = assignLeft + smallButton + gap, resetLeft = removeLeft + smallButton + gap;
    DialogTemplate dialog = PageTemplate();
    dialog.label("&Commands:", kMargin, 5, 100);
    dialog.add("SysListView32", "", kHotKeyList,
               LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
               kMargin, listTop, kFullWidth, rowTop - listTop - 6);
    dialog.label("New &key:", kMargin, rowTop + 1, labelWidth - 2);
    dialog.add("msctls_hotkey32", "", kNewKeyField, WS_BORDER | WS_TABSTOP | WS_GROUP, fieldLeft, rowTop + 1,
               fieldWidth, DialogTemplate::kEditHeight);
    dialog.button("&Assign", kAssignKey, assignLeft, rowTop, false, smallButton);
    dialog.button("&Remove", kRemoveKeys, removeLeft, rowTop, false, smallButton);
    dialog.button("Reset to &defaults", kResetKeys, resetLeft, rowTop, false, kMargin + kFullWidth - resetLeft);
    return dialog;
}

void KeyboardPage::load(const ControlSettings& settings)
{
    table_ = settings.hotKeys;
    if (SendDlgItemMessageW(hwnd_, kHotKeyList, LVM_GETITEMCOUNT, 0, 0) == 0)
        addRows();
    showKeys();
}

void KeyboardPage::addRows()
{
    HWND list = item(kHotKeyList);
    RECT client{};
    GetClientRect(list, &client);
    const int commandWidth = (client.right - client.left) / 2;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, "Command", commandWidth);
    AddColumn(list, 1, "Key", client.right - client.left - commandWidth - SystemMetricAt(SM_CXVSCROLL, WindowDpi(list)));
    const auto& commands = formats::knownCommands();
    for (int row = 0; row < static_cast<int>(commands.size()); ++row) {
        std::wstring name = WideFromUtf8(CommandName(commands[row]));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = &name[0];
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void KeyboardPage::showKeys()
{
    const auto& commands = formats::knownCommands();
    for (int row = 0; row < static_cast<int>(commands.size()); ++row)
        SetCell(item(kHotKeyList), row, 1, KeysText(table_, commands[row]));
}

int KeyboardPage::selectedRow() const
{
    const auto row = static_cast<int>(SendDlgItemMessageW(hwnd_, kHotKeyList, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    return row >= 0 && row < static_cast<int>(formats::knownCommands().size()) ? row : -1;
}

void KeyboardPage::assignKey()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const EditorCommand& command = formats::knownCommands()[row];
    const formats::HotKey key = FieldKey(item(kNewKeyField));
    if (key.key == 0) {
        ShowMessage(hwnd_, "Press the new key in the New key field first.", SettingsDialog::kTitle,
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string keyName = KeyName(key.key, key.modifiers);
    if (!formats::isAssignableKey(key.key, key.modifiers)) {
        ShowMessage(hwnd_, keyName + " types text and cannot be a hot key. Hold Ctrl or Alt with it.",
                    SettingsDialog::kTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (const EditorCommand* owner = table_.find(key.key, key.modifiers)) {
        if (*owner == command)
            return;
        const std::string question = keyName + " is already the key of \"" + CommandName(*owner) + "\".\nMove it to \"" +
                                     CommandName(command) + "\"?";
        if (ShowMessage(hwnd_, question, SettingsDialog::kTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    table_.assign(key.key, key.modifiers, command);
    showKeys();
}

void KeyboardPage::removeKeys()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    table_.removeKeysOf(formats::knownCommands()[row]);
    showKeys();
}

void KeyboardPage::resetKeys()
{
    table_ = formats::defaultHotKeys();
    showKeys();
}

INT_PTR KeyboardPage::handle(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case kAssignKey:
        assignKey();
        return TRUE;
    case kRemoveKeys:
        removeKeys();
        return TRUE;
    case kResetKeys:
        resetKeys();
        return TRUE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
