// Contrast of text against what surrounds it on a screenshot, by the WCAG 2 formula: the
// relative luminance of each colour, and (lighter + 0.05) / (darker + 0.05).
#pragma once

#include "media/platform/display.h"
#include "tests/support/frame_pixels.h"

double RelativeLuminance(const Rgb& color);
double ContrastRatio(const Rgb& a, const Rgb& b);

struct TextContrast {
    int glyphPixels = 0;  // pixels of the text's own colour found
    Rgb glyph;            // their mean
    Rgb around;           // the mean beside the text, left and right of it on its line
    double ratio = 0;     // glyph against that mean
    double worst = 0;     // glyph against the twentieth of the pixels beside it nearest to it
};

// The text drawn in `textColor` within the line (x, y, w, h): its glyphs are the pixels within
// a few steps of that colour, and what surrounds it the pixels of two strips 20 pixels wide
// beside them, 4 pixels off, the height of the line.
TextContrast MeasureTextContrast(const FramePixels& frame, const Rgb& textColor, int x, int y, int w, int h);
