#include "tests/support/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int GlyphTolerance = 8;
constexpr int StripGap = 4;
constexpr int StripWidth = 20;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool Near(const Rgb& a, const Rgb& b)
{
    return std::abs(a.red - b.red) <= GlyphTolerance && std::abs(a.green - b.green) <= GlyphTolerance &&
           std::abs(a.blue - b.blue) <= GlyphTolerance;
}

Rgb Mean(const std::vector<Rgb>& pixels)
{
    long sum[3] = {0, 0, 0};
    for (const Rgb& pixel : pixels) {
        sum[0] += pixel.red;
        sum[1] += pixel.green;
        sum[2] += pixel.blue;
    }
    const long count = std::max<long>(1, static_cast<long>(pixels.size()));
    return {static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count), static_cast<int>(sum[2] / count)};
}

}  // namespace

double RelativeLuminance(const Rgb& color)
{
    return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

double ContrastRatio(const Rgb& a, const Rgb& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TextContrast MeasureTextContrast(const FramePixels& frame, const Rgb& textColor, int x, int y, int w, int h)
{
    std::vector<Rgb> glyphs;
    int left = x + w, right = x - 1;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            const Rgb pixel = PixelAt(frame, column, row);
            if (Near(pixel, textColor)) {
                glyphs.push_back(pixel);
                left = std::min(left, column);
                right = std::max(right, column);
            }
        }
    }
    TextContrast result;
    result.glyphPixels = static_cast<int>(glyphs.size());
    if (glyphs.empty())
        return result;
    std::vector<Rgb> around;
    for (int row = y; row < y + h; ++row) {
        for (int offset = StripGap; offset < StripGap + StripWidth; ++offset) {
            for (const int column : {left - offset, right + offset}) {
                if (column >= 0 && column < frame.width)
                    around.push_back(PixelAt(frame, column, row));
            }
        }
    }
    result.glyph = Mean(glyphs);
    result.around = Mean(around);
    result.ratio = ContrastRatio(result.glyph, result.around);
    // The pixels beside the text that read worst against it.
    std::sort(around.begin(), around.end(), [&](const Rgb& a, const Rgb& b) {
        return ContrastRatio(result.glyph, a) < ContrastRatio(result.glyph, b);
    });
    around.resize(std::max<std::size_t>(1, around.size() / 20));
    result.worst = ContrastRatio(result.glyph, Mean(around));
    return result;
}
