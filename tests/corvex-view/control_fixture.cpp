#include "control_fixture.h"

#include <fstream>
#include <iterator>
#include <sstream>

std::vector<UINT> ControlTest::notifications;
std::vector<WORD> ControlTest::keyCommands;

namespace {

struct Recorder {
    std::vector<UINT>* codes;
    std::vector<WORD>* commands;
};
Recorder g_recorder;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == static_cast<UINT_PTR>(corvex::kControlId)) {
            g_recorder.codes->push_back(header->code);
            if (header->code == corvex::NotifyKeyCommand)
                g_recorder.commands->push_back(reinterpret_cast<const corvex::KeyCommandNotify*>(lParam)->command);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void ControlTest::SetUp()
{
    CorvexInitialize(corvex::kInitFlags);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CorvexTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(0, "CorvexTestParent", "test", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr) << GetLastError();
    control = CreateWindowExA(0, corvex::kClassName, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 600,
                              400, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(corvex::kControlId)),
                              wc.hInstance, nullptr);
    ASSERT_NE(control, nullptr);
    notifications.clear();
    keyCommands.clear();
    g_recorder = {&notifications, &keyCommands};
}

void ControlTest::TearDown()
{
    DestroyWindow(parent);
    CorvexShutdown();
}

std::string ControlTest::Text() const
{
    const auto size = static_cast<std::size_t>(Send(corvex::GetText, 0, 0));
    std::string text(size, '\0');
    Send(corvex::GetText, size, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

void ControlTest::Type(const std::string& characters) const
{
    wchar_t units[256] = {};
    const int count = MultiByteToWideChar(CP_UTF8, 0, characters.data(), static_cast<int>(characters.size()), units, 256);
    for (int k = 0; k < count; ++k)
        SendMessageW(control, WM_CHAR, units[k], 1);
}

COLORREF PaintedPixel(HWND window, int x, int y)
{
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void HoldKeys(const std::vector<int>& keys, bool down)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    for (int key : keys)
        state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

void ControlTest::Press(UINT key, std::vector<int> modifiers) const
{
    HoldKeys(modifiers, true);
    SendMessageW(control, WM_KEYDOWN, key, 1);
    HoldKeys(modifiers, false);
}

void ControlTest::Load(const std::string& path) const
{
    ASSERT_EQ(Send(corvex::LoadFile, 0, reinterpret_cast<LPARAM>(path.c_str())), 1) << path;
}

int ControlTest::Count(UINT code) const
{
    int count = 0;
    for (UINT c : notifications)
        count += c == code ? 1 : 0;
    return count;
}

ScratchFolder::ScratchFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::ostringstream name;
    name << base << "corvex-view-" << GetCurrentProcessId() << "-" << GetTickCount();
    path_ = name.str();
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    for (const std::string& name : Names()) {
        SetFileAttributesA(File(name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(File(name).c_str());
    }
    RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> ScratchFolder::Names() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int ControlTest::FirstColumnX(int widest) const
{
    for (int x = 0; x < widest; ++x) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 2));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, 2));
        int record[4];
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        if (record[3] == 1)
            return x;
    }
    return -1;
}
