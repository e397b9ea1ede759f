// Linked into a test program that runs the application in-process: for the whole run
// the editor settings live in a key of this process's own, removed at the end, so the
// tests neither read nor change the real HKLM\Software\Brightmoor\Quillet\Editor Settings
// and never see one another's values.
#include "docs/editor_settings.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class OwnSettingsKey : public ::testing::Environment {
public:
    void SetUp() override
    {
        product_ = e2e::NewSettingsProduct();
        SetEditorSettingsKey({e2e::kTestSettingsMaker, product_, "Editor Settings"});
    }
    void TearDown() override
    {
        SetEditorSettingsKey({"Brightmoor", "Quillet", "Editor Settings"});
        e2e::DeleteSettingsProduct(product_);
    }

private:
    std::string product_;
};

[[maybe_unused]] ::testing::Environment* const g_ownSettingsKey =
    ::testing::AddGlobalTestEnvironment(new OwnSettingsKey);

} // namespace
