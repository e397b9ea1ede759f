#include "corvex/dialogs/dialog_template.h"

#include <commctrl.h>

namespace corvex::dialogs {
namespace {

constexpr std::size_t kItemCountWord = 4; // DLGTEMPLATE::cdit, counted in WORDs

} // namespace

DialogTemplate::DialogTemplate(const std::string& title, DWORD style, short width, short height)
{
    putDword(style | DS_SETFONT);
    putDword(0); // extended style
    words_.push_back(0); // item count
    for (short value : {short(0), short(0), width, height})
        words_.push_back(static_cast<WORD>(value));
    words_.push_back(0); // no menu
    words_.push_back(0); // the dialog class
    putText(title);
    words_.push_back(8);
    putText("Tahoma");
}

void DialogTemplate::putDword(DWORD value)
{
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::putText(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    words_.insert(words_.end(), wide.begin(), wide.end());
}

void DialogTemplate::align()
{
    if (words_.size() % 2)
        words_.push_back(0);
}

void DialogTemplate::addItem(const std::vector<WORD>& classPart, const std::string& text, WORD id,
                             DWORD style, short x, short y, short width, short height, DWORD exStyle)
{
    align();
    putDword(style | WS_CHILD | WS_VISIBLE);
    putDword(exStyle);
    for (short value : {x, y, width, height})
        words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
    words_.insert(words_.end(), classPart.begin(), classPart.end());
    putText(text);
    words_.push_back(0); // no creation data
    ++words_[kItemCountWord];
}

void DialogTemplate::add(WORD classAtom, const std::string& text, WORD id, DWORD style, short x,
                         short y, short width, short height, DWORD exStyle)
{
    addItem({0xFFFF, classAtom}, text, id, style, x, y, width, height, exStyle);
}

void DialogTemplate::add(const char* className, const std::string& text, WORD id, DWORD style,
                         short x, short y, short width, short height, DWORD exStyle)
{
    std::vector<WORD> name;
    for (const char* c = className; *c; ++c)
        name.push_back(static_cast<WORD>(static_cast<unsigned char>(*c)));
    name.push_back(0);
    addItem(name, text, id, style, x, y, width, height, exStyle);
}

void DialogTemplate::label(const std::string& text, short x, short y, short width, WORD id)
{
    add(kStatic, text, id, SS_LEFT | WS_GROUP, x, y + 2, width, 8);
}

void DialogTemplate::check(const std::string& text, WORD id, short x, short y, short width)
{
    add(kButton, text, id, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, width, kCheckHeight);
}

void DialogTemplate::radio(const std::string& text, WORD id, short x, short y, short width,
                           bool firstOfGroup)
{
    add(kButton, text, id, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), x,
        y, width, kCheckHeight);
}

void DialogTemplate::group(const std::string& text, short x, short y, short width, short height)
{
    add(kButton, text, 0xFFFF, BS_GROUPBOX | WS_GROUP, x, y, width, height);
}

void DialogTemplate::button(const std::string& text, WORD id, short x, short y, bool isDefault, short width)
{
    add(kButton, text, id, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP, x, y, width,
        kButtonHeight);
}

void DialogTemplate::edit(WORD id, short x, short y, short width, DWORD extraStyle)
{
    add(kEdit, "", id, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP | extraStyle, x, y, width,
        kEditHeight);
}

void DialogTemplate::spinEdit(WORD editId, WORD spinId, short x, short y, short width)
{
    edit(editId, x, y, width, ES_NUMBER);
    add("msctls_updown32", "", spinId,
        UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
        0, 0);
}

} // namespace corvex::dialogs
