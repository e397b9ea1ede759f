// Subclasses a window to record the messages sent to it, and optionally to answer
// some of them in place of the window.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedCall {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string text;  // the string at lParam, for the messages named in `textMessages`
    std::vector<unsigned char> bytes;  // the block at lParam, for the messages named in `blockSizes`
};

class MessageRecorder {
public:
    explicit MessageRecorder(HWND window);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Answers a message instead of the window: return true and set `result`.
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> answer;
    std::vector<UINT> textMessages;
    std::vector<std::pair<UINT, std::size_t>> blockSizes;

    std::vector<RecordedCall> calls;
    std::vector<RecordedCall> Of(UINT message) const;
    // Only the messages in [first, last], in order.
    std::vector<UINT> MessagesBetween(UINT first, UINT last) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    WNDPROC previous_;
};

// A bare window that stands in for an editor control: everything goes to DefWindowProc.
HWND CreateStandInWindow();

} // namespace testing_support
