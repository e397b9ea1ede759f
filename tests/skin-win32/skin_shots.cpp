// skin_shots: pictures of the main window in each skin, for looking at the frame.
//   skin_shots.exe OUTPUT-FOLDER SKIN...
// writes OUTPUT-FOLDER\<skin>-<normal|maximised>-<active|inactive>.bmp, each copied
// out of the window's own device context with a document open.
#include "docs/documents.h"
#include "tests/harness/in_process_app.h"
#include "tests/skin-win32/skin_fixture.h"

#include <windows.h>
#include <cstdio>
#include <string>

namespace {

void SaveWindow(HWND window, const std::string& path)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP picture = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    skintest::WriteBitmap(path, width, height, [memory](int x, int y) {
        const COLORREF c = GetPixel(memory, x, y);
        return skin::Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
    });
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

void Settle(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        harness::InProcessApp::Pump();
        Sleep(30);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: skin_shots OUTPUT-FOLDER SKIN...\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "\\";
    for (int i = 2; i < argc; ++i) {
        harness::InProcessApp app;
        app.SetConfig("Main", "Skin", argv[i]);
        app.SetConfig("Position", "MainLeft", "40");
        app.SetConfig("Position", "MainTop", "30");
        if (!app.Start())
            return 1;
        const std::string sample = app.Folder() + "sample.cpp";
        harness::WriteFile(sample, "int main()\r\n{\r\n    return 0;  // a sample\r\n}\r\n");
        OpenDocument(sample);
        HWND frame = app.Frame();
        for (const char* size : {"normal", "maximised"}) {
            if (std::string(size) == "maximised")
                SendMessageA(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            for (bool active : {true, false}) {
                SendMessageA(frame, WM_NCACTIVATE, active, 0);
                Settle(frame);
                SaveWindow(frame, out + argv[i] + "-" + size + "-" + (active ? "active" : "inactive") + ".bmp");
            }
        }
        for (const harness::AskedMessage& message : app.messages)
            std::fprintf(stderr, "%s: %s\n", argv[i], message.text.c_str());
        app.Close();
    }
    return 0;
}
