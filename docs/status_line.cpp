#include "docs/status_line.h"

#include "docs/docs_host.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/tab_strip.h"
#include "platform/ansi_text.h"
#include "skin/frame_geometry.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <cwchar>

namespace status {
namespace {

void SetSavedIcon(HICON icon, const wchar_t* text)
{
    HWND bar = docs::Host().StatusBar();
    if (reinterpret_cast<HICON>(SendMessageW(bar, SB_GETICON, 1, 0)) == icon)
        return;
    SetStatusText(1, text);
    SendMessageW(bar, SB_SETICON, 1, reinterpret_cast<LPARAM>(icon));
}

} // namespace

void SetStatusText(int field, const std::wstring& text)
{
    SendMessageW(docs::Host().StatusBar(), SB_SETTEXTW, field, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetStatusText(int field, const std::string& text) { SetStatusText(field, WidenAnsi(text)); }

void LayoutStatusFields()
{
    RECT client = {};
    GetClientRect(docs::Host().Frame(), &client);
    // The saved state, the caret and the mode fields keep their widths at the right.
    const std::array<std::int32_t, 4> parts = skin::StatusPartEdges(client.right, currentIndex >= 0, docs::Host().Dpi());
    int edges[4];
    std::copy(parts.begin(), parts.end(), edges);
    SendMessageW(docs::Host().StatusBar(), SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
}

void Reset()
{
    for (int field = 0; field < 4; ++field)
        SetStatusText(field, std::wstring());
    SendMessageW(docs::Host().StatusBar(), SB_SETICON, 1, 0);
    LayoutStatusFields();
}

void UpdateCaretField()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    int position[4] = {-1, -1, -1, -1};
    editor::Send(active->control, corvex::GetPosition, 1, reinterpret_cast<LPARAM>(position));
    wchar_t text[64] = L"";
    if (position[2] != -1 && position[3] != -1)
        std::swprintf(text, sizeof text / sizeof text[0], L"Ln %d, Col %d", position[2], position[3]);
    SetStatusText(2, std::wstring(text));
}

void UpdateModeField()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    SetStatusText(3, editor::Send(active->control, corvex::IsOverwrite) ? L"OVR" : L"INS");
}

void UpdateSavedField()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    std::wstring caption = tabs::Caption(currentIndex);
    const bool modified = editor::Send(active->control, corvex::IsModified) != 0;
    if (modified) {
        if (caption.empty() || caption.back() != L'*')
            tabs::SetCaption(currentIndex, caption + L"*");
        SetSavedIcon(docs::Host().SavedStateIcon(false), L"Unsaved");
    } else {
        if (!caption.empty() && caption.back() == L'*') {
            caption.erase(caption.find_last_not_of(L'*') + 1);
            tabs::SetCaption(currentIndex, caption);
        }
        SetSavedIcon(docs::Host().SavedStateIcon(true), L"Saved");
    }
}

} // namespace status
