#include "shellext/vantrix_menu.h"

#include "platform/hand_off.h"
#include "shellext/guarded.h"
#include "shellext/module.h"
#include "shellext/vantrix_ids.h"

#include <shellapi.h>

#include <string>

namespace vantrix {
namespace {

constexpr const wchar_t* kInstallFolderKey = L"Software\\Quillet";

} // namespace

const char* HelpTextFor(std::size_t count)
{
    return count == 1 ? "Open the selected file with Quillet" : "Open the selected files with Quillet";
}

namespace {

// The glyph drawn for the screen's scaling: Explorer's menus are drawn at the system DPI.
int MenuBitmapForScreen()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi >= 192 ? kMenuBitmap200 : dpi >= 144 ? kMenuBitmap150 : kMenuBitmap;
}

} // namespace

VantrixMenu::VantrixMenu()
{
    LockModule();
    bitmap_ = static_cast<HBITMAP>(
        LoadImageW(Module(), MAKEINTRESOURCEW(MenuBitmapForScreen()), IMAGE_BITMAP, 0, 0, 0));
}

VantrixMenu::~VantrixMenu()
{
    if (bitmap_)
        DeleteObject(bitmap_);
    if (typeInfo_)
        typeInfo_->Release();
    UnlockModule();
}

STDMETHODIMP VantrixMenu::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(riid, kInterfaceId) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IUnknown))
        *object = static_cast<IVantrixMnu*>(this);
    else if (IsEqualIID(riid, IID_IShellExtInit))
        *object = static_cast<IShellExtInit*>(this);
    else if (IsEqualIID(riid, IID_IContextMenu))
        *object = static_cast<IContextMenu*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) VantrixMenu::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) VantrixMenu::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

// ---- IDispatch ------------------------------------------------------------------------

ITypeInfo* VantrixMenu::TypeInfo()
{
    if (!typeInfo_) {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(Module(), path, MAX_PATH);
        ITypeLib* library = nullptr;
        if (SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, &library))) {
            library->GetTypeInfoOfGuid(kInterfaceId, &typeInfo_);
            library->Release();
        }
    }
    return typeInfo_;
}

STDMETHODIMP VantrixMenu::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP VantrixMenu::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    ITypeInfo* type = TypeInfo();
    if (!type)
        return E_FAIL;
    type->AddRef();
    *info = type;
    return S_OK;
}

STDMETHODIMP VantrixMenu::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    ITypeInfo* type = TypeInfo();
    return type ? type->GetIDsOfNames(names, count, ids) : E_FAIL;
}

STDMETHODIMP VantrixMenu::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                 EXCEPINFO* exception, UINT* argumentError)
{
    ITypeInfo* type = TypeInfo();
    return type ? type->Invoke(static_cast<IVantrixMnu*>(this), member, flags, parameters, result, exception,
                               argumentError)
                : E_FAIL;
}

// ---- IShellExtInit --------------------------------------------------------------------

// Explorer may initialise one object more than once: each call starts a new selection,
// and a failed one leaves none.
STDMETHODIMP VantrixMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY)
{
    files_.clear();
    return Guarded([&] {
        if (!data)
            return E_INVALIDARG;
        FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium = {};
        if (FAILED(data->GetData(&format, &medium)))
            return E_INVALIDARG;
        auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
        if (!drop) {
            ReleaseStgMedium(&medium);
            return E_INVALIDARG;
        }
        HRESULT result = S_OK;
        std::vector<std::wstring> files;
        try {
            // UTF-16 paths, of any length and any script; they go to the editor so.
            const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
            if (count == 0)
                result = E_INVALIDARG;
            for (UINT i = 0; i < count && result == S_OK; ++i) {
                const UINT length = DragQueryFileW(drop, i, nullptr, 0);
                std::wstring path(length + 1, L'\0');
                if (length == 0 || DragQueryFileW(drop, i, &path[0], length + 1) == 0) {
                    result = E_INVALIDARG;
                } else {
                    path.resize(length);
                    files.push_back(path);
                }
            }
        } catch (...) {
            GlobalUnlock(medium.hGlobal);
            ReleaseStgMedium(&medium);
            throw;
        }
        GlobalUnlock(medium.hGlobal);
        ReleaseStgMedium(&medium);
        if (result == S_OK)
            files_.swap(files);
        return result;
    });
}

// ---- IContextMenu ---------------------------------------------------------------------

STDMETHODIMP VantrixMenu::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT, UINT flags)
{
    if (flags & CMF_DEFAULTONLY)
        return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 0);
    InsertMenuW(menu, index, MF_STRING | MF_BYPOSITION, firstId, L"Open with Quillet");
    if (bitmap_)
        SetMenuItemBitmaps(menu, index, MF_BYPOSITION, bitmap_, nullptr);
    return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 1);
}

STDMETHODIMP VantrixMenu::GetCommandString(UINT_PTR command, UINT flags, UINT*, CHAR* buffer, UINT size)
{
    if (command != 0 || (flags != GCS_HELPTEXTA && flags != GCS_HELPTEXTW) || !buffer || size == 0)  // Explorer asks for the narrow or the wide help text
        return E_INVALIDARG;
    return Guarded([&] {
        const char* text = HelpTextFor(files_.size());
        if (flags == GCS_HELPTEXTA) {  // Explorer asked for the narrow help text
            lstrcpynA(buffer, text, static_cast<int>(size)); // Explorer asked for the narrow help text
            return S_OK;
        }
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
        lstrcpynW(reinterpret_cast<wchar_t*>(buffer), wide.c_str(), static_cast<int>(size));  // cut, always ended
        return S_OK;
    });
}

STDMETHODIMP VantrixMenu::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    // Only the command offset 0 (not a verb string).
    if (!info || !IS_INTRESOURCE(info->lpVerb) || LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0)
        return E_INVALIDARG;
    return Guarded([&] {
        HWND editor = handoff::FindEditorWindow();
        if (!editor) {
            const std::wstring folder = handoff::ReadInstallFolder(kInstallFolderKey);
            if (folder.empty())
                return E_INVALIDARG;
            editor = handoff::StartEditorAndWait(handoff::EditorProgramIn(folder));
            if (!editor)
                return E_INVALIDARG;
        }
        // An editor that does not take a path within the hand-off's time is hung: the
        // rest would only keep Explorer waiting as long again each.
        for (const std::wstring& path : files_)
            if (!handoff::SendPath(editor, path))
                return E_INVALIDARG;
        return S_OK;
    });
}

} // namespace vantrix
