#include "corvex/dialogs/keyboard_page.h"

#include "corvex/dialogs/setting_names.h"
#include "corvex/hotkeys.h"

#include <commctrl.h>

namespace corvex::dialogs {
namespace {

void AddColumn(HWND list, int index, const char* title, int width)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

void AddRow(HWND list, int row, const std::string& key, const std::string& command)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(key.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(command.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

} // namespace

DialogTemplate KeyboardPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    dialog.label("&Hot keys:", kMargin, 5, 100);
    dialog.add(WC_LISTVIEWA, "", kHotKeyList,
               LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
               kMargin, 18, kFullWidth, kHeight - 25);
    return dialog;
}

void KeyboardPage::load(const ControlSettings&)
{
    HWND list = item(kHotKeyList);
    if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != 0)
        return;
    RECT client{};
    GetClientRect(list, &client);
    const int keyWidth = (client.right - client.left) * 2 / 5;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, "Key", keyWidth);
    AddColumn(list, 1, "Command", client.right - client.left - keyWidth - GetSystemMetrics(SM_CXVSCROLL));
    int row = 0;
    for (const formats::HotKey& key : ActiveHotKeys().keys)
        AddRow(list, row++, KeyName(key.key, key.modifiers), CommandName(key.command));
}

} // namespace corvex::dialogs
