#include "docs/outside_changes.h"

#include "docs/docs_host.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "platform/ui_seam.h"

namespace {

bool g_checking = false;

int Ask(const std::wstring& question, UINT icon)
{
    return ui::Message(docs::Host().Frame(), question, MB_YESNO | icon);
}

// Reads the file again; the caret stays on its line.
void Reload(Document& document)
{
    const FileStamp now = StampOf(document.path);  // as it is read, not as it was asked about
    int position[4] = {};
    editor::Send(document.control, corvex::GetPosition, 0, reinterpret_cast<LPARAM>(position));
    const LRESULT loaded =
        editor::Send(document.control, corvex::LoadFileWide, 0, reinterpret_cast<LPARAM>(document.path.c_str()));
    if (loaded == corvex::LoadTooLarge) {
        // The control kept its text: the document stays as it was, and is asked about
        // again when the program next becomes active.
        ui::Message(docs::Host().Frame(),
                    DoesNotFitText(document.path, now.size) + L"\nThe document keeps the text it had.",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (loaded != corvex::LoadDone) {
        ui::Message(docs::Host().Frame(), L"Error, cannot open the file\n" + document.path,
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    document.stamp = now;
    editor::Send(document.control, corvex::SetCaretLine, static_cast<WPARAM>(position[2] < 0 ? 0 : position[2]));
}

// Asks about one document; false when it was closed.
bool AskAbout(HWND control)
{
    int index = IndexOfControl(control);
    if (index < 0)
        return false;
    Document* document = &DocumentList[static_cast<std::size_t>(index)];
    const FileStamp now = StampOf(document->path);
    if (document->path.empty() || document->asking || now == document->stamp)
        return true;
    const std::wstring name = FileNameOf(document->path);
    const bool modified = editor::Send(control, corvex::IsModified) != 0;
    document->asking = true;
    int answer = IDNO;
    if (!now.exists)
        answer = Ask(name + L" no longer exists. Keep it in the editor?", MB_ICONQUESTION);
    else if (modified)
        answer = Ask(name + L" was changed by another program. Reload it, and discard the changes made to it in the "
                            L"editor?",
                     MB_ICONWARNING);
    else
        answer = Ask(name + L" was changed by another program. Reload it?", MB_ICONQUESTION);
    // The question let other messages through: the document may have gone meanwhile.
    index = IndexOfControl(control);
    if (index < 0)
        return false;
    document = &DocumentList[static_cast<std::size_t>(index)];
    document->asking = false;
    if (!now.exists) {
        document->stamp = now;
        if (answer == IDYES) {
            editor::Send(control, corvex::MarkModified);
            return true;
        }
        // Closed as any document is: unsaved changes are asked about first.
        ActivateDocument(index);
        return !CloseWithPrompt();
    }
    if (answer == IDYES)
        Reload(*document);
    else
        document->stamp = now;  // asked again only when the file changes again
    return true;
}

} // namespace

void CheckFilesChangedOutside()
{
    if (g_checking)
        return;
    g_checking = true;
    std::vector<HWND> controls;
    for (const Document& document : DocumentList)
        controls.push_back(document.control);
    for (HWND control : controls)
        AskAbout(control);
    g_checking = false;
}

bool MayOverwriteFile(Document& document)
{
    const FileStamp now = StampOf(document.path);
    if (!now.exists || now == document.stamp)
        return true;
    const HWND control = document.control;
    document.asking = true;
    const int answer = Ask(FileNameOf(document.path) +
                               L" was changed by another program since it was opened. Save over those changes?",
                           MB_ICONWARNING);
    const int index = IndexOfControl(control);
    if (index >= 0)
        DocumentList[static_cast<std::size_t>(index)].asking = false;
    return answer == IDYES;
}
