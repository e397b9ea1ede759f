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
constexpr int kTextBufferSize = 260;

const ControlSpec kControls[] = {
    {"Static", "Enter File Type :", SS_LEFTNOWORDWRAP, 0, 30, 0, 80, 17, kTypeLabelId,
     "Failed to create the File Assoc Caption Label window"},
    {"Edit", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 115, 0, 70, 17, kTypeBoxId,
     "Failed to create the File Assoc Text Box"},
    {"LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS, WS_EX_CLIENTEDGE, 25, 20, 85, 114, kTypeListId,
     "Failed to create the File Assoc Listbox control"},
    {"Button", "Add", WS_TABSTOP | BS_PUSHBUTTON, 0, 115, 20, 70, 20, kAddTypeId,
     "Failed to create the File Assoc Add Button"},
    {"Button", "Remove", WS_TABSTOP | BS_PUSHBUTTON, 0, 115, 43, 70, 20, kRemoveTypeId,
     "Failed to create the File Assoc Remove Button"},
};

std::string ItemText(HWND list, int index)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length >= kTextBufferSize)
        return {};
    char text[kTextBufferSize] = "";
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace

bool AssociationPage::Create(HWND page, HFONT font)
{
    if (!CreateControls(page, kControls, font))
        return false;
    box_ = GetDlgItem(page, kTypeBoxId);
    list_ = GetDlgItem(page, kTypeListId);
    for (const std::string& type : config::ReadList(kSection))
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.c_str()));
    return true;
}

std::vector<std::string> AssociationPage::Types() const
{
    std::vector<std::string> types;
    const int count = list_ ? static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i)
        types.push_back(ItemText(list_, i));
    return types;
}

void AssociationPage::AddClicked(HWND owner)
{
    char text[kTextBufferSize] = "";
    GetWindowTextA(box_, text, sizeof text);
    const std::string type = text;
    if (type.empty() || ListHolds(Types(), type))
        return;
    const std::string refusal = RefusalOf(type);
    if (!refusal.empty()) {
        ui::Message(owner, refusal, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!Associate(type, Host().AppFolder())) {
        ui::Message(owner,
                    "The file type " + type +
                        " could not be associated with Quillet: the registry refused the change. "
                        "Associating file types may need an administrator.",
                    MB_OK | MB_ICONERROR);
        return;
    }
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.c_str()));
}

void AssociationPage::RemoveClicked()
{
    const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    const std::string type = ItemText(list_, static_cast<int>(selected));
    if (type.empty())
        return;
    Unassociate(type);
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void AssociationPage::SaveList() const
{
    if (list_)
        config::WriteList(kSection, Types());  // the section rewritten whole, without gaps
}

} // namespace options
