#include "options/association_page.h"

#include "options/association_rules.h"
#include "options/dialog_controls.h"
#include "options/file_associations.h"
#include "options/options_host.h"
#include "platform/config.h"
#include "platform/ui_seam.h"

namespace options {
namespace {

constexpr const char* kSection = "FileAssoc";

const ControlSpec kControls[] = {
    {L"Static", L"Enter File Type :", SS_LEFTNOWORDWRAP, 0, 30, 0, 80, 17, kTypeLabelId,
     "Failed to create the File Assoc Caption Label window"},
    {L"Edit", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 115, 0, 70, 17, kTypeBoxId,
     "Failed to create the File Assoc Text Box"},
    {L"LISTBOX", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS, WS_EX_CLIENTEDGE, 25, 20, 85, 114,
     kTypeListId, "Failed to create the File Assoc Listbox control"},
    {L"Button", L"Add", WS_TABSTOP | BS_PUSHBUTTON, 0, 115, 20, 70, 20, kAddTypeId,
     "Failed to create the File Assoc Add Button"},
    {L"Button", L"Remove", WS_TABSTOP | BS_PUSHBUTTON, 0, 115, 43, 70, 20, kRemoveTypeId,
     "Failed to create the File Assoc Remove Button"},
};

std::wstring ItemText(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void AddItem(HWND list, const std::wstring& type)
{
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.c_str()));
}

} // namespace

bool AssociationPage::Create(HWND page, HFONT font, int dpiValue)
{
    if (!CreateControls(page, kControls, font, dpiValue))
        return false;
    box_ = GetDlgItem(page, kTypeBoxId);
    list_ = GetDlgItem(page, kTypeListId);
    for (const std::wstring& type : config::ReadTextList(kSection))
        AddItem(list_, type);
    return true;
}

std::vector<std::wstring> AssociationPage::Types() const
{
    std::vector<std::wstring> types;
    const int count = list_ ? static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i)
        types.push_back(ItemText(list_, i));
    return types;
}

void AssociationPage::AddClicked(HWND owner)
{
    std::wstring type(static_cast<std::size_t>(GetWindowTextLengthW(box_)) + 1, L'\0');
    type.resize(static_cast<std::size_t>(GetWindowTextW(box_, &type[0], static_cast<int>(type.size()))));
    if (type.empty() || ListHolds(Types(), type))
        return;
    const std::wstring refusal = RefusalOf(type);
    if (!refusal.empty()) {
        ui::Message(owner, refusal, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!Associate(type, Host().AppFolder())) {
        ui::Message(owner,
                    L"The file type " + type +
                        L" could not be associated with Quillet: the registry refused the change. "
                        L"Associating file types may need an administrator.",
                    MB_OK | MB_ICONERROR);
        return;
    }
    AddItem(list_, type);
}

void AssociationPage::RemoveClicked()
{
    const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    const std::wstring type = ItemText(list_, static_cast<int>(selected));
    if (type.empty())
        return;
    Unassociate(type);
    SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void AssociationPage::SaveList() const
{
    // The section rewritten whole, without gaps; a type the ANSI code page holds is stored
    // as its ANSI bytes as always, any other as marked UTF-8.
    if (list_)
        config::WriteTextList(kSection, Types());
}

} // namespace options
