#include "corvex/session_clipboard.h"

#include "corvex/global_text.h"
#include "corvex/text_form.h"

#include <string>
#include <vector>

namespace corvex {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardPatiently(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(5);
    }
    return false;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Marks text copied from a column selection, so that pasting it makes a column again.
UINT ColumnFormat()
{
    static const UINT format = RegisterClipboardFormatW(L"Corvex Column Selection");
    return format;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

} // namespace

std::wstring SessionClipboard::TransferText() const
{
    return DisplayTextOf(WithCrLf(session_.selectedText()), encoding_);
}

bool SessionClipboard::Copy()
{
    if (!session_.hasSelection())
        return false;
    const std::wstring text = TransferText();
    HGLOBAL memory = GlobalUnicodeText(text);
    if (!memory)
        return false;
    if (!OpenClipboardPatiently(owner_)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed)
        GlobalFree(memory);
    // The ANSI form too, for programs that read only that (characters the code page
    // lacks become its default character there; the Unicode form keeps them).
    if (placed) {
        if (HGLOBAL ansi = GlobalAnsiText(text))
            if (!SetClipboardData(CF_TEXT, ansi))
                GlobalFree(ansi);
    }
    if (placed && session_.columnMode()) {
        if (HGLOBAL mark = GlobalAlloc(GMEM_MOVEABLE, 1)) {
            *static_cast<char*>(GlobalLock(mark)) = 1;
            GlobalUnlock(mark);
            if (!SetClipboardData(ColumnFormat(), mark))
                GlobalFree(mark);
        }
    }
    CloseClipboard();
    return placed;
}

bool SessionClipboard::Cut()
{
    if (!Copy())
        return false;
    session_.replaceSelection("", EditKind::Other);
    return true;
}

bool SessionClipboard::Paste()
{
    if (!OpenClipboardPatiently(owner_))
        return false;
    std::wstring text;
    bool found = false;
    const bool column = IsClipboardFormatAvailable(ColumnFormat()) != FALSE;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        found = ReadGlobalUnicodeText(data, text);
    CloseClipboard();
    if (!found)
        return false;
    const std::string bytes = DocumentTextOf(text, encoding_);
    if (bytes.empty() && !text.empty())
        return false;
    if (column || session_.columnMode())
        session_.pasteAsColumn(LinesOf(normaliseAllLineEnds(bytes)));
    else
        session_.replaceSelection(normaliseAllLineEnds(bytes), EditKind::Other);
    return true;
}

} // namespace corvex
