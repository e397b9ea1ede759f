#include "docs/document_saving.h"

#include "app/main_window.h"
#include "app/ui_seam.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/file_dialogs.h"
#include "docs/tab_strip.h"

#include <commdlg.h>

namespace {

constexpr DWORD kSaveFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
constexpr const char* kDefaultExtension = "txt";

bool IsModified(const Document& document)
{
    return editor::Send(document.control, corvex::IsModified) != 0;
}

// Asks for a path when the active document has none; false when it still has none.
bool EnsurePath(Document& document)
{
    if (document.path.empty())
        document.path = ShowSaveDialog(Main().frame, kDefaultExtension, kSaveFlags);
    return !document.path.empty();
}

} // namespace

bool WriteDocument()
{
    Document* active = ActiveDocument();
    if (!active)
        return false;
    if (editor::Send(active->control, corvex::SaveFile, 0, reinterpret_cast<LPARAM>(active->path.c_str())) != 1) {
        ui::Message(Main().frame, "Error, cannot save file", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    editor::Send(active->control, corvex::ClearModified);
    tabs::SetCaption(currentIndex, FileNameOf(active->path));
    return true;
}

void SaveDocument()
{
    Document* active = ActiveDocument();
    if (!active || !IsModified(*active) || !EnsurePath(*active))
        return;
    WriteDocument();
}

void SaveDocumentAs()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    const std::string path = ShowSaveDialog(Main().frame, kDefaultExtension, kSaveFlags);
    if (path.empty())
        return;
    active->path = path;
    WriteDocument();
}

bool AskToSaveActive()
{
    Document* active = ActiveDocument();
    if (!active)
        return false;
    if (!IsModified(*active))
        return true;
    std::string caption = tabs::Caption(currentIndex);
    caption.erase(caption.find_last_not_of('*') + 1);
    switch (ui::Message(Main().frame, "Save changes to " + caption + " ?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDNO:
        return true;
    case IDYES:
        // A save that does not happen keeps the document and its changes.
        return EnsurePath(*active) && WriteDocument();
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
