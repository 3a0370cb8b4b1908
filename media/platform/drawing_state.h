// The drawing state behind SetDrawColor and its siblings, read by the renderer for every
// quad. Internal to the media layer.
#pragma once

#include <cstdint>

// One per open display: OpenDisplay makes a fresh one with these defaults, so nothing set
// for one display carries over to the next.
struct DrawingState {
    int red = 255, green = 255, blue = 255;
    uint8_t alpha = 255;  // SetDrawAlpha's value as a byte, as it is multiplied into drawing
    int backdropRed = 0, backdropGreen = 0, backdropBlue = 0;
    float rotation = 0;  // degrees, clockwise on the screen
    float scaleX = 1, scaleY = 1;
    // The drawing transform: a point (u, v) relative to the drawing position (tx, ty)
    // lands at (tx + u * ix + v * iy, ty + u * jx + v * jy).
    float ix = 1, iy = 0, jx = 0, jy = 1;
    int blendMode = 1;
};

// The state of the open display; before the first OpenDisplay, a default one.
DrawingState& CurrentDrawingState();
// Starts the next display with the defaults.
void ResetDrawingState();

// Blend modes outside 1..5 draw as solid.
int EffectiveBlendMode(int mode);
