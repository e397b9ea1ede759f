#include "docs/languages.h"

#include "platform/ansi_text.h"

#include "docs/docs_host.h"
#include "platform/ui_seam.h"
#include "docs/documents.h"
#include "docs/editor_control.h"

namespace {

struct ExtensionRow {
    const char* extension;  // upper case
    const char* language;
};

// Looked up in order, the first match wins.
const ExtensionRow kExtensions[] = {
    {"C", "C/C++"},    {"CPP", "C/C++"},   {"H", "C/C++"},    {"HPP", "C/C++"},
    {"JAVA", "Java"},
    {"BAS", "Basic"},  {"INC", "Basic"},   {"FRM", "Basic"},  {"CLS", "Basic"},
    {"PAS", "Pascal"},
    {"SQL", "SQL"},    {"DDL", "SQL"},
    {"HTM", "HTML"},   {"HTML", "HTML"},   {"HTX", "HTML"},   {"ASP", "HTML"},
    {"ALX", "HTML"},   {"STM", "HTML"},    {"SHTML", "HTML"},
    {"XML", "XML"},
    {"CFN", "ColdFusion"},
    {"PHP", "PHP"},    {"PHP3", "PHP"},    {"PHP4", "PHP"},   {"PHP5", "PHP"},
};

// The language menu, command 1000 + index; "" stands for no language.
const char* const kMenuLanguages[] = {
    "", "ASP", "Basic", "C/C++", "ColdFusion", "HTML", "Java", "Pascal", "PHP", "SQL", "XML",
};

constexpr std::size_t kExtensionBufferSize = 260;

const char kHighlightingOff[] =
    "Syntax Highlighting is not currently enabled. Go to the Editor Settings dialog > Miscellaneous tab "
    "and enable it there";

} // namespace

LanguageChoice LanguageForPath(const std::wstring& path)
{
    LanguageChoice choice;
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos)
        return choice;
    choice.send = true;
    std::wstring upper = path.substr(dot + 1);
    if (upper.size() >= kExtensionBufferSize)
        return choice;  // does not fit the extension buffer: matches nothing
    if (!upper.empty())
        CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
    for (const ExtensionRow& row : kExtensions) {
        if (upper == WidenAnsi(row.extension)) {
            choice.name = row.language;
            break;
        }
    }
    return choice;
}

LanguageChoice LanguageForPath(const std::string& path) { return LanguageForPath(WidenAnsi(path)); }

void SelectLanguageForPath()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    const LanguageChoice choice = LanguageForPath(active->path);
    if (choice.send)
        editor::Send(active->control, corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(choice.name));
}

const char* LanguageOfCommand(int command)
{
    if (command <= kFirstLanguageCommand || command > kLastLanguageCommand)
        return nullptr;
    return kMenuLanguages[command - kFirstLanguageCommand];
}

void CheckLanguageMenuItems(HMENU menu, const std::string& current)
{
    for (int command = kFirstLanguageCommand; command <= kLastLanguageCommand; ++command) {
        const bool checked = current == kMenuLanguages[command - kFirstLanguageCommand];
        CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void ChooseLanguage(int command)
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    if (editor::Send(active->control, corvex::GetColourSyntax) == 0) {
        ui::Message(docs::Host().Frame(), kHighlightingOff, MB_OK | MB_ICONINFORMATION);
        return;
    }
    editor::Send(active->control, corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(LanguageOfCommand(command)));
}
