#include "corvex/engine/bookmarks.h"

#include <algorithm>

namespace corvex {

void Bookmarks::toggle(std::size_t line)
{
    const auto at = std::lower_bound(lines_.begin(), lines_.end(), line);
    if (at != lines_.end() && *at == line)
        lines_.erase(at);
    else
        lines_.insert(at, line);
}

bool Bookmarks::has(std::size_t line) const { return std::binary_search(lines_.begin(), lines_.end(), line); }

std::optional<std::size_t> Bookmarks::next(std::size_t line) const
{
    if (lines_.empty())
        return std::nullopt;
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), line);
    return after != lines_.end() ? *after : lines_.front();
}

std::optional<std::size_t> Bookmarks::previous(std::size_t line) const
{
    if (lines_.empty())
        return std::nullopt;
    const auto at = std::lower_bound(lines_.begin(), lines_.end(), line);
    return at != lines_.begin() ? *(at - 1) : lines_.back();
}

void Bookmarks::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    if (oldCount == newCount || lines_.empty())
        return;
    const std::size_t oldEnd = first + oldCount;
    std::size_t kept = 0; // the mapping keeps the order, so only neighbours can collide
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        std::size_t line = lines_[k];
        if (line >= oldEnd)
            line = line - oldCount + newCount;
        else if (line > first && line >= first + newCount)
            line = first; // its line is gone: it stays at the edit
        if (kept > 0 && lines_[kept - 1] >= line)
            continue;
        lines_[kept++] = line;
    }
    lines_.resize(kept);
}

} // namespace corvex
