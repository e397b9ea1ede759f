#include "docs/document_saving.h"

#include "docs/backups.h"
#include "docs/docs_host.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/file_dialogs.h"
#include "docs/outside_changes.h"
#include "docs/tab_strip.h"

#include <commdlg.h>

namespace {

constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
constexpr const wchar_t* kDefaultExtension = L"txt";

bool IsModified(const Document& document)
{
    return editor::Send(document.control, corvex::IsModified) != 0;
}

// The path the document is saved to: its own, or one asked for when it is untitled
// ("" when the dialog was cancelled). The document takes it only once it is written.
std::wstring PathToSave(const Document& document)
{
    if (!document.path.empty())
        return document.path;
    return ShowSaveDialog(docs::Host().Frame(), kDefaultExtension, kSaveFlags);
}

} // namespace

bool WriteDocumentTo(const std::wstring& path)
{
    Document* active = ActiveDocument();
    if (!active || path.empty())
        return false;
    if (SameNameIgnoringCase(path, active->path)) {
        const HWND control = active->control;
        if (!MayOverwriteFile(*active))
            return false;
        // The question let other messages through (a file handed over opens a tab).
        active = ActiveDocument();
        if (!active || active->control != control)
            return false;
    }
    const LRESULT encodingBefore = editor::Send(active->control, corvex::GetEncoding);
    if (editor::Send(active->control, corvex::SaveFileWide, 0, reinterpret_cast<LPARAM>(path.c_str())) != 1) {
        // The document keeps its name, path and caption: nothing was written.
        ui::Message(docs::Host().Frame(), "Error, cannot save file", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    active->path = path;
    active->stamp = StampOf(path);
    editor::Send(active->control, corvex::ClearModified);
    backups::Forget(active->control);
    tabs::SetCaption(currentIndex, FileNameOf(path));
    if (encodingBefore == corvex::EncodingAnsi &&
        editor::Send(active->control, corvex::GetEncoding) == corvex::EncodingUtf8) {
        ui::Message(docs::Host().Frame(),
                    FileNameOf(path) +
                        L" was saved as UTF-8, because it now holds characters that its ANSI encoding cannot "
                        L"represent.",
                    MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

bool WriteDocument()
{
    Document* active = ActiveDocument();
    return active && WriteDocumentTo(active->path);
}

void SaveDocument()
{
    Document* active = ActiveDocument();
    if (!active || !IsModified(*active))
        return;
    WriteDocumentTo(PathToSave(*active));
}

void SaveDocumentAs()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    const std::wstring path = ShowSaveDialog(docs::Host().Frame(), kDefaultExtension, kSaveFlags);
    if (path.empty())
        return;
    WriteDocumentTo(path);
}

bool AskToSaveActive()
{
    Document* active = ActiveDocument();
    if (!active)
        return false;
    if (!IsModified(*active))
        return true;
    std::wstring caption = tabs::Caption(currentIndex);
    caption.erase(caption.find_last_not_of(L'*') + 1);
    const HWND control = active->control;
    const int answer =
        ui::Message(docs::Host().Frame(), L"Save changes to " + caption + L" ?", MB_YESNOCANCEL | MB_ICONQUESTION);
    // The question let other messages through (a file handed over opens a tab): the
    // answer is for the document it asked about, which must still be the active one.
    active = ActiveDocument();
    if (!active || active->control != control)
        return false;
    switch (answer) {
    case IDNO:
        return true;
    case IDYES:
        // A save that does not happen keeps the document and its changes.
        return WriteDocumentTo(PathToSave(*active));
    default:
        return false;
    }
}

bool CloseWithPrompt()
{
    if (!ActiveDocument() || !AskToSaveActive())
        return false;
    CloseDocument();
    return true;
}
