// A page of the settings dialog: a child dialog over the tab control's display area that
// shows a part of the settings and puts the user's changes back.
#pragma once

#include "corvex/dialogs/control_settings.h"
#include "corvex/dialogs/dialog_window.h"

namespace corvex::dialogs {

class SettingsPage : public DialogWindow {
public:
    virtual const char* name() const = 0;
    HWND createIn(HWND dialog) { return create(buildTemplate(), dialog); }
    virtual void load(const ControlSettings& settings) = 0;
    virtual void store(ControlSettings& settings) const = 0;

    static constexpr short kWidth = 290, kHeight = 156, kMargin = 7, kColumnGap = 8;
    // The pages lay their groups out in two columns.
    static constexpr short kColumnWidth = (kWidth - 2 * kMargin - kColumnGap) / 2;
    static constexpr short kLeftColumn = kMargin, kRightColumn = kMargin + kColumnWidth + kColumnGap;
    static constexpr short kFullWidth = kWidth - 2 * kMargin;

protected:
    virtual DialogTemplate buildTemplate() const = 0;
    static DialogTemplate PageTemplate() { return DialogTemplate("", WS_CHILD | DS_CONTROL, kWidth, kHeight); }
    INT_PTR handle(UINT, WPARAM, LPARAM) override { return FALSE; }
};

} // namespace corvex::dialogs
