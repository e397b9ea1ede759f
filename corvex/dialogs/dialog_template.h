// Dialog templates built in memory (DLGTEMPLATE followed by its DLGITEMTEMPLATEs), so the
// dialogs need no resources in the module. Coordinates are dialog units; the font is
// Tahoma 8 pt. Labels, group boxes, buttons and edits start a group of the dialog
// manager's arrow-key navigation; radio buttons start one when they are the first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvex::dialogs {

class DialogTemplate {
public:
    static constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kListBox = 0x0083,
                          kComboBox = 0x0085;

    DialogTemplate(const std::string& title, DWORD style, short width, short height);

    // A control of a predefined class (0x0080 button ... 0x0085 combo box).
    void add(WORD classAtom, const std::string& text, WORD id, DWORD style, short x, short y,
             short width, short height, DWORD exStyle = 0);
    // A control of a registered class ("SysTabControl32", "msctls_updown32", ...).
    void add(const char* className, const std::string& text, WORD id, DWORD style, short x,
             short y, short width, short height, DWORD exStyle = 0);

    void label(const std::string& text, short x, short y, short width, WORD id = 0xFFFF);
    void check(const std::string& text, WORD id, short x, short y, short width);
    void radio(const std::string& text, WORD id, short x, short y, short width, bool firstOfGroup);
    void group(const std::string& text, short x, short y, short width, short height);
    void button(const std::string& text, WORD id, short x, short y, bool isDefault = false,
                short width = kButtonWidth);
    void edit(WORD id, short x, short y, short width, DWORD extraStyle = 0);
    // A numeric edit with an up-down control attached to its right side.
    void spinEdit(WORD editId, WORD spinId, short x, short y, short width);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    static constexpr short kButtonWidth = 50, kButtonHeight = 14, kEditHeight = 12;
    static constexpr short kCheckHeight = 10;

private:
    void addItem(const std::vector<WORD>& classPart, const std::string& text, WORD id, DWORD style,
                 short x, short y, short width, short height, DWORD exStyle);
    void putDword(DWORD value);
    void putText(const std::string& text);
    void align();

    std::vector<WORD> words_;
};

} // namespace corvex::dialogs
