#include "shellext/registration.h"

#include "shellext/faults.h"
#include "shellext/guarded.h"
#include "shellext/module.h"
#include "shellext/vantrix_ids.h"

#include <oleauto.h>
#include <shlwapi.h>

#include <olectl.h>

#include <string>
#include <vector>

namespace vantrix {
namespace {

constexpr const wchar_t* kApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
constexpr const wchar_t* kApprovedText = L"Quillet Shell Extension";

std::wstring Wide(const char* ascii) { return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)); }

std::wstring ClassKey() { return L"CLSID\\" + Wide(kClassIdText); }
const wchar_t* const kHandlerKey = L"*\\shellex\\ContextMenuHandlers\\Quillet";

// One default (or named) REG_SZ value under HKEY_CLASSES_ROOT.
struct Entry {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
};

// The library's own path, whatever its length and whatever characters the install
// folder holds.
std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(Module(), &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::vector<Entry> Layout(const std::wstring& modulePath)
{
    const std::wstring classKey = ClassKey();
    const std::wstring progId = Wide(kProgId);
    const std::wstring independent = Wide(kIndependentProgId);
    const std::wstring classId = Wide(kClassIdText);
    const std::wstring display = Wide(kDisplayName);
    return {
        {progId, nullptr, display},
        {progId + L"\\CLSID", nullptr, classId},
        {independent, nullptr, display},
        {independent + L"\\CLSID", nullptr, classId},
        {independent + L"\\CurVer", nullptr, progId},
        {classKey, nullptr, display},
        {classKey + L"\\ProgID", nullptr, progId},
        {classKey + L"\\VersionIndependentProgID", nullptr, independent},
        {classKey + L"\\Programmable", nullptr, L""},
        {classKey + L"\\InprocServer32", nullptr, modulePath},
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {classKey + L"\\TypeLib", nullptr, Wide(kLibraryIdText)},
        {kHandlerKey, nullptr, classId},
    };
}

bool Write(const Entry& entry)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result = ERROR_SUCCESS;
    // "Programmable" is an empty key: no value at all.
    if (!entry.value.empty() || entry.name)
        result = RegSetValueExW(key, entry.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                                static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

bool Approve()
{
    if (faults::DenyApproval())
        return false;
    HKEY approved = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &approved,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring classId = Wide(kClassIdText);
    const LONG set = RegSetValueExW(approved, classId.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kApprovedText),
                                    static_cast<DWORD>((lstrlenW(kApprovedText) + 1) * sizeof(wchar_t)));
    RegCloseKey(approved);
    return set == ERROR_SUCCESS;
}

bool Gone(LONG result) { return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND; }

// Removes the Approved value; false when it is there and stays.
bool RemoveApproval()
{
    const std::wstring classId = Wide(kClassIdText);
    HKEY approved = nullptr;
    LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved);
    if (result == ERROR_SUCCESS) {
        result = RegDeleteValueW(approved, classId.c_str());
        RegCloseKey(approved);
        return Gone(result);
    }
    if (Gone(result))
        return true;
    // No right to change the key: only a value that is not there counts as removed.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_QUERY_VALUE, &approved) != ERROR_SUCCESS)
        return false;
    const bool absent = RegQueryValueExW(approved, classId.c_str(), nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS;
    RegCloseKey(approved);
    return absent;
}

// Removes everything registration writes; what is already gone is no failure, what stays
// (a key the user may not delete) is. The shared keys (CLSID, *, shellex,
// ContextMenuHandlers) stay in any case.
bool RemoveAll()
{
    bool removed = !IsNtFamily() || RemoveApproval();
    for (const std::wstring& key : {std::wstring(kHandlerKey), ClassKey(), Wide(kIndependentProgId), Wide(kProgId)}) {
        const LONG result =
            faults::KeepKeys() && key == kHandlerKey ? ERROR_ACCESS_DENIED : SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
        removed = Gone(result) && removed;
    }
    UnRegisterTypeLib(kLibraryId, 1, 0, LOCALE_NEUTRAL, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
    return removed;
}

HRESULT RegisterTypeLibrary(std::wstring path)
{
    if (faults::FailTypeLibrary())
        return TYPE_E_REGISTRYACCESS;
    ITypeLib* library = nullptr;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
    if (SUCCEEDED(result)) {
        result = RegisterTypeLib(library, &path[0], nullptr);
        library->Release();
    }
    return result;
}

} // namespace

// All or nothing: a registration that fails part of the way (a key refused, the type
// library not registered) takes back what it wrote, so that regsvr32's "failed" and the
// Options switch staying off both mean the extension is not registered at all.
HRESULT Register()
{
    const HRESULT result = Guarded([] {
        if (IsNtFamily() && !Approve())
            return E_ACCESSDENIED;  // nothing written yet
        const std::wstring path = ModulePath();
        if (path.empty())
            return SELFREG_E_CLASS;
        for (const Entry& entry : Layout(path))
            if (!Write(entry))
                return SELFREG_E_CLASS;
        return SUCCEEDED(RegisterTypeLibrary(path)) ? S_OK : SELFREG_E_TYPELIB;
    });
    if (FAILED(result) && result != E_ACCESSDENIED)
        Guarded([] {
            RemoveAll();
            return S_OK;
        });
    return result;
}

// A key that stays (no right to delete it) is a failure: Explorer would still show the
// menu item, and the Options switch must not say it is gone.
HRESULT Unregister()
{
    return Guarded([] { return RemoveAll() ? S_OK : SELFREG_E_CLASS; });
}

} // namespace vantrix
