// What the Options dialog and the skin selector need from the program around them. The
// main window implements this and hands it over before it creates the Options dialog;
// tests hand over their own.
#pragma once

#include <windows.h>
#include <string>

namespace options {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // The main window (the frame).
    virtual HWND MainWindow() const = 0;
    // The program's UI font (Tahoma, 13 pixels at 96 DPI), given to every control, and the
    // DPI it is made at (the main window's).
    virtual HFONT UiFont() const = 0;
    virtual int UiFontDpi() const = 0;
    // The program's module (the instance handed to the skin loader).
    virtual HINSTANCE Instance() const = 0;
    // The application folder, ending in a backslash, as the file system names it.
    virtual std::wstring AppFolder() const = 0;
    // Adds the notification-area icon (writing [Main] SysTrayShow "1") or removes it ("0").
    virtual void SetTrayIcon(bool on) = 0;
};

void SetOptionsHost(OptionsHost* host);
OptionsHost& Host();

} // namespace options
