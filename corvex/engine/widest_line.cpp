#include "corvex/engine/widest_line.h"

#include "corvex/engine/text_ops.h"

#include <algorithm>

namespace corvex {
namespace {

// Each change of a scroll bar's range redraws the bar, which costs more than painting a
// line: the range grows in steps of this many columns.
constexpr std::size_t kWidthStep = 64;

std::size_t Rounded(std::size_t columns) { return (columns / kWidthStep + 1) * kWidthStep; }

} // namespace

bool WidestLine::note(const TextSource& text, std::size_t line, unsigned tabSize, bool utf8)
{
    const std::size_t bytes = text.lineLength(line);
    if (bytes <= columns_ && bytes * tabSize <= columns_)
        return false;  // cannot be wider than what is known
    const std::size_t width = bytes > kWalkedBytes ? bytes : lineWidth(text, line, tabSize, utf8);
    if (width <= columns_)
        return false;
    columns_ = Rounded(width);
    line_ = line;
    return true;
}

bool WidestLine::reach(std::size_t column)
{
    if (column <= columns_)
        return false;
    columns_ = Rounded(column);
    return true;
}

bool WidestLine::remeasure(const TextBuffer& text, unsigned tabSize, bool utf8)
{
    const std::size_t before = columns_;
    line_ = text.longestLine();
    columns_ = 0;
    note(text, line_, tabSize, utf8);
    columns_ = std::max(columns_, text.lineLength(line_));
    return columns_ != before;
}

bool WidestLine::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    if (line_ >= first && line_ < first + oldCount)
        return true;
    if (line_ >= first + oldCount)
        line_ = line_ - oldCount + newCount;
    return false;
}

} // namespace corvex
