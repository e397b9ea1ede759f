// Driving the dialogs from a test: acting on a modal dialog once it is up (from a thread
// timer, which its modal loop dispatches), finding controls by identifier, clicking, and
// answering the message boxes, colour and font pickers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs `action` with the dialog titled `title` as soon as it is shown by the caller's next
// modal call.
void WhenDialogShows(const std::string& title, std::function<void(HWND dialog)> action);

// Opens the settings dialog of `control`, runs `action` in it once it shows, then presses
// `button`; true when the dialog closed with OK.
bool RunSettingsDialog(HWND control, std::function<void(HWND dialog)> action, int button);

// The control with `id` anywhere under `window` (pages included).
HWND Find(HWND window, int id);
bool IsChecked(HWND window, int id);
// Flips a check box (or checks a radio button) and tells its parent, as a click does.
void Click(HWND window, int id);
void Press(HWND dialog, int buttonId);
void SetText(HWND window, int id, const std::string& text);
std::string Text(HWND window, int id);

struct ShownMessage {
    std::string text;
    std::string caption;
};
// Message boxes are recorded instead of shown while one of these lives; each is answered
// with `answer` (IDOK, IDYES, IDNO, ...).
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK);
    ~MessageRecorder();
    const std::vector<ShownMessage>& shown() const;
};
