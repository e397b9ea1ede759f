#include "fake_control.h"

#include <cstring>

namespace {

constexpr const char* kControlClass = "CorvexDialogsFakeControl";
constexpr const char* kParentClass = "CorvexDialogsFakeParent";

void RegisterClasses(WNDPROC control, WNDPROC parent)
{
    static const bool done = [&] {
        WNDCLASSA wc{};
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpfnWndProc = control;
        wc.lpszClassName = kControlClass;
        RegisterClassA(&wc);
        wc.lpfnWndProc = parent;
        wc.lpszClassName = kParentClass;
        RegisterClassA(&wc);
        return true;
    }();
    (void)done;
}

template <typename Block>
void CopyBlock(Block& block, LPARAM from) { std::memcpy(block.data(), reinterpret_cast<const void*>(from), block.size()); }
template <typename Block>
void CopyOut(const Block& block, LPARAM to) { std::memcpy(reinterpret_cast<void*>(to), block.data(), block.size()); }

} // namespace

const std::vector<std::pair<UINT, UINT>>& FakeControl::OptionPairs()
{
    using namespace corvex;
    static const std::vector<std::pair<UINT, UINT>> pairs = {
        {SetColourSyntax, GetColourSyntax}, {SetScrollBar, GetScrollBar}, {SetSplitter, GetSplitter},
        {SetWholeWord, GetWholeWord}, {SetAutoIndent, GetAutoIndent}, {SetSmoothScroll, GetSmoothScroll},
        {SetLineTooltips, GetLineTooltips}, {SetLineHighlight, GetLineHighlight},
        {SetLeftMargin, GetLeftMargin}, {SetColumnSelect, GetColumnSelect}, {SetDragDrop, GetDragDrop},
        {SetCaseSensitive, GetCaseSensitive}, {SetPreserveCase, GetPreserveCase},
        {SetTabExpand, GetTabExpand}, {SetTabSize, GetTabSize}, {SetNormalizeCase, GetNormalizeCase},
        {SetSelBounds, GetSelBounds},
    };
    return pairs;
}

bool FakeControl::HasSelector(UINT setMessage)
{
    return setMessage == corvex::SetScrollBar || setMessage == corvex::SetSplitter;
}

FakeControl::FakeControl()
{
    RegisterClasses(ControlProc, ParentProc);
    parent_ = CreateWindowExA(0, kParentClass, "Fake parent", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    control_ = CreateWindowExA(0, kControlClass, "", WS_CHILD, 0, 0, 0, 0, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), GetModuleHandleA(nullptr), this);
}

FakeControl::~FakeControl()
{
    DestroyWindow(parent_);
}

int FakeControl::option(UINT setMessage, int selector) const
{
    auto found = options_.find({setMessage, HasSelector(setMessage) ? selector : 0});
    return found == options_.end() ? 0 : found->second;
}

void FakeControl::setOption(UINT setMessage, int value, int selector)
{
    options_[{setMessage, HasSelector(setMessage) ? selector : 0}] = value;
}

bool FakeControl::answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    using namespace corvex;
    result = 0;
    for (const auto& [set, get] : OptionPairs()) {
        const bool selector = HasSelector(set);
        if (message == set) {
            sets.push_back(message);
            if (selector)
                setOption(set, static_cast<int>(lParam), static_cast<int>(wParam));
            else
                setOption(set, static_cast<int>(wParam));
            return true;
        }
        if (message == get) {
            result = option(set, selector ? static_cast<int>(wParam) : 0);
            return true;
        }
    }
    switch (message) {
    case SetColours: sets.push_back(message); CopyBlock(colours, lParam); return true;
    case GetColours: CopyOut(colours, lParam); return true;
    case SetFontStyles: sets.push_back(message); CopyBlock(fontStyles, lParam); return true;
    case GetFontStyles: CopyOut(fontStyles, lParam); return true;
    case SetLineNumbering: sets.push_back(message); CopyBlock(lineNumbering, lParam); return true;
    case GetLineNumbering: CopyOut(lineNumbering, lParam); return true;
    case WM_SETFONT: sets.push_back(message); font = reinterpret_cast<HFONT>(wParam); return true;
    case WM_GETFONT: result = reinterpret_cast<LRESULT>(font); return true;
    }
    return false;
}

LRESULT CALLBACK FakeControl::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<FakeControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (self && self->answer(message, wParam, lParam, result))
        return result;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FakeControl::ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<FakeControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == self->control_) {
            self->notifications.push_back(header->code);
            self->notifyingIds.push_back(header->idFrom);
        }
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
