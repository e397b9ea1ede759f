// The in-process main window with the editor settings in a key of this test
// process's own, and the small steps the document tests repeat.
#pragma once

#include "tests/harness/in_process_app.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testing_support {

// Points the editor settings at HKLM\Software\Brightmoor Tests\Quillet-<pid> and
// deletes that key again afterwards.
class ScopedSettingsKey {
public:
    ScopedSettingsKey();
    ~ScopedSettingsKey();
    ScopedSettingsKey(const ScopedSettingsKey&) = delete;
    ScopedSettingsKey& operator=(const ScopedSettingsKey&) = delete;
    // "Software\Brightmoor Tests\Quillet-<pid>\Editor Settings"
    std::string SectionPath() const;

private:
    std::string product_;
};

class DocsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }

    std::string MakeFile(const std::string& name, const std::string& text = "hello\r\n");
    // Types into document `index` as the keyboard would (WM_CHAR to its control).
    void Type(int index, const std::string& text);
    bool Modified(int index) const;
    std::vector<std::string> Captions() const;
    std::string StatusText(int field) const;
    int SelectedTab() const;
    // Ends the next popup menu as soon as it is tracking.
    void CloseNextMenu() const;

    ScopedSettingsKey key;  // first: it outlives the app, whose exit still writes settings
    harness::InProcessApp app;
};

} // namespace testing_support
