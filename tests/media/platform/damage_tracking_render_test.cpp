// Redrawing only what changed must not change a pixel: the same frames drawn with damage
// tracking and drawn whole are read back and compared, frame after frame, across moving,
// turning, fading and scrolling pieces in every blend mode, frames that change nothing, and
// a display closed and opened again in the middle.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/renderer.h"
#include "tests/support/frame_pixels.h"

namespace {

constexpr int Width = 160;
constexpr int Height = 120;

// A small picture with soft edges and a see-through hole, so that filtering and blending
// both show.
Texture MakeSprite(int flags)
{
    std::vector<uint8_t> rgba(16 * 16 * 4);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint8_t* p = &rgba[static_cast<std::size_t>(y * 16 + x) * 4];
            p[0] = static_cast<uint8_t>(x * 16);
            p[1] = static_cast<uint8_t>(y * 16);
            p[2] = static_cast<uint8_t>(255 - x * 8);
            p[3] = static_cast<uint8_t>(std::abs(x - 8) + std::abs(y - 8) < 3 ? 40 : 255);
        }
    return CreateTexture(rgba.data(), 16, 16, flags);
}

void DrawSprite(const Texture& sprite, float x, float y, float size)
{
    const QuadCorner corners[4] = {{-size / 2, -size / 2, 0, 0}, {size / 2, -size / 2, 1, 0},
                                   {size / 2, size / 2, 1, 1}, {-size / 2, size / 2, 0, 1}};
    DrawQuad(sprite.id, x, y, corners);
}

struct Sprites {
    Texture plain, smooth;
};

// One frame of the scene; frames 10 to 14 change nothing, 20 to 29 show a dark overlay.
void DrawScene(int frame, const Sprites& sprites)
{
    const int still = frame >= 10 && frame < 15 ? 10 : frame;
    SetBlendMode(BlendAlpha);
    // A backdrop of strips under everything, like the game's background.
    for (int strip = 0; strip < 4; ++strip) {
        SetDrawColor(20 + strip * 30, 152, 200);
        DrawSprite(sprites.smooth, Width / 2.0f, 15.0f + strip * 30, 160);
    }
    SetDrawColor(255, 255, 255);
    // A lattice of tiles, one of them changing colour now and then.
    for (int i = 0; i < 24; ++i) {
        SetBlendMode(i % 3 == 0 ? BlendMasked : BlendSolid);
        if (i == 7 && still % 4 == 0)
            SetDrawColor(200, 80, 80);
        DrawSprite(sprites.plain, 12.0f + (i % 8) * 18, 40.0f + (i / 8) * 18, 16);
        SetDrawColor(255, 255, 255);
    }
    // A pulsing, turning sprite; a walker two pixels a frame; sparks that light and shade.
    SetBlendMode(BlendAlpha);
    SetDrawRotation(static_cast<float>(still * 7));
    SetDrawScale(0.85f + 0.01f * static_cast<float>(still % 30), 0.85f + 0.01f * static_cast<float>(still % 30));
    DrawSprite(sprites.smooth, 120, 60, 16);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
    DrawSprite(sprites.plain, 10.0f + static_cast<float>(2 * still % 140), 58.5f, 16);
    SetBlendMode(BlendLight);
    SetDrawAlpha(0.7f);
    DrawSprite(sprites.smooth, 30.0f + static_cast<float>(still % 9) * 3.3f, 90.0f - static_cast<float>(still % 7), 6);
    SetBlendMode(BlendShade);
    DrawSprite(sprites.smooth, 90.0f, 95.0f + static_cast<float>(still % 5), 10);
    SetDrawAlpha(1);
    SetBlendMode(BlendAlpha);
    // A status bar with a line and a scrolling help text.
    SetDrawColor(0, 0, 0);
    SetDrawAlpha(0.3f);
    FillRect(0, 105, Width, 15);
    SetDrawAlpha(1);
    SetDrawColor(255, 255, 255);
    DrawSegment(0, 105, Width, 105, 1);
    DrawString("Push the blocks onto the buttons", static_cast<float>(Width - 2 * still), 105);
    if (frame >= 20 && frame < 30) {
        SetDrawColor(0, 0, 0);
        SetDrawAlpha(0.6f);
        FillRect(0, 0, Width, Height);
        SetDrawAlpha(1);
        SetDrawColor(255, 255, 255);
        DrawString("-PAUSED-", 50, 30);
    }
}

void AddCounters(RenderCounters& sum, const RenderCounters& more)
{
    sum.partialFrames += more.partialFrames;
    sum.unchangedFrames += more.unchangedFrames;
    sum.wholeFrames += more.wholeFrames;
}

// The scene's frames as presented, with the display closed and opened again after frame 35.
std::vector<FramePixels> RunScene(bool trackDamage, RenderCounters& counters)
{
    RedrawSwitch redraw(trackDamage);
    std::vector<FramePixels> frames;
    Sprites sprites;
    for (int frame = 0; frame < 50; ++frame) {
        if (frame == 0 || frame == 36) {
            AddCounters(counters, RendererCounters());
            EXPECT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError();
            EXPECT_EQ(DamageTracked(), trackDamage);
            SetBackdropColor(10, 20, 30);
            sprites = {MakeSprite(0), MakeSprite(TextureFiltered)};
            ClearFrame();
        }
        DrawScene(frame, sprites);
        frames.push_back(CaptureFrame());
        PresentFrame(0);
        ClearFrame();
    }
    AddCounters(counters, RendererCounters());
    CloseDisplay();
    return frames;
}

TEST(DamageTracking, EveryFrameComesOutAsIfDrawnWhole)
{
    RenderCounters whole, tracked;
    const std::vector<FramePixels> expected = RunScene(false, whole);
    const std::vector<FramePixels> actual = RunScene(true, tracked);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t frame = 0; frame < expected.size(); ++frame)
        EXPECT_TRUE(SamePixels(actual[frame], expected[frame])) << "frame " << frame;
    // The comparison proves something only if most frames were repaired in part, and the
    // frames that changed nothing drew nothing.
    EXPECT_EQ(whole.partialFrames, 0);
    EXPECT_GT(tracked.partialFrames, 30);
    EXPECT_GE(tracked.unchangedFrames, 4);
}

TEST(DamageTracking, AFrameThatChangesNothingDrawsNothingButIsStillPresented)
{
    RedrawSwitch redraw(true);
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr);
    const int presents = PresentCount();
    for (int frame = 0; frame < 3; ++frame) {
        ClearFrame();
        SetDrawColor(200, 100, 0);
        FillRect(20, 20, 40, 30);
        PresentFrame(0);
    }
    const RenderCounters counters = RendererCounters();
    EXPECT_EQ(counters.wholeFrames, 1 + 1);  // the display's own clear after its first flip, then frame one
    EXPECT_EQ(counters.unchangedFrames, 2);
    EXPECT_EQ(PresentCount(), presents + 3);
    ClearFrame();
    SetDrawColor(200, 100, 0);
    FillRect(20, 20, 40, 30);
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 30, 30), {200, 100, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 10, 10), {0, 0, 0}));
    CloseDisplay();
}

}  // namespace
