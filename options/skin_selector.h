// SkinSelector ("Quillet Skin Selector"): lists the skins under the application
// folder's Skin\ folder, shows the [Info] description of the one picked, applies it to
// the main window (on Apply Skin, or at once when "Auto apply selected skin" is
// checked) and deletes skin folders. Created on first use, then only hidden and shown;
// destroyed at exit, when it writes its position and the auto-apply choice.
#pragma once

#include "platform/dpi_relayout.h"
#include "platform/subclass.h"

#include <windows.h>
#include <string>

// Opens the selector so the user can choose a skin (also when start-up's skin failed).
void OpenSkinSelector();
// At program exit, from the main window's destruction.
void DestroySkinSelector();
bool IsSkinSelectorVisible();

namespace options {

class SkinSelector : public Subclass<SkinSelector> {
public:
    static constexpr const char* kProperty = "CWSSSubcls";

    // Creates the window when it does not exist yet, refills the list and shows it in
    // the main window's top-most band (or out of it), where it was.
    void Show();
    void Destroy();
    bool Visible() const { return handle_ && IsWindowVisible(handle_); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool Create();
    dpi::Relayout relayout_;  // and the DPI the selector is laid out at
    bool CreateControls();
    HWND AddControl(int index);
    void RefillList();
    void AddLine(const std::wstring& text);
    void OnPick();
    void Apply();
    void DeleteSelected();
    void OnClose();
    void OnDestroy();
    std::wstring SkinsFolder() const;

    HWND handle_ = nullptr;     // the selector
    HWND list_ = nullptr;       // 200
    HWND info_ = nullptr;       // 201
    HWND autoApply_ = nullptr;  // 202
    HBRUSH windowBrush_ = nullptr;
    std::wstring selected_;     // the skin picked last; empty after every refill
};

} // namespace options
