// parts_shots: pictures of the skinned menus, tabs, toolbar and status bar in each skin.
//   parts_shots.exe OUTPUT-FOLDER SKIN...
// writes OUTPUT-FOLDER\<skin>-<window|file-menu|editor-menu|many-tabs>.bmp, copied from
// the screen (run it on a display of its own: the mouse is moved over the window).
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "docs/documents.h"
#include "tests/harness/in_process_app.h"
#include "tests/skin-win32/skin_fixture.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>

namespace {

std::string g_shot;  // where the timer writes the picture of the open menu

void SaveScreen(const RECT& area, const std::string& path)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    skintest::WriteBitmap(path, width, height, [memory](int x, int y) {
        const COLORREF c = GetPixel(memory, x, y);
        return skin::Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
    });
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

RECT WindowArea()
{
    RECT rect = {};
    GetWindowRect(Main().Frame(), &rect);
    rect.right += 60;
    rect.bottom += 60;
    return rect;
}

void Settle()
{
    RedrawWindow(Main().Frame(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        harness::InProcessApp::Pump();
        Sleep(30);
    }
}

void MoveMouseTo(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    Settle();
}

// First highlights the second item, then takes the picture.
void CALLBACK ShootOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    static bool highlighted = false;
    HWND popup = FindWindowA("#32768", nullptr);
    if (!highlighted && popup) {
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        highlighted = true;
        return;
    }
    highlighted = false;
    KillTimer(nullptr, timer);
    SaveScreen(WindowArea(), g_shot);
    EndMenu();
}

// Opens a menu with `open` and takes the picture while it shows.
template <class Open>
void ShootMenu(const std::string& path, Open open)
{
    g_shot = path;
    SetTimer(nullptr, 0, 400, &ShootOpenMenu);
    open();
    Settle();
}

RECT TabRect(int index)
{
    RECT rect = {};
    SendMessageA(Main().Tabs(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: parts_shots OUTPUT-FOLDER SKIN...\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "\\";
    for (int i = 2; i < argc; ++i) {
        const std::string name = out + argv[i] + "-";
        harness::InProcessApp app;
        app.SetConfig("Main", "Skin", argv[i]);
        app.SetConfig("Position", "MainLeft", "40");
        app.SetConfig("Position", "MainTop", "30");
        app.SetConfig("Position", "MainWidth", "760");
        app.SetConfig("Position", "MainHeight", "480");
        if (!app.Start())
            return 1;
        for (const char* file : {"notes.txt", "main.cpp", "readme.md"}) {
            const std::string path = app.Folder() + file;
            harness::WriteFile(path, "int main()\r\n{\r\n    return 0;  // a sample\r\n}\r\n");
            OpenDocument(path);
        }
        SendMessageA(Main().Tabs(), TCM_SETCURFOCUS, 1, 0);
        Settle();
        const RECT hovered = TabRect(2);
        MoveMouseTo(Main().Tabs(), (hovered.left + hovered.right) / 2, (hovered.top + hovered.bottom) / 2);
        SaveScreen(WindowArea(), name + "window.bmp");

        ShootMenu(name + "file-menu.bmp", [] { OpenMenuBarMenu(kFileButton); });
        RECT editor = {};
        GetWindowRect(ActiveDocument()->control, &editor);
        SetCursorPos(editor.left + 120, editor.top + 40);
        ShootMenu(name + "editor-menu.bmp", [] { ShowEditorMenu(); });

        for (int n = 0; n < 12; ++n)
            OpenDocument("");
        Settle();
        HWND arrows = FindWindowExA(Main().Tabs(), nullptr, UPDOWN_CLASSA, nullptr);
        if (arrows) {
            RECT client = {};
            GetClientRect(arrows, &client);
            MoveMouseTo(arrows, client.right / 4, client.bottom / 2);
        }
        SaveScreen(WindowArea(), name + "many-tabs.bmp");
        for (const harness::AskedMessage& message : app.messages)
            std::fprintf(stderr, "%s: %s\n", argv[i], message.text.c_str());
        app.answers.assign(40, IDNO);
        app.Close();
    }
    return 0;
}
