// How many 32 x 32 quads a second the batching renderer draws, unpaced, in an 800 x 600
// window: plain-colour rectangles and textured quads with alpha blending, and the frames a
// second for a frame of 1105 quads (a full level's cells and a few more).
//   SDL_VIDEODRIVER=offscreen build/bench/quads/bench_quads [seconds]
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "media/platform/clock.h"
#include "media/platform/display.h"
#include "media/platform/renderer.h"

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

// Quads laid over the window in rows, wrapping, so every one costs its full 32 x 32 pixels.
void DrawPlainQuads(int count)
{
    for (int i = 0; i < count; ++i) {
        SetDrawColor(i * 37 % 256, i * 91 % 256, 200);
        FillRect(static_cast<float>(i * 32 % (Width - 32)), static_cast<float>(i / 24 * 32 % (Height - 32)),
                 32, 32);
    }
}

Texture Tile;

void DrawTexturedQuads(int count)
{
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {32, 0, 1, 0}, {32, 32, 1, 1}, {0, 32, 0, 1}};
    for (int i = 0; i < count; ++i)
        DrawQuad(Tile.id, static_cast<float>(i * 32 % (Width - 32)),
                 static_cast<float>(i / 24 * 32 % (Height - 32)), corners);
}

struct Result {
    double framesPerSecond;
    double quadsPerSecond;
};

Result Measure(const std::function<void(int)>& draw, int quadsPerFrame, double seconds)
{
    // The first frames warm the driver's caches and are not counted.
    for (int i = 0; i < 5; ++i) {
        draw(quadsPerFrame);
        PresentFrame(0);
        ClearFrame();
    }
    const uint32_t start = ClockMs();
    int frames = 0;
    while (ClockMs() - start < seconds * 1000) {
        draw(quadsPerFrame);
        PresentFrame(0);
        ClearFrame();
        ++frames;
    }
    const double elapsed = (ClockMs() - start) / 1000.0;
    return {frames / elapsed, frames * static_cast<double>(quadsPerFrame) / elapsed};
}

void Report(const char* what, int quadsPerFrame, const Result& result)
{
    std::printf("%-34s %6d quads/frame  %8.1f frames/s  %10.0f quads/s\n", what, quadsPerFrame,
                result.framesPerSecond, result.quadsPerSecond);
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    if (!OpenDisplay(Width, Height, 0, 0, 2)) {
        std::fprintf(stderr, "%s\n", DisplayError().c_str());
        return 1;
    }
    std::printf("renderer: %s\n", DisplayRendererName().c_str());
    std::vector<uint8_t> pixels(32 * 32 * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = static_cast<uint8_t>(i);
        pixels[i + 1] = 160;
        pixels[i + 2] = 90;
        pixels[i + 3] = static_cast<uint8_t>(i % 7 == 0 ? 128 : 255);
    }
    Tile = CreateTexture(pixels.data(), 32, 32, 0);

    SetBlendMode(BlendSolid);
    Report("plain, solid", 10000, Measure(DrawPlainQuads, 10000, seconds));
    Report("plain, solid", 1105, Measure(DrawPlainQuads, 1105, seconds));
    SetBlendMode(BlendAlpha);
    Report("textured, alpha blended", 10000, Measure(DrawTexturedQuads, 10000, seconds));
    Report("textured, alpha blended", 1105, Measure(DrawTexturedQuads, 1105, seconds));
    const RenderCounters& counters = RendererCounters();
    std::printf("draw calls: %ld for %ld quads\n", counters.drawCalls, counters.quads);
    CloseDisplay();
    return 0;
}
