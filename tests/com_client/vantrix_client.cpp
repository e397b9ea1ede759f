// vantrix_client.exe EXTENSION FILE...: the Explorer extension used as Explorer uses it,
// from a process of the extension's own bitness. Registers the library, creates the
// object through the registry, selects the files, prints the menu item it adds, invokes
// it (the files go to the running editor), and unregisters the library again.
// Prints "menu: <item>" and "help: <text>" as UTF-8 lines; exits with 0, or with the
// number of the step that failed (and says which on stderr).
#include "tests/support/drop_data.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// {4E492C5C-4659-43F0-8A28-3BCE8E69EED1}
const CLSID kClassId = {0x4E492C5C, 0x4659, 0x43F0, {0x8A, 0x28, 0x3B, 0xCE, 0x8E, 0x69, 0xEE, 0xD1}};
constexpr UINT kFirstId = 100;

// `text` in a code page (CP_UTF8 for the output, CP_ACP for the selection as Explorer
// hands it to an extension that reads CF_HDROP in ANSI).
std::string Narrow(const std::wstring& text, UINT codePage)
{
    const int size = WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 1u, '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

int Fail(int step, const char* what, HRESULT result)
{
    std::fprintf(stderr, "step %d failed: %s (0x%08lX)\n", step, what, static_cast<unsigned long>(result));
    return step;
}

using Registration = HRESULT(STDAPICALLTYPE*)();

Registration ExportOf(HMODULE library, const char* name)
{
    return reinterpret_cast<Registration>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Creates the object through the registry, selects `files` and invokes the menu item.
int UseTheMenu(const std::vector<std::string>& files)
{
    IShellExtInit* init = nullptr;
    HRESULT result =
        CoCreateInstance(kClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, reinterpret_cast<void**>(&init));
    if (FAILED(result))
        return Fail(3, "CoCreateInstance through the registered class", result);
    e2e::DropData selection(files);
    result = init->Initialize(nullptr, &selection, nullptr);
    IContextMenu* menu = nullptr;
    if (SUCCEEDED(result))
        result = init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu));
    init->Release();
    if (FAILED(result))
        return Fail(4, "Initialize with the selection", result);

    HMENU popup = CreatePopupMenu();
    result = menu->QueryContextMenu(popup, 0, kFirstId, 0x7FFF, CMF_NORMAL);
    wchar_t item[260] = L"";
    GetMenuStringW(popup, kFirstId, item, 260, MF_BYCOMMAND);
    DestroyMenu(popup);
    if (FAILED(result) || HRESULT_CODE(result) != 1) {
        menu->Release();
        return Fail(5, "QueryContextMenu adding one item", result);
    }
    char help[260] = "";
    menu->GetCommandString(0, GCS_HELPTEXTA, nullptr, help, sizeof help);
    std::printf("menu: %s\nhelp: %s\n", Narrow(item, CP_UTF8).c_str(), help);
    std::fflush(stdout);

    CMINVOKECOMMANDINFO invoke = {};
    invoke.cbSize = sizeof invoke;
    invoke.lpVerb = MAKEINTRESOURCEA(0);
    result = menu->InvokeCommand(&invoke);
    menu->Release();
    return FAILED(result) ? Fail(6, "InvokeCommand", result) : 0;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 3) {
        std::fprintf(stderr, "usage: vantrix_client EXTENSION FILE...\n");
        return 1;
    }
    std::vector<std::string> files;
    for (int i = 2; i < count; ++i)
        files.push_back(Narrow(arguments[i], CP_ACP));

    HMODULE library = LoadLibraryW(arguments[1]);
    LocalFree(arguments);
    if (!library)
        return Fail(1, "LoadLibrary", HRESULT_FROM_WIN32(GetLastError()));
    Registration reg = ExportOf(library, "DllRegisterServer");
    Registration unreg = ExportOf(library, "DllUnregisterServer");
    HRESULT result = reg && unreg ? reg() : E_NOINTERFACE;
    if (FAILED(result)) {
        FreeLibrary(library);
        return Fail(2, "DllRegisterServer", result);
    }
    CoInitialize(nullptr);
    const int used = UseTheMenu(files);
    CoUninitialize();
    result = unreg();
    FreeLibrary(library);
    if (used)
        return used;
    return FAILED(result) ? Fail(7, "DllUnregisterServer", result) : 0;
}
