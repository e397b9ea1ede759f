#include "tests/harness/real_input.h"

#include "tests/harness/staged_app.h"

#include <vector>

namespace e2e {

namespace {

INPUT Key(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0 /* MAPVK_VK_TO_VSC */));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool FocusForInput(HWND window, HWND focus, int ms)
{
    SetForegroundWindow(window);
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() != window)
                SetForegroundWindow(window);
            HWND now = FocusedWindow(window);
            return GetForegroundWindow() == window && now && (!focus || now == focus);
        },
        ms);
}

void PressKey(WORD key, WORD modifier, WORD secondModifier)
{
    std::vector<INPUT> inputs;
    if (modifier)
        inputs.push_back(Key(modifier, false));
    if (secondModifier)
        inputs.push_back(Key(secondModifier, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (secondModifier)
        inputs.push_back(Key(secondModifier, true));
    if (modifier)
        inputs.push_back(Key(modifier, true));
    Send(inputs);
}

namespace {

bool CursorAt(POINT screen)
{
    POINT now = {};
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

} // namespace

void MoveMouse(POINT screen)
{
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // A hand comes to rest on the point before it clicks. Under Wine the window system
    // may still report the pointer where an earlier move left it (the program under the
    // pointer reads that report when it next takes its messages) and put the cursor back
    // there: a press sent then lands on the old point. So the move is repeated until the
    // cursor stays on the point after the program under it has taken its messages.
    WaitUntil(
        [&] {
            if (!CursorAt(screen))
                Send({input});
            if (HWND under = WindowFromPoint(screen))
                Sync(under, 1000);
            return CursorAt(screen);
        },
        5000);
}

void Click(POINT screen, bool right)
{
    MoveMouse(screen);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    INPUT release = press;
    release.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    Send({press, release});
}

void TapKey(WORD key)
{
    Send({Key(key, false), Key(key, true)});
}

void TypeUnicode(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t unit : text) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    Send(inputs);
}

} // namespace e2e

namespace e2e {

void ShotIfAsked(const char* name)
{
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("QUILLET_SHOTS_DIR", folder, sizeof folder) || !folder[0])
        return;
    // The picture is taken from outside (the X display shows what Wine drew): announce
    // the moment and wait until the picture is there.
    const std::string base = std::string(folder) + "\\" + name;
    WriteTextFile(base + ".ready", "");
    WaitUntil([&] { return FileExists(base + ".png"); }, 10000);
}

} // namespace e2e
