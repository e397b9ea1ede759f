// Cut, copy and paste of a session's selection through the system clipboard, as Unicode
// text with CRLF line ends (and its ANSI form for programs that read only that). A column
// selection is copied with a mark beside the text and pastes as a column.
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"

#include <windows.h>

#include <string>

namespace corvex {

class SessionClipboard {
public:
    // `owner` opens the clipboard; `encoding` is the document's, read at each call.
    SessionClipboard(HWND owner, EditSession& session, const Encoding& encoding)
        : owner_(owner), session_(session), encoding_(encoding) {}

    bool Copy();
    bool Cut();
    bool Paste();
    // The selection as it goes to the clipboard or another program: UTF-16, CRLF line ends.
    std::wstring TransferText() const;

private:
    HWND owner_;
    EditSession& session_;
    const Encoding& encoding_;
};

} // namespace corvex
