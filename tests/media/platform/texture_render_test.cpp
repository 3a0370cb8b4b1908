// Textures and the display generation they die with: a texture freed in the middle of a
// frame still draws in it, and the generation moves only with a display that really opens
// or closes.
#include "media/platform/texture.h"

#include <gtest/gtest.h>

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

}  // namespace
