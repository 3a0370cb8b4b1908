// A TrueType face opened through FreeType at one pixel size, and its glyphs rendered as
// 8-bit coverage.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TrueTypeFace;
struct TrueTypeFaceCloser {
    void operator()(TrueTypeFace* face) const;
};
using TrueTypeFacePtr = std::unique_ptr<TrueTypeFace, TrueTypeFaceCloser>;

// Opens the face at pixelSize or, where the face cannot take that size, the largest smaller
// size it can. Null when the file cannot be read or no size from pixelSize down to 1 fits.
TrueTypeFacePtr OpenTrueTypeFace(const std::string& path, int pixelSize);

// The size metrics in whole pixels; the descender is negative below the baseline.
struct FaceMetrics {
    int lineHeight = 0;
    int ascender = 0;
    int descender = 0;
};
FaceMetrics MetricsOf(const TrueTypeFace& face);

// A glyph rendered anti-aliased: `coverage` holds width x height bytes, 0 clear to 255
// covered; left and top place it against the pen and the baseline (top counts upwards).
struct RenderedGlyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};
// False when the face has no glyph for the code point.
bool RenderGlyph(TrueTypeFace& face, unsigned codePoint, RenderedGlyph& glyph);
