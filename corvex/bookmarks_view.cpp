// Bookmark commands: toggle on the caret's line, go to the previous or next one (both
// wrap around the document), clear all. The marks are painted in the left margin.
#include "corvex/editor.h"

namespace corvex {

void Editor::RunBookmarkCommand(int code)
{
    const std::size_t line = CaretLine();
    std::optional<std::size_t> target;
    switch (code) {
    case CmdToggleBookmark:
        session_.bookmarks().toggle(line);
        InvalidateLines(line, line);
        return;
    case CmdClearBookmarks:
        session_.bookmarks().clear();
        InvalidateRect(window_, nullptr, FALSE);
        return;
    case CmdPreviousBookmark:
        target = session_.bookmarks().previous(line);
        break;
    default:
        target = session_.bookmarks().next(line);
        break;
    }
    if (target)
        session_.moveCaret(Text().lineStart(*target), false);
}

} // namespace corvex
