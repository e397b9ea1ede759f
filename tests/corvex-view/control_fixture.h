// A parent window of the test's own holding one Corvex control, recording the
// notifications the control sends it.
#pragma once

#include "corvex/include/corvex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(control, message, wParam, lParam);
    }
    // The document's bytes.
    std::string Text() const;
    // Sends the UTF-8 characters as WM_CHAR messages.
    void Type(const std::string& characters) const;
    // A key press with the given modifiers held (VK_CONTROL, VK_SHIFT, VK_MENU).
    void Press(UINT key, std::vector<int> modifiers = {}) const;
    void Select(std::size_t anchor, std::size_t caret) const { Send(corvex::SelectRange, anchor, caret); }
    void Load(const std::string& path) const;
    int Count(UINT code) const;
    // The x of the first text column: the first x (below `widest`) whose click puts the
    // caret after the first character; -1 when none does.
    int FirstColumnX(int widest = 400) const;

    HWND parent = nullptr;
    HWND control = nullptr;
    static std::vector<UINT> notifications;
    static std::vector<WORD> keyCommands;
};

// A scratch folder under the temporary folder, removed with its files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// The colour of a pixel of the window after its pending paint.
COLORREF PaintedPixel(HWND window, int x, int y);
// Sets or clears modifiers in the thread's keyboard state.
void HoldKeys(const std::vector<int>& keys, bool down);
