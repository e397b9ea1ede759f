// VantrixMnu: the context-menu handler. Explorer initialises it with the selected files,
// asks it for its menu item ("Open with Quillet") and its help text, and invokes it; it
// then hands each file to the editor, starting the editor first when none runs.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace vantrix {

// The type library's dual interface: IDispatch and nothing more.
struct IVantrixMnu : public IDispatch {};

class VantrixMenu final : public IVantrixMnu, public IShellExtInit, public IContextMenu {
public:
    VantrixMenu();
    ~VantrixMenu();
    VantrixMenu(const VantrixMenu&) = delete;
    VantrixMenu& operator=(const VantrixMenu&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch, answered from the type library
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;
    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY key) override;
    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT flags, UINT* reserved, CHAR* buffer, UINT size) override;

    const std::vector<std::wstring>& Files() const { return files_; }

private:
    ITypeInfo* TypeInfo();

    LONG references_ = 1;
    HBITMAP bitmap_ = nullptr;
    ITypeInfo* typeInfo_ = nullptr;
    std::vector<std::wstring> files_;
};

// The help text for a selection of `count` files.
const char* HelpTextFor(std::size_t count);

} // namespace vantrix
