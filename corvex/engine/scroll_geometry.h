// The parts of a scroll bar along its length: an arrow button at each end, the track
// between them, and in the track the thumb, as long as the share of the range in view
// and placed as the position is along the range. Positions run from 0 to `max`; `page`
// of them are in view at once, so the last position the view can start at is
// max - page + 1, as with the system's scroll bars.
#pragma once

namespace corvex {

struct ScrollRange {
    long long max = 0;
    long long page = 1;
    long long pos = 0;
    bool operator==(const ScrollRange& other) const
    {
        return max == other.max && page == other.page && pos == other.pos;
    }
};

// Pixels along the bar: its length, the length of each arrow button (squeezed when the
// bar is shorter than two of them) and the shortest thumb.
struct BarMetrics {
    int length = 0;
    int arrow = 0;
    int minThumb = 8;
};

enum class BarPart { None, ArrowBack, PageBack, Thumb, PageForward, ArrowForward };

// A stretch of the bar, [start, end) in pixels from its beginning.
struct BarSpan {
    int start = 0, end = 0;
    bool empty() const { return end <= start; }
};

// There is something to scroll: more positions than fit in view.
bool Scrollable(const ScrollRange& range);
// The highest position the view can start at.
long long LastPosition(const ScrollRange& range);
// The span of a part; the thumb's is empty when nothing scrolls or the track is too
// short to hold one, and then the track is one stretch (PageBack) with no PageForward.
BarSpan PartSpan(const BarMetrics& metrics, const ScrollRange& range, BarPart part);
BarPart PartAt(const BarMetrics& metrics, const ScrollRange& range, int along);
// The position that puts the thumb's start at `thumbStart` pixels (clamped to the range).
long long PositionForThumb(const BarMetrics& metrics, const ScrollRange& range, int thumbStart);

} // namespace corvex
