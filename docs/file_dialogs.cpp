#include "docs/file_dialogs.h"

#include "platform/app_state.h"
#include "platform/ui_seam.h"

#include <commdlg.h>
#include <cstddef>

namespace {

struct FileFilter {
    const char* shown;
    const char* pattern;
};

const FileFilter kFilters[] = {
    {"All files (*.*)", "*.*"},
    {"Text files (*.txt,*.asc,*.csv,*.tab)", "*.txt;*.asc;*.csv;*.tab"},
    {"ASP files (*.asp)", "*.asp"},
    {"C/C++ files (*.cpp,*.c,*.h,*.hpp)", "*.cpp;*.c;*.h;*.hpp"},
    {"Java files (*.java)", "*.java"},
    {"Web files (*.htm,*.html,*.htx,*.asp,*.alx,*.stm,*.shtml)", "*.htm;*.html;*.htx;*.asp;*.alx;*.stm;*.shtml"},
    {"XML files (*.xml)", "*.xml"},
    {"Basic files (*.bas,*.inc,*.frm,*.cls)", "*.bas;*.inc;*.frm;*.cls"},
    {"Pascal files (*.pas)", "*.pas"},
    {"SQL files (*.sql,*.ddl)", "*.sql;*.ddl"},
    {"ColdFusion files (*.cfn)", "*.cfn"},
    {"PHP files (*.php,*.php3,*.php4)", "*.php;*.php3;*.php4"},
};

// The record layout without the later extension fields (OPENFILENAME_SIZE_VERSION_400A).
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kRecordSize == 76, "the 76-byte dialog record");

std::string RunDialog(bool save, HWND owner, const char* defaultExtension, DWORD flags)
{
    AppState& app = App();
    std::string& folder = save ? app.saveDir : app.openDir;
    int& filter = save ? app.saveFilter : app.openFilter;

    char file[MAX_PATH] = {};
    const std::string initialFolder = folder;
    OPENFILENAMEA request = {};
    request.lStructSize = kRecordSize;
    request.hwndOwner = owner;
    request.hInstance = app.instance;
    request.lpstrFilter = FileFilterList().c_str();
    request.nFilterIndex = static_cast<DWORD>(filter);
    request.lpstrFile = file;
    request.nMaxFile = sizeof file;
    request.lpstrInitialDir = initialFolder.c_str();
    request.Flags = flags;
    request.lpstrDefExt = defaultExtension;
    if (save)
        ui::SaveFileDialog(request);
    else
        ui::OpenFileDialog(request);

    // The buffer decides, not the dialog's answer: empty means cancelled.
    file[sizeof file - 1] = '\0';
    const std::string chosen = file;
    if (!chosen.empty()) {
        filter = static_cast<int>(request.nFilterIndex);
        const std::size_t slash = chosen.find_last_of('\\');
        if (slash != std::string::npos)
            folder = chosen.substr(0, slash);
    }
    return chosen;
}

} // namespace

const std::string& FileFilterList()
{
    static const std::string list = [] {
        std::string text;
        for (const FileFilter& filter : kFilters) {
            text += filter.shown;
            text += '\0';
            text += filter.pattern;
            text += '\0';
        }
        return text;  // c_str() adds the closing second NUL
    }();
    return list;
}

std::string ShowOpenDialog(HWND owner, const char* defaultExtension, DWORD flags)
{
    return RunDialog(false, owner, defaultExtension, flags);
}

std::string ShowSaveDialog(HWND owner, const char* defaultExtension, DWORD flags)
{
    return RunDialog(true, owner, defaultExtension, flags);
}
