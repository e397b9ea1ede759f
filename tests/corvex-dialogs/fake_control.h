// A stand-in for the Corvex control: a child window that keeps whatever the option, block
// and font messages set, answers their get messages, and records every set message. Its
// parent records the notifications it receives.
#pragma once

#include "corvex/include/corvex.h"

#include <array>
#include <map>
#include <utility>
#include <vector>

class FakeControl {
public:
    static constexpr int kId = corvex::kControlId;

    FakeControl();
    ~FakeControl();

    HWND window() const { return control_; }
    HWND parent() const { return parent_; }

    // An option's value as the control holds it; `selector` for the scroll-bar and
    // splitter messages (1 horizontal, 0 vertical).
    int option(UINT setMessage, int selector = 0) const;
    void setOption(UINT setMessage, int value, int selector = 0);

    std::array<COLORREF, corvex::kColourCount> colours{};
    std::array<BYTE, corvex::kFontStylesSize> fontStyles{};
    std::array<BYTE, corvex::kLineNumberingSize> lineNumbering{};
    HFONT font = nullptr;

    // Every set message received (option, block or WM_SETFONT), in order.
    std::vector<UINT> sets;
    // Codes of the WM_NOTIFY messages the parent received from the control.
    std::vector<UINT> notifications;
    std::vector<UINT_PTR> notifyingIds;

    // The contract's pairs of set and get messages of the per-control options.
    static const std::vector<std::pair<UINT, UINT>>& OptionPairs();
    static bool HasSelector(UINT setMessage);

private:
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM);
    bool answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND parent_ = nullptr;
    HWND control_ = nullptr;
    std::map<std::pair<UINT, int>, int> options_;
};
