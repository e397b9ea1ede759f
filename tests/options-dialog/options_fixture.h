// The program started in this process with its Options dialog, driven as a user's
// clicks would: BM_CLICK on a control reports to the dialog through its page.
#pragma once

#include "options/options_dialog.h"
#include "tests/harness/in_process_app.h"

#include <gtest/gtest.h>

#include <string>

class OptionsFixture : public ::testing::Test {
protected:
    ~OptionsFixture() override
    {
        if (app.Running())
            app.Close();
    }

    // Removes keys from the staged Config.ini before the start.
    void Forget(const char* section, const char* key)
    {
        WritePrivateProfileStringA(section, key, nullptr, app.ConfigPath().c_str());
    }
    void Start() { ASSERT_TRUE(app.Start()); }

    HWND Dialog() const { return OptionsDialogWindow(); }
    HWND Control(int id) const
    {
        HWND found = GetDlgItem(Dialog(), id);
        for (int page = 200; !found && page <= 202; ++page)
            found = GetDlgItem(GetDlgItem(Dialog(), page), id);
        return found;
    }
    void Click(int id)
    {
        SendMessageA(Control(id), BM_CLICK, 0, 0);
        harness::InProcessApp::Pump();
    }
    bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool ApplyEnabled() const { return IsWindowEnabled(Control(303)) != FALSE; }
    std::string Stored(const char* section, const char* key) const { return app.Config(section, key); }

    harness::InProcessApp app;
};
