// Geometry of the skinned frame: the title-bar side, the state size of each of the eight
// frame pieces, where corners and edge tiles go for a window size, the client and
// non-client strips, and the window's tracking limits.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/skin_types.h"

namespace skin {

enum class TitleBarSide { Top, Left, Right, Bottom };

// "top", "left", "right" or "bottom" (already lower case). Any other keyword is read as
// "top", so that a mistyped skin still gets a usable frame.
TitleBarSide ParseTitleBarSide(std::string_view keyword);
const char* TitleBarKeyword(TitleBarSide side);

// The frame pieces in the order the skin keeps them.
enum class FramePiece { TopLeft, Top, TopRight, Left, Right, BottomLeft, Bottom, BottomRight };
constexpr int kFramePieceCount = 8;
constexpr std::array<FramePiece, kFramePieceCount> kAllFramePieces{
    FramePiece::TopLeft,    FramePiece::Top,    FramePiece::TopRight,   FramePiece::Left,
    FramePiece::Right,      FramePiece::BottomLeft, FramePiece::Bottom, FramePiece::BottomRight};

inline int PieceIndex(FramePiece piece) { return static_cast<int>(piece); }

// State sizes of the eight pieces, indexed by PieceIndex.
using PieceSizes = std::array<Size, kFramePieceCount>;

// Whether the piece lies on the title-bar side and so holds an active and an inactive image.
bool PieceHasInactiveState(FramePiece piece, TitleBarSide side);

// The part of the piece's bitmap drawn at a time: half the bitmap along the direction its
// two images are laid out (stacked for a top or bottom title bar, side by side for a left
// or right one), else the whole bitmap.
Size PieceStateSize(FramePiece piece, TitleBarSide side, Size bitmap);

// Top-left corner, inside the piece's bitmap, of the image to draw: the second image when
// the window is inactive and the piece has one.
Point PieceSourceOrigin(FramePiece piece, TitleBarSide side, Size state, bool active);

// One copy of a piece's current image into the window: the destination rectangle has the
// piece's state size.
struct PlacedPiece {
    FramePiece piece = FramePiece::TopLeft;
    Rect destination;
};

// Start offsets of the tiles of an edge piece of length `tile` laid between two corners
// of lengths `first` and `second` along an edge of `edgeLength`: consecutive tiles from
// `first`, the last one flush against the second corner (overlapping its neighbour).
// A tile length of zero or less gives no tiles.
std::vector<std::int32_t> EdgeTileStarts(std::int32_t edgeLength, std::int32_t first, std::int32_t second,
                                         std::int32_t tile);

// Tiles of one edge piece (Top, Left, Right or Bottom) for the window size.
std::vector<PlacedPiece> EdgeTiles(FramePiece edge, const PieceSizes& states, Size window);
// Placement of one corner piece (TopLeft, TopRight, BottomLeft or BottomRight).
PlacedPiece CornerPlacement(FramePiece corner, const PieceSizes& states, Size window);

// Every copy that composes the frame, in drawing order: the top, left, right and bottom
// edges, then the four corners over them.
std::vector<PlacedPiece> FramePaintOrder(const PieceSizes& states, Size window);
// The same copies in the order the window region is assembled: the four corners, then the
// top, bottom, left and right edges.
std::vector<PlacedPiece> FrameRegionOrder(const PieceSizes& states, Size window);

// Everything inside the border: (W3, H1, w - W4, h - H6).
Rect FrameInterior(const PieceSizes& states, Size window);

// The [ClientArea] margins kept inside the window: none negative, and the left and right
// (top and bottom) together never wider (higher) than the window.
Margins MarginsInside(const Margins& margins, Size window);

// The client area inside the [ClientArea] margins, and the four strips around it in the
// order top, left, right, bottom (both with the margins kept inside the window).
Rect ClientRectInWindow(const Margins& clientArea, Size window);
std::array<Rect, 4> NonClientStrips(const Margins& clientArea, Size window);

// Where the active document's editor goes in the client area: inside the [Editor]
// EditorWindowSize margins, never with a negative size.
Rect EditorRectInClient(const Margins& editorMargins, Size client);

// Right edges of the four status-bar parts: 230, 160 and 60 pixels (at 96 DPI, scaled to
// `dpi`) before the client's right edge and the edge itself while a document is open, all
// at the edge otherwise.
std::array<std::int32_t, 4> StatusPartEdges(std::int32_t clientWidth, bool documentOpen, int dpi = 96);

// The answer to the system's min/max-information query: a maximised window covers the
// work area exactly; the window never gets smaller than the skin's minimum size.
struct TrackingLimits {
    Size minTrack;
    Size maxTrack;
    Size maxSize;
    Point maxPosition;
};
TrackingLimits FrameTrackingLimits(const Rect& workArea, Size minimumSize);

// The window size enlarged, per dimension, to the skin's minimum size.
Size EnforceMinimumSize(Size window, Size minimumSize);

}  // namespace skin
