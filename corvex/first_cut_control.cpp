// A first, minimal control: a multi-line edit box hosted in a "Corvex" window,
// answering the file and state messages. Replaced by the real view.
#include "corvex/include/corvex.h"
#include "corvex/library.h"

#include <cstdio>
#include <string>

namespace corvex {

HINSTANCE g_module = nullptr;

namespace {

constexpr int kEditId = 1;

HWND EditOf(HWND control) { return GetDlgItem(control, kEditId); }

void Notify(HWND control, UINT code)
{
    NMHDR header = {control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

bool ReadWholeFile(const char* path, std::string& bytes)
{
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return true;
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                           ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
                        0, 0, 0, 0, window, reinterpret_cast<HMENU>(kEditId), g_module, nullptr);
        return 0;
    case WM_SIZE:
        MoveWindow(EditOf(window), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(EditOf(window));
        return 0;
    case WM_CHAR:
    case WM_KEYDOWN:
        return SendMessageA(EditOf(window), message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_COMMAND:
        if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE)
            Notify(window, NotifyModifiedChanged);
        return 0;
    case LoadFile: {
        std::string bytes;
        if (!lParam || !ReadWholeFile(reinterpret_cast<const char*>(lParam), bytes))
            return 0;
        SetWindowTextA(EditOf(window), bytes.c_str());
        SendMessageA(EditOf(window), EM_SETMODIFY, FALSE, 0);
        return 1;
    }
    case SaveFile: {
        if (!lParam)
            return 0;
        const int length = GetWindowTextLengthA(EditOf(window));
        std::string text(length + 1, '\0');
        GetWindowTextA(EditOf(window), &text[0], length + 1);
        text.resize(length);
        FILE* file = std::fopen(reinterpret_cast<const char*>(lParam), "wb");
        if (!file)
            return 0;
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        return std::fclose(file) == 0 && written ? 1 : 0;
    }
    case IsModified:
        return SendMessageA(EditOf(window), EM_GETMODIFY, 0, 0);
    case ClearModified:
        SendMessageA(EditOf(window), EM_SETMODIFY, FALSE, 0);
        Notify(window, NotifyModifiedChanged);
        return 0;
    case GetPosition: {
        auto* record = reinterpret_cast<int*>(lParam);
        if (!record)
            return 0;
        DWORD start = 0, end = 0;
        SendMessageA(EditOf(window), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const int line = static_cast<int>(SendMessageA(EditOf(window), EM_LINEFROMCHAR, end, 0));
        const int column = static_cast<int>(end - SendMessageA(EditOf(window), EM_LINEINDEX, line, 0));
        record[0] = static_cast<int>(start);
        record[1] = static_cast<int>(end);
        record[2] = wParam == 1 ? line + 1 : line;
        record[3] = wParam == 1 ? column + 1 : column;
        return 1;
    }
    case IsOverwrite:
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

bool RegisterControlClass()
{
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = &ControlProc;
    wc.hInstance = g_module;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32513));  // IDC_IBEAM
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterControlClass() { UnregisterClassA(kClassName, g_module); }

} // namespace corvex

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        corvex::g_module = instance;
    return TRUE;
}
