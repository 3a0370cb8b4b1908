// Textures and the display generation they die with: a texture freed in the middle of a
// frame still draws in it, and the generation moves only with a display that really opens
// or closes. A texture made from coverage alone draws exactly as the white RGBA picture.
#include "media/platform/texture.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "media/platform/display.h"
#include "media/platform/renderer.h"
#include "tests/support/frame_pixels.h"

namespace {

constexpr int Side = 16;

class TextureTest : public testing::Test {
protected:
    void TearDown() override { CloseDisplay(); }

    static void OpenSmallDisplay() { ASSERT_NE(OpenDisplay(Side, Side, 0, 0, 2), nullptr) << DisplayError(); }

    static Texture OneColour(uint8_t r, uint8_t g, uint8_t b)
    {
        const uint8_t rgba[4] = {r, g, b, 255};
        return CreateTexture(rgba, 1, 1, 0);
    }

    static void DrawWholeFrame(unsigned texture)
    {
        const QuadCorner corners[4] = {{0, 0, 0, 0}, {Side, 0, 1, 0}, {Side, Side, 1, 1}, {0, Side, 0, 1}};
        DrawQuad(texture, 0, 0, corners);
    }
};

TEST_F(TextureTest, ATextureFreedWhileItsFrameIsQueuedStillDrawsInThatFrame)
{
    OpenSmallDisplay();
    Texture red = OneColour(255, 0, 0);
    DrawWholeFrame(red.id);
    DestroyTexture(red);
    EXPECT_EQ(red.id, 0u);
    EXPECT_TRUE(ColorNear(PixelAt(CaptureFrame(), 8, 8), {255, 0, 0}));
}

TEST_F(TextureTest, TheGenerationMovesOnlyWhenADisplayReallyOpensOrCloses)
{
    // A display opened and closed first keeps the drivers loaded for the rest of the run, as
    // the game's first display does: what they keep from the failed openings is theirs.
    OpenSmallDisplay();
    CloseDisplay();
    const int start = DisplayGeneration();
    EXPECT_EQ(OpenDisplay(0, Side, 0, 0, 2), nullptr);
    // The offscreen screen has no modes to switch to, so no context is ever made.
    EXPECT_EQ(OpenDisplay(640, 480, 32, 60, 2), nullptr);
    EXPECT_EQ(DisplayGeneration(), start);

    OpenSmallDisplay();
    const int open = DisplayGeneration();
    EXPECT_EQ(open, NextDisplayGeneration(start));
    Texture old = OneColour(0, 255, 0);
    EXPECT_EQ(old.generation, open);
    // Closing what was open counts; the failed opening after it does not.
    EXPECT_EQ(OpenDisplay(Side, 0, 0, 0, 2), nullptr);
    EXPECT_EQ(DisplayGeneration(), NextDisplayGeneration(open));
    EXPECT_EQ(OneColour(0, 0, 255).id, 0u);
    DestroyTexture(old);
    EXPECT_EQ(old.id, 0u);
}

// Coverage goes up in bands of rows: a height that is no whole number of bands, a width
// that is no power of two, every coverage value, drawn magnified and shifted so filtering
// mixes neighbouring texels, tinted and blended over a backdrop.
TEST_F(TextureTest, ATextureOfCoverageDrawsExactlyAsTheWhitePictureOfThatAlpha)
{
    OpenSmallDisplay();
    constexpr int Width = 23, Height = 37;
    std::vector<uint8_t> coverage(Width * Height);
    std::vector<uint8_t> rgba(coverage.size() * 4, 255);
    for (std::size_t i = 0; i < coverage.size(); ++i) {
        coverage[i] = static_cast<uint8_t>(i * 97 % 256);
        rgba[i * 4 + 3] = coverage[i];
    }
    for (int flags : {0, int{TextureFiltered}, TextureFiltered | TextureMipmapped}) {
        Texture fromCoverage = CreateCoverageTexture(coverage.data(), Width, Height, flags);
        Texture fromPicture = CreateTexture(rgba.data(), Width, Height, flags);
        ASSERT_NE(fromCoverage.id, 0u);
        const auto draw = [](unsigned texture, float scale) {
            SetBackdropColor(30, 60, 90);
            ClearFrame();
            SetBlendMode(BlendAlpha);
            SetDrawColor(250, 200, 120);
            const float w = Side * scale, h = Side * scale;
            const QuadCorner corners[4] = {{0, 0, 0, 0}, {w, 0, 1, 0}, {w, h, 1, 1}, {0, h, 0, 1}};
            DrawQuad(texture, 0.3f, 0.6f, corners);
            return CaptureFrame();
        };
        for (float scale : {0.5f, 1.0f, 1.7f}) {
            const FramePixels expected = draw(fromPicture.id, scale);
            EXPECT_TRUE(SamePixels(draw(fromCoverage.id, scale), expected)) << "flags " << flags << ", scale " << scale;
        }
        DestroyTexture(fromCoverage);
        DestroyTexture(fromPicture);
    }
}

}  // namespace
