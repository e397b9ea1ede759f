// Syntax languages: chosen from a file's extension on opening, or from the language menu.
#pragma once

#include <windows.h>
#include <string>

constexpr int kFirstLanguageCommand = 1000;  // "&none"
constexpr int kLastLanguageCommand = 1010;   // "&xml"
constexpr int kLanguageNameSize = 20;        // the control reports its language in this many characters

// What the extension of a path asks for.
struct LanguageChoice {
    bool send = false;             // false: the path has no "." and the language is left alone
    const char* name = nullptr;    // null: no language
};
LanguageChoice LanguageForPath(const std::wstring& path);
// The same for a path in the ANSI code page.
LanguageChoice LanguageForPath(const std::string& path);

// Sends the active document's control the language of its path's extension.
void SelectLanguageForPath();

// The language a menu command stands for (null for "&none" and outside the menu).
const char* LanguageOfCommand(int command);
// Checks exactly the language menu item of the name a control reports ("" = none).
void CheckLanguageMenuItems(HMENU menu, const std::string& current);
// A language command on the active document; with colour syntax off only a message.
void ChooseLanguage(int command);
