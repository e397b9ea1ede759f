// What the tool windows need from the program around them. The main window implements
// this and hands it over before the tool windows are created; tests hand over their own.
#pragma once

#include <windows.h>
#include <string>

namespace tools {

enum class ItemMenu { Clipboard, Favourites };
// The commands of the item menus that a drop-down sends or enables: activating a row
// (paste, open), and the favourites' open all, delete and open on start-up.
enum class ItemCommand { Activate, OpenAll, Delete, OpenOnStartup };

class ToolHost {
public:
    virtual ~ToolHost() = default;

    // The window that receives the item commands and the keyboard focus when a drop-down closes.
    virtual HWND MainWindow() const = 0;
    // The menu bar, which takes Left and Right when no row of a drop-down is hot.
    virtual HWND MenuBar() const = 0;
    // The item menu a drop-down tracks from a row's arrow button (owner-drawn by the main window).
    virtual HMENU Menu(ItemMenu which) const = 0;
    // The number of an item-menu command, as the main window's menus and commands know it.
    virtual UINT CommandOf(ItemMenu menu, ItemCommand command) const = 0;
    // The program's UI font (Tahoma, 13 pixels).
    virtual HFONT UiFont() const = 0;
    // True on Windows 2000 and later, where drop-downs may cast a shadow.
    virtual bool DropShadowPlatform() const = 0;
    // Config.ini, where the favourites are kept.
    virtual std::string ConfigPath() const = 0;
    // Opens a path as a document (or selects it when it is open already).
    virtual void OpenPath(const std::wstring& path) = 0;
    // The module holding the pictures (the about picture, the start-up marker).
    virtual HINSTANCE Resources() const = 0;
};

void SetToolHost(ToolHost* host);
ToolHost& Host();

} // namespace tools
