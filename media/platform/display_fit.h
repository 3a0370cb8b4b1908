// Where the game's picture, laid out for a fixed size, lands on a window or a screen of
// another size: the factor a window is made larger by, and the part of the drawable the
// picture fills. Free of SDL, so the rules are tested without a display.
#pragma once

// Pixels a window may need above its client area for its title bar: a window whose client
// area and title bar fit the desktop's usable area can be seen whole.
constexpr int TitleBarAllowance = 48;

// The largest whole factor, at least 1, by which a window of width x height still fits a
// usable area of usableWidth x usableHeight with its title bar.
int AutomaticWindowScale(int usableWidth, int usableHeight, int width, int height);

// The factor a window is made with: `asked` (0 = automatic) when it fits, else the largest
// that fits.
int FittedWindowScale(int asked, int usableWidth, int usableHeight, int width, int height);

// The picture's place on a drawable, in drawable pixels from the top-left corner.
struct PictureArea {
    float scale = 1;  // drawable pixels a layout pixel
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // A whole factor above 1: every layout pixel becomes a square of whole pixels, and
    // pictures are magnified by the nearest texel.
    bool crisp = false;

    bool operator==(const PictureArea&) const = default;
};

// A window shows the picture over its whole drawable (larger than the window where the
// desktop gives more pixels than it counts). A full screen at the desktop's own mode shows
// it at the largest whole factor that fits, centred, or shrunk to fit where even factor 1
// does not.
PictureArea FillDrawable(int drawableWidth, int drawableHeight, int width, int height);
PictureArea FitWholeFactor(int drawableWidth, int drawableHeight, int width, int height);

// The drawable pixels that layout pixels from (left, top) up to (right, bottom) cover,
// rounded outwards, as OpenGL boxes them: from the bottom of a drawable `drawableHeight`
// pixels high.
struct DrawableBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const DrawableBox&) const = default;
};
DrawableBox DrawableBoxOf(const PictureArea& area, int drawableHeight, int left, int top, int right, int bottom);
