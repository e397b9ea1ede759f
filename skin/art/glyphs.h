// Small pictures with coverage (sprites) and the glyphs of the skins: the 16 toolbar icons
// and the symbols on the frame buttons and tab arrows.
#pragma once

#include "skin/art/canvas.h"

namespace art {

// An image with a coverage value per pixel, composited onto backgrounds.
class Sprite {
public:
    Sprite(int width, int height);
    int Width() const { return colour_.Width(); }
    int Height() const { return colour_.Height(); }

    // Anti-aliased like Image::FillShape; covered pixels become opaque.
    void Fill(const Shape& shape, const Paint& paint, float opacity = 1.0f);
    void Fill(const Shape& shape, Colour c, float opacity = 1.0f) { Fill(shape, Solid(c), opacity); }

    // Draws the sprite with its top-left corner at (x, y).
    void DrawOn(Image& target, int x, int y, float opacity = 1.0f) const;
    Sprite MirroredHorizontally() const;

private:
    Image colour_;
    std::vector<float> alpha_;
};

constexpr int kToolbarIconCount = 16;
constexpr int kIconSize = 16;

// Toolbar icon for command 700 + index: new, open, close, save, save as, print, undo,
// redo, cut, copy, paste, find, replace, language, macro, options.
Sprite ToolbarIcon(int index);

enum class FrameSymbol { Close, Restore, Maximise, Minimise, Menu };
// A frame-button symbol of the given size in `ink`, with a soft shadow one pixel below.
Sprite FrameButtonSymbol(FrameSymbol symbol, int width, int height, Colour ink, Colour shadow);

// A solid triangle arrow pointing left (or right) centred in width x height.
Sprite ArrowSymbol(bool pointsLeft, int width, int height, Colour ink);

}  // namespace art
