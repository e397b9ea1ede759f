#include "corvex/ole_drag_drop.h"
#include "corvex/global_text.h"

#include <shellapi.h>
#include <shlobj.h>


namespace corvex {
namespace {

// Reference counting and QueryInterface for one interface besides IUnknown.
template <typename Interface>
class ComObject : public Interface {
public:
    virtual ~ComObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

private:
    LONG references_ = 1;
};

// The one way text and file lists travel here: global memory, whole content.
FORMATETC GlobalFormat(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool IsOurFormat(const FORMATETC& format)
{
    return (format.cfFormat == CF_UNICODETEXT || format.cfFormat == CF_TEXT) && (format.tymed & TYMED_HGLOBAL) &&
           format.dwAspect == DVASPECT_CONTENT && format.lindex == -1;
}

class TextDataObject : public ComObject<IDataObject> {
public:
    explicit TextDataObject(std::wstring text) : text_(std::move(text)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!format || !medium)
            return E_INVALIDARG;
        if (!IsOurFormat(*format))
            return DV_E_FORMATETC;
        HGLOBAL memory = format->cfFormat == CF_UNICODETEXT ? GlobalUnicodeText(text_) : GlobalAnsiText(text_);
        if (!memory)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && IsOurFormat(*format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out)
            out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (!formats)
            return E_POINTER;
        *formats = nullptr;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC offered[] = {GlobalFormat(CF_UNICODETEXT), GlobalFormat(CF_TEXT)};
        return SHCreateStdEnumFmtEtc(2, offered, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::wstring text_;
};

class DropSource : public ComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

enum class Dropping { Nothing, Text, Files };

class DropTarget : public ComObject<IDropTarget> {
public:
    DropTarget(HWND window, DropHost& host) : window_(window), host_(host) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override
    {
        FORMATETC text = GlobalFormat(CF_UNICODETEXT), ansi = GlobalFormat(CF_TEXT), files = GlobalFormat(CF_HDROP);
        dropping_ = Dropping::Nothing;
        if (data && (data->QueryGetData(&text) == S_OK || data->QueryGetData(&ansi) == S_OK))
            dropping_ = Dropping::Text;
        else if (data && data->QueryGetData(&files) == S_OK && FileWindow())
            dropping_ = Dropping::Files;
        return DragOver(keys, point, effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        const DWORD allowed = *effect;
        *effect = Effect(keys, allowed);
        if (dropping_ == Dropping::Text && *effect != DROPEFFECT_NONE)
            host_.ShowDropPoint(ClientPoint(point));
        else
            host_.HideDropPoint();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        host_.HideDropPoint();
        dropping_ = Dropping::Nothing;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override
    {
        host_.HideDropPoint();
        if (!effect)
            return E_INVALIDARG;
        *effect = Effect(keys, *effect);
        const Dropping dropping = dropping_;
        dropping_ = Dropping::Nothing;
        if (*effect == DROPEFFECT_NONE || !data)
            return S_OK;
        if (dropping == Dropping::Files) {
            HandFilesOn(data);
            return S_OK;
        }
        std::wstring text;
        if (!TextOf(data, text)) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        host_.DropText(ClientPoint(point), text, *effect == DROPEFFECT_COPY);
        return S_OK;
    }

private:
    // Moving is for the control's own text without Ctrl; everything else is copied.
    DWORD Effect(DWORD keys, DWORD allowed) const
    {
        if (dropping_ == Dropping::Nothing)
            return DROPEFFECT_NONE;
        const bool move = dropping_ == Dropping::Text && host_.DraggingOut() && !(keys & MK_CONTROL);
        const DWORD wanted = move ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
        return (allowed & wanted) ? wanted : (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    POINT ClientPoint(POINTL screen) const
    {
        POINT point = {screen.x, screen.y};
        ScreenToClient(window_, &point);
        return point;
    }
    // The nearest window above the control that takes dropped files.
    HWND FileWindow() const
    {
        for (HWND window = GetParent(window_); window; window = GetParent(window))
            if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
                return window;
        return nullptr;
    }
    // Files dropped on the text go where a file dropped elsewhere on the program goes:
    // WM_DROPFILES to that window, with a copy of the file list it then releases.
    void HandFilesOn(IDataObject* data) const
    {
        HWND receiver = FileWindow();
        FORMATETC files = GlobalFormat(CF_HDROP);
        STGMEDIUM medium = {};
        if (!receiver || data->GetData(&files, &medium) != S_OK)
            return;
        if (medium.tymed == TYMED_HGLOBAL) {
            // A copy the receiver owns: OleDuplicateData copies a global block whole.
            HGLOBAL copy = static_cast<HGLOBAL>(OleDuplicateData(medium.hGlobal, CF_HDROP, GMEM_MOVEABLE));
            if (copy && !PostMessageW(receiver, WM_DROPFILES, reinterpret_cast<WPARAM>(copy), 0))
                GlobalFree(copy);
        }
        ReleaseStgMedium(&medium);
    }

    HWND window_;
    DropHost& host_;
    Dropping dropping_ = Dropping::Nothing;
};

} // namespace

IDataObject* NewTextDataObject(const std::wstring& text) { return new TextDataObject(text); }

IDropSource* NewDropSource() { return new DropSource; }

IDropTarget* RegisterDropTarget(HWND window, DropHost& host)
{
    auto* target = new DropTarget(window, host);
    if (RegisterDragDrop(window, target) != S_OK) {
        target->Release();
        return nullptr;
    }
    return target;
}

void RevokeDropTarget(HWND window, IDropTarget* target)
{
    if (!target)
        return;
    RevokeDragDrop(window);
    target->Release();
}

bool TextOf(IDataObject* data, std::wstring& text)
{
    // The Unicode form first: the ANSI one may have lost characters.
    for (CLIPFORMAT format : {static_cast<CLIPFORMAT>(CF_UNICODETEXT), static_cast<CLIPFORMAT>(CF_TEXT)}) {
        FORMATETC wanted = GlobalFormat(format);
        STGMEDIUM medium = {};
        if (data->GetData(&wanted, &medium) != S_OK)
            continue;
        const bool found = medium.tymed == TYMED_HGLOBAL && (format == CF_UNICODETEXT
                                                                 ? ReadGlobalUnicodeText(medium.hGlobal, text)
                                                                 : ReadGlobalAnsiText(medium.hGlobal, text));
        ReleaseStgMedium(&medium);
        if (found)
            return true;
    }
    return false;
}

} // namespace corvex
