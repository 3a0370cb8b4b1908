// Filled rectangles and one-pixel lines, drawn as plain-colour quads in the same batch as
// pictures and text, and the clear of the whole frame.
#include <cmath>

#include "media/platform/display.h"
#include "media/platform/drawing_state.h"
#include "media/platform/renderer.h"

void ClearFrame()
{
    DrawClear();
}

void FillRect(float x, float y, float w, float h)
{
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {w, 0, 0, 0}, {w, h, 0, 0}, {0, h, 0, 0}};
    DrawQuad(0, x, y, corners);
}

// The line is a parallelogram one pixel across its minor axis, reaching half a pixel
// before the start's pixel centre: every column (or row, for steep lines) along the major
// axis then has exactly one pixel centre inside it, as a stepped line would. Only the end
// point is turned and scaled, so the line stays one pixel wide.
void DrawSegment(float x1, float y1, float x2, float y2, int lastPixel)
{
    const DrawingState& state = CurrentDrawingState();
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float endX = x1 + dx * state.ix + dy * state.iy;
    const float endY = y1 + dx * state.jx + dy * state.jy;
    const float spanX = endX - x1;
    const float spanY = endY - y1;
    const bool wide = std::fabs(spanX) >= std::fabs(spanY);
    const float major = wide ? std::fabs(spanX) : std::fabs(spanY);
    // One pixel along the major axis, following the line.
    float stepX = 1, stepY = 0;
    if (major > 0) {
        stepX = spanX / major;
        stepY = spanY / major;
    }
    const float endReach = lastPixel ? 0.5f : -0.5f;
    const float startX = x1 + 0.5f - stepX * 0.5f;
    const float startY = y1 + 0.5f - stepY * 0.5f;
    const float stopX = endX + 0.5f + stepX * endReach;
    const float stopY = endY + 0.5f + stepY * endReach;
    const float acrossX = wide ? 0.0f : 0.5f;
    const float acrossY = wide ? 0.5f : 0.0f;
    const QuadCorner corners[4] = {
        {startX - acrossX, startY - acrossY, 0, 0},
        {stopX - acrossX, stopY - acrossY, 0, 0},
        {stopX + acrossX, stopY + acrossY, 0, 0},
        {startX + acrossX, startY + acrossY, 0, 0},
    };
    DrawScreenQuad(0, corners);
}
