#include "tests/skin-parts/parts_fixture.h"

#include "app/main_window.h"
#include "docs/documents.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace skintest {

int Picture::Count(const RECT& area, skin::Rgb colour) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += At(x, y) == colour;
    return count;
}

Picture CopyOf(HDC dc, int width, int height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back(skin::FromColorRef(GetPixel(memory, x, y)));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return picture;
}

Picture ClientPicture(HWND window, bool whole)
{
    RECT rect = {};
    if (whole) {
        GetWindowRect(window, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
    } else {
        GetClientRect(window, &rect);
    }
    HDC dc = whole ? GetWindowDC(window) : GetDC(window);
    Picture picture = CopyOf(dc, rect.right, rect.bottom);
    ReleaseDC(window, dc);
    return picture;
}

Picture BitmapFile(const std::string& path)
{
    Picture picture;
    picture.pixels = ReadBitmap(path, picture.width, picture.height);
    return picture;
}

namespace {

BOOL CALLBACK FindPopupMenu(HWND window, LPARAM found)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

struct MenuDriver {
    std::vector<std::function<void(HWND)>> steps;
    std::size_t next = 0;
};
MenuDriver* g_driver = nullptr;

void CALLBACK DriveStep(HWND, UINT, UINT_PTR, DWORD)
{
    HWND popup = OpenPopupMenu();
    if (!g_driver || !popup || g_driver->next >= g_driver->steps.size())
        return;
    g_driver->steps[g_driver->next++](popup);
}

} // namespace

HWND OpenPopupMenu()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindPopupMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

void PartsTest::DriveMenus(const std::function<void()>& open, std::vector<std::function<void(HWND)>> steps)
{
    MenuDriver driver{std::move(steps), 0};
    g_driver = &driver;
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, &DriveStep);
    open();
    // A step may open the next menu through a posted message: handle messages until
    // every step has run, waking for each message (the timer's too), for at most 4 s.
    const DWORD start = GetTickCount();
    while (driver.next < driver.steps.size() && GetTickCount() - start < 4000) {
        harness::InProcessApp::Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
    KillTimer(nullptr, timer);
    g_driver = nullptr;
    EXPECT_EQ(driver.next, driver.steps.size()) << "not every step ran";
    if (OpenPopupMenu())
        EndMenu();
    harness::InProcessApp::Pump();
}

POINT PartsTest::MenuBarButtonCentre(int command) const
{
    RECT rect = {};
    SendMessageA(Main().MenuBar(), TB_GETRECT, command, reinterpret_cast<LPARAM>(&rect));
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(Main().MenuBar(), &centre);
    return centre;
}

Picture PartsTest::Bitmap(const std::string& skin, const char* file) const
{
    return BitmapFile(SkinFolder(skin) + file);
}

void PartsTest::OpenDocuments(int count)
{
    while (static_cast<int>(DocumentList.size()) < count) {
        const std::size_t before = DocumentList.size();
        OpenDocument("");
        if (DocumentList.size() == before) {
            std::string said;
            for (const std::string& message : TakeMessages())
                said += " '" + message + "'";
            ADD_FAILURE() << "document " << before + 1 << " did not open (error " << GetLastError()
                          << "); the program said:" << said;
            break;
        }
    }
    harness::InProcessApp::Pump();
}

} // namespace skintest
