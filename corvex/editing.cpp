// Text typed or given to the control in UTF-16, in the document's own form: UTF-8, or
// the ANSI bytes of a file the code page describes. The rules of what typing does live in
// the edit session (engine/edit_session.h).
#include "corvex/editor.h"
#include "corvex/dialogs/wide_text.h"

namespace corvex {

void Editor::TypeCharacter(wchar_t unit)
{
    std::wstring units;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        pendingSurrogate_ = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (!pendingSurrogate_)
            return;
        units = {pendingSurrogate_, unit};
    } else {
        units = {unit};
    }
    pendingSurrogate_ = 0;
    const std::string text = DocumentText(units);
    if (!text.empty())
        session_.typeText(text);
}

std::string Editor::DocumentText(const std::wstring& text) const
{
    if (Utf8())
        return Utf8FromWide(text);
    // Text held as the file's own bytes (a file the code page cannot describe): a
    // character the code page has no byte for is refused, never replaced by a look-alike
    // or a question mark.
    std::optional<std::string> bytes = AnsiFromWide(text);
    if (!bytes) {
        MessageBeep(MB_ICONWARNING);
        return {};
    }
    return *bytes;
}

std::wstring Editor::DisplayText(std::string_view text) const
{
    return Utf8() ? WideFromUtf8(text) : WideFromAnsi(text);
}

std::optional<std::string> Editor::DocumentTextOfUtf8(std::string_view utf8) const
{
    if (Utf8())
        return std::string(utf8);
    return AnsiFromWide(WideFromUtf8(utf8));
}

} // namespace corvex
