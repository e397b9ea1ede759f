// Moving the caret by lines, and the gap of the text following the caret after a far
// jump once the user is idle.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

void Editor::OnGapTimer()
{
    KillTimer(window_, kGapTimer);
    session_.document().prepareEditAt(session_.selection().caret);
}

void Editor::MoveVertically(long lines, bool extend)
{
    if (Wrapping()) {
        MoveByRows(lines, extend);
        return;
    }
    const long long last = static_cast<long long>(Text().lineCount()) - 1;
    const long long line = std::clamp<long long>(static_cast<long long>(CaretLine()) + lines, 0, last);
    const std::size_t offset =
        offsetOfColumn(Text(), static_cast<std::size_t>(line), session_.preferredColumn(), options_.tabWidth(), Utf8());
    session_.moveCaret(offset, extend, true);
}

} // namespace corvex
