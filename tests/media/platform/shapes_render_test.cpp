// One-pixel lines: which pixels a segment lights, with and without its last pixel.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "media/platform/display.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels LitPixels()
{
    const FramePixels frame = CaptureFrame();
    Pixels lit;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            if (PixelAt(frame, x, y).red > 127)
                lit.insert({x, y});
        }
    }
    return lit;
}

Pixels Row(int fromX, int toX, int y)
{
    Pixels row;
    for (int x = fromX; x <= toX; ++x)
        row.insert({x, y});
    return row;
}

using SegmentTest = DisplayTest;

TEST_F(SegmentTest, HorizontalAndVerticalLinesStopBeforeOrOnTheirEnd)
{
    DrawSegment(10, 5, 20, 5, 0);
    EXPECT_EQ(LitPixels(), Row(10, 19, 5));
    ClearFrame();
    DrawSegment(10, 5, 20, 5, 1);
    EXPECT_EQ(LitPixels(), Row(10, 20, 5));
    ClearFrame();
    // Drawn backwards the start is still plotted and the end left out.
    DrawSegment(20, 5, 10, 5, 0);
    EXPECT_EQ(LitPixels(), Row(11, 20, 5));
    ClearFrame();
    DrawSegment(3, 30, 3, 33, 1);
    EXPECT_EQ(LitPixels(), (Pixels{{3, 30}, {3, 31}, {3, 32}, {3, 33}}));
}

TEST_F(SegmentTest, DiagonalLinesLightOnePixelEachStep)
{
    DrawSegment(2, 2, 9, 9, 1);
    Pixels diagonal;
    for (int i = 2; i <= 9; ++i)
        diagonal.insert({i, i});
    EXPECT_EQ(LitPixels(), diagonal);
    ClearFrame();
    // A shallow line: one pixel in each column, rising one row over two columns.
    DrawSegment(0, 20, 8, 16, 1);
    const Pixels lit = LitPixels();
    EXPECT_EQ(lit.size(), 9u);
    std::set<int> columns;
    for (const auto& [x, y] : lit) {
        columns.insert(x);
        EXPECT_NEAR(y, 20 - x / 2.0, 0.5) << "column " << x;
    }
    EXPECT_EQ(columns.size(), 9u);
}

TEST_F(SegmentTest, APointSegmentIsOnePixelOnlyWithItsLastPixel)
{
    DrawSegment(7, 7, 7, 7, 0);
    EXPECT_TRUE(LitPixels().empty());
    DrawSegment(7, 7, 7, 7, 1);
    EXPECT_EQ(LitPixels(), (Pixels{{7, 7}}));
}

TEST_F(SegmentTest, TheTransformMovesTheEndButTheLineStaysOnePixelWide)
{
    SetDrawScale(2, 2);
    DrawSegment(10, 10, 15, 10, 1);
    EXPECT_EQ(LitPixels(), Row(10, 20, 10));
    ClearFrame();
    SetDrawScale(1, 1);
    SetDrawRotation(90);
    DrawSegment(10, 10, 15, 10, 1);
    EXPECT_EQ(LitPixels(), (Pixels{{10, 10}, {10, 11}, {10, 12}, {10, 13}, {10, 14}, {10, 15}}));
}

}  // namespace
