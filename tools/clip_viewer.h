// ClipViewer: the clipboard history. From its creation at start-up its popup sits in the
// clipboard-viewer chain and keeps every text that reaches the clipboard, newest first;
// the drop-down shows them and pastes one into the active document.
#pragma once

#include "tools/popup_list.h"

#include <string>
#include <vector>

namespace tools {

class ClipViewer : public PopupList {
public:
    ClipViewer();

    // Whether creation joins the clipboard-viewer chain (on unless turned off before). A
    // viewer hands every change on with SendMessage, so a window in the chain whose thread
    // does not take messages holds up the viewers before it: a test that runs the program
    // inside its own, rarely pumping, process stays out.
    static void JoinChainAtCreation(bool join);

    const std::vector<std::wstring>& History() const { return history_; }
    // Replaces the selection of an editor control with the chosen entry.
    void PasteChosen(HWND control);
    void DeleteChosen();
    void DeleteAll();

protected:
    int EntryCount() const override { return static_cast<int>(history_.size()); }
    void EraseEntry(int index) override;
    void EraseAll() override { history_.clear(); }
    void DrawEntry(HDC dc, int index, const RECT& row, const RECT& inner, bool hot) override;
    void DrawEmptyMessage(HDC dc, const RECT& client) override;
    void Created() override;
    bool OnPopupMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Destroying() override;

private:
    void Capture();

    std::vector<std::wstring> history_;  // index 0 the newest
    HWND nextViewer_ = nullptr;
    bool inChain_ = false;
};

} // namespace tools
