#include "tests/docs/docs_fixture.h"
#include "platform/ansi_text.h"

#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_settings.h"
#include "docs/tab_strip.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace testing_support {
namespace {
const registry::KeyPath kRealKey = {"Brightmoor", "Quillet", "Editor Settings"};
constexpr const char* kTestMaker = "Brightmoor Tests";
}

ScopedSettingsKey::ScopedSettingsKey() : product_("Quillet-" + std::to_string(GetCurrentProcessId()))
{
    SetEditorSettingsKey({kTestMaker, product_, "Editor Settings"});
}

ScopedSettingsKey::~ScopedSettingsKey()
{
    SetEditorSettingsKey(kRealKey);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string("Software\\") + kTestMaker + "\\" + product_).c_str());
}

std::string ScopedSettingsKey::SectionPath() const
{
    return std::string("Software\\") + kTestMaker + "\\" + product_ + "\\Editor Settings";
}

std::string DocsTest::MakeFile(const std::string& name, const std::string& text)
{
    const std::string path = app.Folder() + name;
    harness::WriteFile(path, text);
    return path;
}

void DocsTest::Type(int index, const std::string& text)
{
    for (char c : text)
        SendMessageA(DocumentList[index].control, WM_CHAR, static_cast<unsigned char>(c), 1);
    harness::InProcessApp::Pump();
}

bool DocsTest::Modified(int index) const
{
    return SendMessageA(DocumentList[index].control, corvex::IsModified, 0, 0) != 0;
}

std::vector<std::string> DocsTest::Captions() const
{
    std::vector<std::string> captions;
    const int count = static_cast<int>(SendMessageA(Main().Tabs(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        captions.push_back(NarrowToAnsi(tabs::Caption(i)));
    return captions;
}

std::string DocsTest::StatusText(int field) const
{
    char text[256] = {};
    if (LOWORD(SendMessageA(Main().StatusBar(), SB_GETTEXTLENGTHA, field, 0)) < sizeof text)
        SendMessageA(Main().StatusBar(), SB_GETTEXTA, field, reinterpret_cast<LPARAM>(text));
    return text;
}

int DocsTest::SelectedTab() const { return static_cast<int>(SendMessageA(Main().Tabs(), TCM_GETCURSEL, 0, 0)); }

void DocsTest::CloseNextMenu() const { PostMessageA(Main().Frame(), WM_CANCELMODE, 0, 0); }

} // namespace testing_support
