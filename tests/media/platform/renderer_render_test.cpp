// The batching renderer on a real OpenGL context: colours, blend modes, the drawing
// transform and textures, checked on the pixels read back.
#include "media/platform/renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "media/platform/display.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

using RendererTest = DisplayTest;

TEST_F(RendererTest, ColoursAndAlphaAreClamped)
{
    SetBackdropColor(300, 20, -4);
    ClearFrame();
    SetDrawColor(300, -5, 128);
    FillRect(0, 0, 10, 10);
    SetBlendMode(BlendAlpha);
    SetDrawColor(0, 255, 0);
    SetDrawAlpha(1.5f);
    FillRect(10, 0, 10, 10);
    SetDrawAlpha(-1.0f);
    FillRect(20, 0, 10, 10);

    int r, g, b;
    GetDrawColor(r, g, b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 5, 5), {255, 0, 128}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 5), {0, 255, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 25, 5), {255, 20, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 40, 40), {255, 20, 0}));
}

// The alpha reaches the renderer as the byte trunc(alpha x 255): 0.5 is 127 and 0.8 is 204.
constexpr float Half = 127 / 255.0f;
constexpr float Most = 204 / 255.0f;

// Source (200, 100, 50) over frame (100, 150, 200).
Rgb Mix(float a)
{
    return {static_cast<int>(200 * a + 100 * (1 - a) + 0.5f),
            static_cast<int>(100 * a + 150 * (1 - a) + 0.5f),
            static_cast<int>(50 * a + 200 * (1 - a) + 0.5f)};
}

Rgb Light(float a)
{
    return {std::min(255, static_cast<int>(200 * a + 100 + 0.5f)),
            std::min(255, static_cast<int>(100 * a + 150 + 0.5f)),
            std::min(255, static_cast<int>(50 * a + 200 + 0.5f))};
}

TEST_F(RendererTest, EachBlendModeCombinesSourceAndFrameAsItSays)
{
    const struct {
        const char* name;
        int mode;
        float alpha;
        Rgb expected;
    } cases[] = {
        {"masked below half alpha leaves the frame", BlendMasked, 0.5f, {100, 150, 200}},
        {"masked from half alpha replaces", BlendMasked, 0.51f, {200, 100, 50}},
        {"solid replaces whatever the alpha", BlendSolid, 0.2f, {200, 100, 50}},
        {"unknown modes draw solid", 9, 0.2f, {200, 100, 50}},
        {"alpha mixes half and half", BlendAlpha, 0.5f, Mix(Half)},
        {"alpha mixes by the alpha", BlendAlpha, 0.8f, Mix(Most)},
        {"alpha zero leaves the frame", BlendAlpha, 0.0f, {100, 150, 200}},
        {"light adds", BlendLight, 0.5f, Light(Half)},
        {"light saturates", BlendLight, 1.0f, {255, 250, 250}},
        {"shade multiplies", BlendShade, 0.3f, {200 * 100 / 255, 100 * 150 / 255, 50 * 200 / 255}},
    };
    // Each case in a strip of its own: the frame colour, then the source over its middle.
    float x = 0;
    for (const auto& c : cases) {
        SetBlendMode(BlendSolid);
        SetDrawAlpha(1);
        SetDrawColor(100, 150, 200);
        FillRect(x, 0, 6, 20);
        SetBlendMode(c.mode);
        SetDrawAlpha(c.alpha);
        SetDrawColor(200, 100, 50);
        FillRect(x + 1, 5, 4, 10);
        x += 6;
    }

    const FramePixels frame = CaptureFrame();
    int left = 0;
    for (const auto& c : cases) {
        EXPECT_TRUE(ColorNear(PixelAt(frame, left + 2, 10), c.expected, 2)) << c.name;
        EXPECT_TRUE(ColorNear(PixelAt(frame, left + 2, 2), {100, 150, 200})) << c.name;
        left += 6;
    }
}

TEST_F(RendererTest, ARotatedScaledRectangleLandsWhereTheTransformPutsIt)
{
    // Turned a quarter clockwise about (40, 10) and stretched twice along its own x: its
    // width of 10 runs down the screen for 20 pixels, its height of 5 runs left.
    SetDrawRotation(90);
    SetDrawScale(2, 1);
    FillRect(40, 10, 10, 5);

    const FramePixels frame = CaptureFrame();
    const Rgb white{255, 255, 255}, black{0, 0, 0};
    for (int y = 10; y < 30; ++y) {
        for (int x = 30; x < 50; ++x)
            EXPECT_TRUE(ColorNear(PixelAt(frame, x, y), x >= 35 && x < 40 ? white : black))
                << "at (" << x << ", " << y << ")";
    }
    EXPECT_TRUE(ColorNear(PixelAt(frame, 37, 9), black));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 37, 30), black));
}

TEST_F(RendererTest, TexturesAreTintedByTheDrawingColourAndKeepTheirRowsInOrder)
{
    // 2 x 2: red, green on top; blue, white below.
    const std::vector<uint8_t> pixels = {255, 0, 0, 255, 0, 255, 0, 255,
                                         0, 0, 255, 255, 255, 255, 255, 255};
    Texture texture = CreateTexture(pixels.data(), 2, 2, 0);
    ASSERT_NE(texture.id, 0u);
    EXPECT_EQ(texture.generation, DisplayGeneration());
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {20, 0, 1, 0}, {20, 20, 1, 1}, {0, 20, 0, 1}};
    DrawQuad(texture.id, 4, 4, corners);
    SetDrawColor(255, 128, 0);
    DrawQuad(texture.id, 30, 4, corners);

    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 8, 8), {255, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 20, 8), {0, 255, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 8, 20), {0, 0, 255}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 20, 20), {255, 255, 255}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 34, 8), {255, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 46, 8), {0, 128, 0}, 1));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 46, 20), {255, 128, 0}, 1));
    DestroyTexture(texture);
    EXPECT_EQ(texture.id, 0u);
}

TEST_F(RendererTest, MaskedModeTestsEachPixelsOwnAlpha)
{
    const std::vector<uint8_t> pixels = {255, 255, 0, 100, 255, 255, 0, 200};
    Texture texture = CreateTexture(pixels.data(), 2, 1, 0);
    SetDrawColor(0, 0, 255);
    FillRect(0, 0, Width, Height);
    SetDrawColor(255, 255, 255);
    SetBlendMode(BlendMasked);
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {20, 0, 1, 0}, {20, 10, 1, 1}, {0, 10, 0, 1}};
    DrawQuad(texture.id, 0, 0, corners);

    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 5, 5), {0, 0, 255}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 15, 5), {255, 255, 0}));
}

TEST_F(RendererTest, ATextureFreedMidFrameStillDrawsThatFrame)
{
    const uint8_t red[4] = {255, 0, 0, 255};
    Texture texture = CreateTexture(red, 1, 1, 0);
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {8, 0, 1, 0}, {8, 8, 1, 1}, {0, 8, 0, 1}};
    DrawQuad(texture.id, 0, 0, corners);
    DestroyTexture(texture);
    // A texture made now may take the freed one's name only after the frame has drawn.
    const uint8_t green[4] = {0, 255, 0, 255};
    Texture next = CreateTexture(green, 1, 1, 0);
    DrawQuad(next.id, 10, 0, corners);

    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 4, 4), {255, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 14, 4), {0, 255, 0}));
}

TEST_F(RendererTest, QuadsAreDrawnInBatchesAndBlendStateChangesOnlyWithTheMode)
{
    const uint8_t white[4] = {255, 255, 255, 255};
    Texture a = CreateTexture(white, 1, 1, 0);
    Texture b = CreateTexture(white, 1, 1, 0);
    PresentFrame(0);
    const RenderCounters before = RendererCounters();

    const QuadCorner corners[4] = {{0, 0, 0, 0}, {1, 0, 1, 0}, {1, 1, 1, 1}, {0, 1, 0, 1}};
    for (int i = 0; i < 500; ++i) {
        SetBlendMode(BlendAlpha);
        SetDrawColor(i % 256, 0, 0);
        DrawQuad(a.id, static_cast<float>(i % Width), 0, corners);
    }
    DrawQuad(b.id, 0, 1, corners);
    DrawQuad(a.id, 0, 2, corners);
    SetBlendMode(BlendLight);
    DrawQuad(a.id, 0, 3, corners);
    PresentFrame(0);

    const RenderCounters& after = RendererCounters();
    EXPECT_EQ(after.quads - before.quads, 503);
    EXPECT_EQ(after.drawCalls - before.drawCalls, 4);
    EXPECT_LE(after.blendChanges - before.blendChanges, 2);
}

}  // namespace
