#include "shellext/registration.h"

#include "shellext/module.h"
#include "shellext/vantrix_ids.h"

#include <oleauto.h>
#include <shlwapi.h>

#include <olectl.h>

#include <string>
#include <vector>

namespace vantrix {
namespace {

constexpr const char* kApprovedKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
constexpr const char* kApprovedText = "Quillet Shell Extension";
const std::string kClassKey = std::string("CLSID\\") + kClassIdText;
const std::string kHandlerKey = "*\\shellex\\ContextMenuHandlers\\Quillet";

// One default (or named) REG_SZ value under HKEY_CLASSES_ROOT.
struct Entry {
    std::string key;
    const char* name;
    std::string value;
};

std::string ModulePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(Module(), path, MAX_PATH);
    return path;
}

std::vector<Entry> Layout()
{
    return {
        {kProgId, nullptr, kDisplayName},
        {std::string(kProgId) + "\\CLSID", nullptr, kClassIdText},
        {kIndependentProgId, nullptr, kDisplayName},
        {std::string(kIndependentProgId) + "\\CLSID", nullptr, kClassIdText},
        {std::string(kIndependentProgId) + "\\CurVer", nullptr, kProgId},
        {kClassKey, nullptr, kDisplayName},
        {kClassKey + "\\ProgID", nullptr, kProgId},
        {kClassKey + "\\VersionIndependentProgID", nullptr, kIndependentProgId},
        {kClassKey + "\\Programmable", nullptr, ""},
        {kClassKey + "\\InprocServer32", nullptr, ModulePath()},
        {kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {kClassKey + "\\TypeLib", nullptr, kLibraryIdText},
        {kHandlerKey, nullptr, kClassIdText},
    };
}

bool Write(const Entry& entry)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result = ERROR_SUCCESS;
    // "Programmable" is an empty key: no value at all.
    if (!entry.value.empty() || entry.name)
        result = RegSetValueExA(key, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                                static_cast<DWORD>(entry.value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

std::wstring WideModulePath()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(Module(), path, MAX_PATH);
    return path;
}

} // namespace

HRESULT Register()
{
    if (IsNtFamily()) {
        HKEY approved = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &approved,
                            nullptr) != ERROR_SUCCESS)
            return E_ACCESSDENIED;
        const LONG set = RegSetValueExA(approved, kClassIdText, 0, REG_SZ, reinterpret_cast<const BYTE*>(kApprovedText),
                                        static_cast<DWORD>(lstrlenA(kApprovedText) + 1));
        RegCloseKey(approved);
        if (set != ERROR_SUCCESS)
            return E_ACCESSDENIED;
    }
    for (const Entry& entry : Layout())
        if (!Write(entry))
            return SELFREG_E_CLASS;
    ITypeLib* library = nullptr;
    std::wstring path = WideModulePath();
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (SUCCEEDED(result)) {
        result = RegisterTypeLib(library, &path[0], nullptr);
        library->Release();
    }
    return SUCCEEDED(result) ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT Unregister()
{
    if (IsNtFamily()) {
        HKEY approved = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
            RegDeleteValueA(approved, kClassIdText);
            RegCloseKey(approved);
        }
    }
    // The shared keys (CLSID, *, shellex, ContextMenuHandlers) stay.
    for (const std::string& key : {kHandlerKey, kClassKey, std::string(kIndependentProgId), std::string(kProgId)})
        SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    UnRegisterTypeLib(kLibraryId, 1, 0, LOCALE_NEUTRAL, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    return S_OK;
}

} // namespace vantrix
