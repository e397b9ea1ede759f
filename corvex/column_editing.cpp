// Alt+Shift with the arrow and page keys makes a column (rectangular) selection from the
// keyboard; what typing does to it is the edit session's.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

bool Editor::ExtendColumnByKey(UINT key)
{
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN && key != VK_PRIOR && key != VK_NEXT)
        return false;
    if (!session_.columnMode())
        session_.startColumnBlock(CaretLine(), CaretColumn());
    const long long lines = static_cast<long long>(Text().lineCount());
    const long long page = static_cast<long long>(std::max<std::size_t>(1, VisibleLines()));
    long long line = static_cast<long long>(session_.blockCaretLine());
    long long column = static_cast<long long>(session_.blockCaretColumn());
    switch (key) {
    case VK_LEFT: column -= 1; break;
    case VK_RIGHT: column += 1; break;
    case VK_UP: line -= 1; break;
    case VK_DOWN: line += 1; break;
    case VK_PRIOR: line -= page; break;
    default: line += page; break;
    }
    session_.extendColumnBlock(static_cast<std::size_t>(std::clamp<long long>(line, 0, lines - 1)),
                      static_cast<std::size_t>(std::max<long long>(column, 0)));
    return true;
}

} // namespace corvex
