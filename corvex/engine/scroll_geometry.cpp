#include "corvex/engine/scroll_geometry.h"

#include <algorithm>

namespace corvex {
namespace {

int ArrowLength(const BarMetrics& metrics) { return std::max(0, std::min(metrics.arrow, metrics.length / 2)); }

BarSpan Track(const BarMetrics& metrics)
{
    const int arrow = ArrowLength(metrics);
    return BarSpan{arrow, std::max(arrow, metrics.length - arrow)};
}

BarSpan Thumb(const BarMetrics& metrics, const ScrollRange& range)
{
    const BarSpan track = Track(metrics);
    const int trackLength = track.end - track.start;
    if (!Scrollable(range) || trackLength < metrics.minThumb)
        return BarSpan{track.start, track.start};
    const long long positions = range.max + 1;
    const int length = static_cast<int>(
        std::clamp<long long>(trackLength * std::max(1LL, range.page) / positions, metrics.minThumb, trackLength));
    const long long last = LastPosition(range);
    const long long pos = std::clamp<long long>(range.pos, 0, last);
    const int start = track.start + static_cast<int>(last > 0 ? (trackLength - length) * pos / last : 0);
    return BarSpan{start, start + length};
}

} // namespace

bool Scrollable(const ScrollRange& range) { return range.max >= 0 && range.page > 0 && range.max + 1 > range.page; }

long long LastPosition(const ScrollRange& range)
{
    return std::max(0LL, range.max - std::max(1LL, range.page) + 1);
}

BarSpan PartSpan(const BarMetrics& metrics, const ScrollRange& range, BarPart part)
{
    const int arrow = ArrowLength(metrics);
    const BarSpan track = Track(metrics);
    const BarSpan thumb = Thumb(metrics, range);
    switch (part) {
    case BarPart::ArrowBack: return BarSpan{0, arrow};
    case BarPart::ArrowForward: return BarSpan{metrics.length - arrow, metrics.length};
    case BarPart::Thumb: return thumb;
    case BarPart::PageBack: return thumb.empty() ? track : BarSpan{track.start, thumb.start};
    case BarPart::PageForward: return thumb.empty() ? BarSpan{track.end, track.end} : BarSpan{thumb.end, track.end};
    case BarPart::None: break;
    }
    return BarSpan{};
}

BarPart PartAt(const BarMetrics& metrics, const ScrollRange& range, int along)
{
    if (along < 0 || along >= metrics.length)
        return BarPart::None;
    for (BarPart part : {BarPart::ArrowBack, BarPart::ArrowForward, BarPart::Thumb, BarPart::PageBack,
                         BarPart::PageForward}) {
        const BarSpan span = PartSpan(metrics, range, part);
        if (along >= span.start && along < span.end)
            return part;
    }
    return BarPart::None;
}

long long PositionForThumb(const BarMetrics& metrics, const ScrollRange& range, int thumbStart)
{
    const BarSpan track = Track(metrics);
    const BarSpan thumb = Thumb(metrics, range);
    const long long room = (track.end - track.start) - (thumb.end - thumb.start);
    const long long last = LastPosition(range);
    if (thumb.empty() || room <= 0)
        return std::clamp<long long>(range.pos, 0, last);
    const long long along = std::clamp<long long>(thumbStart - track.start, 0, room);
    return (along * last + room / 2) / room; // the nearest position
}

} // namespace corvex
