#include "docs/documents.h"

#include "docs/backups.h"
#include "docs/docs_host.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "docs/editor_control.h"
#include "docs/editor_settings.h"
#include "docs/languages.h"
#include "docs/size_text.h"
#include "docs/status_line.h"
#include "docs/tab_strip.h"
#include "platform/ansi_text.h"

#include <commctrl.h>

std::vector<Document> DocumentList;
int currentIndex = -1;

Document* ActiveDocument()
{
    if (currentIndex < 0 || currentIndex >= static_cast<int>(DocumentList.size()))
        return nullptr;
    return &DocumentList[currentIndex];
}

HWND ActiveControl()
{
    Document* active = ActiveDocument();
    return active ? active->control : nullptr;
}

std::vector<HWND> DocumentControls()
{
    std::vector<HWND> controls;
    for (const Document& document : DocumentList)
        if (document.control)
            controls.push_back(document.control);
    return controls;
}

std::wstring FileNameOf(const std::wstring& path)
{
    std::size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring DoesNotFitText(const std::wstring& path, ULONGLONG size)
{
    return L"The file does not fit in memory\n" + path + L"\n(" + SizeText(size) + L")";
}

std::wstring StripQuotes(const std::wstring& path)
{
    std::size_t first = path.find_first_not_of(L'"');
    if (first == std::wstring::npos)
        return L"";
    std::size_t last = path.find_last_not_of(L'"');
    return path.substr(first, last - first + 1);
}

void ActivateDocument(int index)
{
    if (index < 0 || index >= static_cast<int>(DocumentList.size()))
        return;
    HWND tabs = docs::Host().TabStrip();
    SendMessageW(tabs, TCM_SETCURFOCUS, index, 0);
    if (currentIndex == index && IsWindowVisible(DocumentList[index].control))
        return;
    // The tab was already the selected one, so the control sent no change
    // notification: make the switch happen anyway.
    const int visible = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    if (visible >= 0 && visible < static_cast<int>(DocumentList.size()) && visible != index)
        ShowWindow(DocumentList[visible].control, SW_HIDE);
    SendMessageW(tabs, TCM_SETCURSEL, index, 0);
    const int tabsId = GetDlgCtrlID(tabs);
    NMHDR header = {tabs, static_cast<UINT_PTR>(tabsId), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(docs::Host().Frame(), WM_NOTIFY, static_cast<WPARAM>(tabsId), reinterpret_cast<LPARAM>(&header));
}

int IndexOfControl(HWND control)
{
    for (std::size_t i = 0; i < DocumentList.size(); ++i)
        if (DocumentList[i].control == control)
            return static_cast<int>(i);
    return -1;
}

bool FindOpenDocument(const std::wstring& path)
{
    for (std::size_t i = 0; i < DocumentList.size(); ++i) {
        if (!SameNameIgnoringCase(DocumentList[i].path, path))
            continue;
        if (DocumentList.size() == 1)
            SetFocus(DocumentList[i].control);
        else
            SendMessageW(docs::Host().TabStrip(), TCM_SETCURFOCUS, i, 0);
        return true;
    }
    return false;
}

void OpenDocument(const std::string& ansiPath) { OpenDocument(WidenAnsi(ansiPath)); }

void OpenDocument(std::wstring path)
{
    if (!path.empty()) {
        path = StripQuotes(path);
        if (FindOpenDocument(path))
            return;
    }
    docs::DocsHost& host = docs::Host();
    DocumentList.push_back(Document{});
    HWND control = editor::Create(host.Frame());
    if (!control) {
        DocumentList.pop_back();
        ui::Message(nullptr, "Failed to create the Richedit control", MB_OK | MB_ICONSTOP);
        return;
    }
    const int index = static_cast<int>(DocumentList.size()) - 1;
    DocumentList[index].control = control;
    currentIndex = index;
    LoadEditorSettings(control);
    host.EditorCreated(control);
    tabs::Insert(index, L"Untitled");

    if (!path.empty()) {
        // Taken before reading: a change while it is read shows as a change afterwards.
        const FileStamp stamp = StampOf(path);
        const LRESULT loaded = editor::Send(control, corvex::LoadFileWide, 0, reinterpret_cast<LPARAM>(path.c_str()));
        if (loaded == corvex::LoadDone) {
            DocumentList[index].path = path;
            DocumentList[index].stamp = stamp;
            tabs::SetCaption(index, FileNameOf(path));
            SelectLanguageForPath();
        } else if (loaded == corvex::LoadTooLarge) {
            ui::Message(host.Frame(), DoesNotFitText(path, stamp.size), MB_OK | MB_ICONINFORMATION);
        } else {
            ui::Message(host.Frame(), L"Error, cannot open the file\n" + path, MB_OK | MB_ICONINFORMATION);
        }
    }

    SendMessageW(host.TabStrip(), TCM_SETCURFOCUS, index, 0);
    if (DocumentList.size() == 1) {
        host.LayOutParts();
        ShowWindow(control, SW_SHOW);
        SetFocus(control);
        BringWindowToTop(host.Frame());
        UpdateWindow(control);
        status::UpdateAll();
    }
}

void CloseDocument()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    const int index = currentIndex;
    SendMessageW(docs::Host().TabStrip(), TCM_DELETEITEM, index, 0);
    // The control first: destroying it ends a backup write still under way.
    const HWND control = active->control;
    DestroyWindow(control);
    backups::Forget(control);
    DocumentList.erase(DocumentList.begin() + index);
    if (!DocumentList.empty()) {
        currentIndex = -1;
        ActivateDocument(0);
    } else {
        currentIndex = -1;
        status::Reset();
        // The focus went with the control: the main window takes it, so that the keys
        // still reach the program.
        HWND frame = docs::Host().Frame();
        if (frame && GetActiveWindow() == frame && !GetFocus())
            SetFocus(frame);
    }
}
