#include "corvex/engine/word_wrap.h"

#include "corvex/engine/text_ops.h"

#include <algorithm>

namespace corvex {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

ColumnMark nextRowStart(const TextSource& text, ColumnMark rowStart, std::size_t lineEnd, const WrapLayout& layout)
{
    const std::size_t limit = rowStart.column + std::max<std::size_t>(layout.width, 1);
    std::size_t column = rowStart.column, p = rowStart.offset;
    ColumnMark afterBlank{0, 0};
    while (p < lineEnd) {
        const char c = text.at(p);
        const std::size_t next = c == '\t' ? p + 1 : std::min(nextCharOffset(text, p, layout.utf8), lineEnd);
        const std::size_t reached = c == '\t' ? nextTabStop(column, layout.tabSize) : column + 1;
        if (reached > limit && p > rowStart.offset) {
            if (isBlank(c)) {  // blanks at the break stay at the end of the row they follow
                while (p < lineEnd && isBlank(text.at(p))) {
                    column = text.at(p) == '\t' ? nextTabStop(column, layout.tabSize) : column + 1;
                    ++p;
                }
                return ColumnMark{p, column};
            }
            return afterBlank.offset ? afterBlank : ColumnMark{p, column};
        }
        column = reached;
        p = next;
        if (isBlank(c))
            afterBlank = ColumnMark{p, column};
    }
    return ColumnMark{lineEnd, column};
}

void WrapRows::setLayout(const WrapLayout& layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    known_.clear();
}

template <typename More>
const WrapRows::Known& WrapRows::extend(const TextSource& text, std::size_t line, More more)
{
    const std::size_t lineStart = text.lineStart(line);
    const std::size_t lineEnd = lineStart + text.lineLength(line);
    Known* known = &scratch_;
    if (lineEnd - lineStart >= kRememberedLineBytes) {
        known = &known_[lineStart];
    } else {
        scratch_.starts.clear();
        scratch_.complete = false;
    }
    if (known->starts.empty())
        known->starts.push_back(ColumnMark{lineStart, 0});
    while (!known->complete && more(*known)) {
        const ColumnMark next = nextRowStart(text, known->starts.back(), lineEnd, layout_);
        if (next.offset >= lineEnd)
            known->complete = true;
        else
            known->starts.push_back(next);
    }
    return *known;
}

WrapRows::Row WrapRows::rowOf(const TextSource& text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::size_t line = text.lineOfOffset(offset);
    const Known& known = extend(text, line, [offset](const Known& k) { return k.starts.back().offset <= offset; });
    const auto after = std::upper_bound(known.starts.begin(), known.starts.end(), offset,
                                        [](std::size_t at, const ColumnMark& mark) { return at < mark.offset; });
    return RowAt(text, line, known, static_cast<std::size_t>(after - known.starts.begin()) - 1);
}

WrapRows::Row WrapRows::row(const TextSource& text, std::size_t line, std::size_t index)
{
    line = std::min(line, text.lineCount() - 1);
    const Known& known = extend(text, line, [index](const Known& k) { return k.starts.size() <= index + 1; });
    return RowAt(text, line, known, std::min(index, known.starts.size() - 1));
}

std::size_t WrapRows::rowCount(const TextSource& text, std::size_t line)
{
    line = std::min(line, text.lineCount() - 1);
    return extend(text, line, [](const Known&) { return true; }).starts.size();
}

WrapRows::Row WrapRows::RowAt(const TextSource& text, std::size_t line, const Known& known, std::size_t index)
{
    Row row;
    row.index = index;
    row.start = known.starts[index].offset;
    row.column = known.starts[index].column;
    row.end = index + 1 < known.starts.size() ? known.starts[index + 1].offset
                                              : text.lineStart(line) + text.lineLength(line);
    return row;
}

void WrapRows::forgetFrom(std::size_t offset)
{
    // Lines after the change have moved: forgotten. The line holding it keeps its rows up
    // to the one before the changed one (a shorter word there may now fit the row above).
    auto after = known_.upper_bound(offset);
    known_.erase(after, known_.end());
    if (known_.empty())
        return;
    Known& known = std::prev(known_.end())->second;
    const auto holding = std::upper_bound(known.starts.begin(), known.starts.end(), offset,
                                          [](std::size_t at, const ColumnMark& mark) { return at < mark.offset; });
    const std::size_t keep = std::max<std::size_t>(1, static_cast<std::size_t>(holding - known.starts.begin()) - 1);
    if (keep < known.starts.size())
        known.starts.resize(keep);
    known.complete = false;
}

} // namespace corvex
