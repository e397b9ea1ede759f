#include "docs/file_dialogs.h"

#include "platform/app_state.h"
#include "platform/ui_seam.h"

#include <commdlg.h>
#include <cstddef>

namespace {

struct FileFilter {
    const wchar_t* shown;
    const wchar_t* pattern;
};

const FileFilter kFilters[] = {
    {L"All files (*.*)", L"*.*"},
    {L"Text files (*.txt,*.asc,*.csv,*.tab)", L"*.txt;*.asc;*.csv;*.tab"},
    {L"ASP files (*.asp)", L"*.asp"},
    {L"C/C++ files (*.cpp,*.c,*.h,*.hpp)", L"*.cpp;*.c;*.h;*.hpp"},
    {L"Java files (*.java)", L"*.java"},
    {L"Web files (*.htm,*.html,*.htx,*.asp,*.alx,*.stm,*.shtml)", L"*.htm;*.html;*.htx;*.asp;*.alx;*.stm;*.shtml"},
    {L"XML files (*.xml)", L"*.xml"},
    {L"Basic files (*.bas,*.inc,*.frm,*.cls)", L"*.bas;*.inc;*.frm;*.cls"},
    {L"Pascal files (*.pas)", L"*.pas"},
    {L"SQL files (*.sql,*.ddl)", L"*.sql;*.ddl"},
    {L"ColdFusion files (*.cfn)", L"*.cfn"},
    {L"PHP files (*.php,*.php3,*.php4)", L"*.php;*.php3;*.php4"},
};

// The record layout without the later extension fields (OPENFILENAME_SIZE_VERSION_400A).
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(sizeof(void*) != 4 || kRecordSize == 76, "the 76-byte dialog record");

std::wstring RunDialog(bool save, HWND owner, const wchar_t* defaultExtension, DWORD flags)
{
    AppState& app = App();
    std::wstring& folder = save ? app.saveDir : app.openDir;
    int& filter = save ? app.saveFilter : app.openFilter;

    wchar_t file[MAX_PATH] = {};
    const std::wstring initialFolder = folder;
    OPENFILENAMEW request = {};
    request.lStructSize = kRecordSize;
    request.hwndOwner = owner;
    request.hInstance = app.instance;
    request.lpstrFilter = FileFilterList().c_str();
    request.nFilterIndex = static_cast<DWORD>(filter);
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = initialFolder.c_str();
    request.Flags = flags;
    request.lpstrDefExt = defaultExtension;
    const bool chose = save ? ui::SaveFileDialog(request) : ui::OpenFileDialog(request);
    // Cancelled, or refused: a name too long for the buffer leaves the length it needs in
    // the buffer's first characters, which are no path.
    if (!chose)
        return std::wstring();
    file[MAX_PATH - 1] = L'\0';
    const std::wstring chosen = file;
    if (!chosen.empty()) {
        filter = static_cast<int>(request.nFilterIndex);
        const std::size_t slash = chosen.find_last_of(L'\\');
        if (slash != std::wstring::npos)
            folder = chosen.substr(0, slash);
    }
    return chosen;
}

} // namespace

const std::wstring& FileFilterList()
{
    static const std::wstring list = [] {
        std::wstring text;
        for (const FileFilter& filter : kFilters) {
            text += filter.shown;
            text += L'\0';
            text += filter.pattern;
            text += L'\0';
        }
        return text;  // c_str() adds the closing second NUL
    }();
    return list;
}

std::wstring ShowOpenDialog(HWND owner, const wchar_t* defaultExtension, DWORD flags)
{
    return RunDialog(false, owner, defaultExtension, flags);
}

std::wstring ShowSaveDialog(HWND owner, const wchar_t* defaultExtension, DWORD flags)
{
    return RunDialog(true, owner, defaultExtension, flags);
}
