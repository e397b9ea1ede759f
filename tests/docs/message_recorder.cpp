#include "tests/docs/message_recorder.h"

#include <algorithm>
#include <cstring>

namespace testing_support {
namespace {
constexpr const char* kProperty = "TestMessageRecorder";
}

MessageRecorder::MessageRecorder(HWND window) : window_(window)
{
    SetPropA(window, kProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

MessageRecorder::~MessageRecorder()
{
    if (IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropA(window_, kProperty);
    }
}

LRESULT CALLBACK MessageRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<MessageRecorder*>(GetPropA(window, kProperty));
    RecordedCall call = {message, wParam, lParam, {}, {}};
    const bool wantsText =
        std::find(self->textMessages.begin(), self->textMessages.end(), message) != self->textMessages.end();
    if (wantsText && lParam)
        call.text = reinterpret_cast<const char*>(lParam);
    for (const auto& block : self->blockSizes)
        if (block.first == message && lParam) {
            const auto* bytes = reinterpret_cast<const unsigned char*>(lParam);
            call.bytes.assign(bytes, bytes + block.second);
        }
    self->calls.push_back(call);
    LRESULT result = 0;
    if (self->answer && self->answer(message, wParam, lParam, result))
        return result;
    WNDPROC previous = self->previous_;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, kProperty);
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

std::vector<RecordedCall> MessageRecorder::Of(UINT message) const
{
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : calls)
        if (call.message == message)
            found.push_back(call);
    return found;
}

std::vector<UINT> MessageRecorder::MessagesBetween(UINT first, UINT last) const
{
    std::vector<UINT> found;
    for (const RecordedCall& call : calls)
        if (call.message >= first && call.message <= last)
            found.push_back(call.message);
    return found;
}

HWND CreateStandInWindow()
{
    return CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace testing_support
