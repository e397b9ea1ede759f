// A data object holding a CF_HDROP of the given paths, as Explorer passes a selection to
// a context-menu extension or drags files onto a window.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace e2e {

class DropData : public IDataObject {
public:
    // ANSI paths (fWide 0), as older shells hand them over.
    explicit DropData(const std::vector<std::string>& paths)
    {
        std::string list;
        for (const std::string& path : paths)
            list += path + '\0';
        list += '\0';
        Fill(list.data(), list.size(), false);
    }
    // UTF-16 paths (fWide 1), as Explorer hands them over.
    explicit DropData(const std::vector<std::wstring>& paths)
    {
        std::wstring list;
        for (const std::wstring& path : paths)
            list += path + L'\0';
        list += L'\0';
        Fill(list.data(), list.size() * sizeof(wchar_t), true);
    }
    ~DropData() { GlobalFree(memory_); }
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        *object = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject) ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        const SIZE_T size = GlobalSize(memory_);
        HGLOBAL copy = GlobalAlloc(GHND, size);
        std::memcpy(GlobalLock(copy), GlobalLock(memory_), size);
        GlobalUnlock(copy);
        GlobalUnlock(memory_);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    void Fill(const void* list, std::size_t bytes, bool wide)
    {
        memory_ = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory_));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = wide;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list, bytes);
        GlobalUnlock(memory_);
    }
    HGLOBAL memory_ = nullptr;
};

} // namespace e2e
