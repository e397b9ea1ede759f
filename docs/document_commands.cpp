#include "docs/document_commands.h"

#include "docs/docs_host.h"
#include "corvex/include/corvex.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/file_dialogs.h"
#include "docs/status_line.h"

#include <commdlg.h>

namespace {
constexpr LPARAM kPrintRequest = 12;
}

void NewDocument() { OpenDocument(std::wstring()); }

void OpenFileCommand()
{
    const std::wstring path =
        ShowOpenDialog(docs::Host().Frame(), L"txt", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (!path.empty())
        OpenDocument(path);
}

void CloseAllDocuments()
{
    // Cancel at a prompt ends the loop and leaves the rest open.
    while (!DocumentList.empty() && CloseWithPrompt()) {
    }
}

void CloseOtherTabs()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    const HWND kept = active->control;
    while (DocumentList.size() > 1) {
        ActivateDocument(DocumentList[0].control == kept ? 1 : 0);
        if (!CloseWithPrompt())
            break;
    }
    const int index = IndexOfControl(kept);
    if (index >= 0)
        ActivateDocument(index);
}

void SaveAllDocuments()
{
    if (!ActiveDocument())
        return;
    const int remembered = currentIndex;
    for (int i = 0; i < static_cast<int>(DocumentList.size()); ++i) {
        currentIndex = i;  // the visible tab stays as it is
        SaveDocument();
    }
    currentIndex = remembered;
    status::UpdateAll();
}

void PrintDocument()
{
    if (Document* active = ActiveDocument())
        editor::Send(active->control, corvex::Print, 0, kPrintRequest);
}

bool AskToSaveModifiedDocuments()
{
    for (int i = 0; i < static_cast<int>(DocumentList.size()); ++i) {
        if (editor::Send(DocumentList[i].control, corvex::IsModified) == 0)
            continue;
        ActivateDocument(i);
        if (!AskToSaveActive())
            return false;
    }
    return true;
}

void AskAboutEveryModifiedDocument()
{
    for (int i = 0; i < static_cast<int>(DocumentList.size()); ++i) {
        if (editor::Send(DocumentList[i].control, corvex::IsModified) == 0)
            continue;
        ActivateDocument(i);
        AskToSaveActive();  // Cancel keeps nothing here: it is No for this document only
    }
}
