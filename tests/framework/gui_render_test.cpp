// The widgets drawn on a real display with pointer events fed to the input state; the
// pixels read back show the fill, the border, the text and its shadow.
#include "framework/gui.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "media/platform/display.h"
#include "media/platform/input.h"
#include "media/platform/input_state.h"
#include "tests/support/display_test.h"
#include "tests/support/frame_pixels.h"

namespace {

const char* const DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const FramePixels& frame, const Rgb& color)
{
    Pixels found;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            if (ColorNear(PixelAt(frame, x, y), color))
                found.emplace(x, y);
    return found;
}

Pixels Shifted(const Pixels& pixels, int dx, int dy)
{
    Pixels moved;
    for (const auto& [x, y] : pixels)
        moved.emplace(x + dx, y + dy);
    return moved;
}

Rgb DrawColor()
{
    Rgb color;
    GetDrawColor(color.red, color.green, color.blue);
    return color;
}

// Each test starts with the widget colours at their defaults and no pointer events.
struct GuiTest : DisplayTest {
    void TearDown() override
    {
        GuiBackColor = {50, 120, 145};
        GuiBorderColor = {200, 200, 200};
        GuiHoverBorderColor = {255, 255, 255};
        GuiTextColor = {255, 255, 255};
        GuiHoverTextColor = {255, 255, 255};
        Input.ResetMouseButtons();
        Input.PointerMoved(0, 0);
        DisplayTest::TearDown();
    }

    static void Click(int x, int y)
    {
        Input.PointerMoved(x, y);
        Input.ButtonDown(1);
        Input.ButtonUp(1);
    }

    // Where the built-in font puts the pixels of a text drawn at the origin.
    static Pixels TextPixels(const std::string& text)
    {
        ClearFrame();
        SetDrawColor(255, 255, 255);
        DrawString(text, 0, 0);
        Pixels pixels = PixelsOf(CaptureFrame(), {255, 255, 255});
        EXPECT_FALSE(pixels.empty()) << "\"" << text << "\" drew nothing";
        ClearFrame();
        return pixels;
    }
};

}  // namespace

TEST_F(GuiTest, ALabelIsFilledFramedAndWrittenAtItsCornerAndKeepsTheTextColour)
{
    const Pixels text = TextPixels("Hi");
    const Font font = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    SelectFont(font);
    GuiSetTextColor(10, 250, 30);
    EXPECT_EQ(GuiLabel("Hi", 4, 4, 40, 24), 0);
    EXPECT_EQ(CurrentFont(), font);
    EXPECT_TRUE(ColorNear(DrawColor(), {10, 250, 30}));

    const FramePixels frame = CaptureFrame();
    EXPECT_EQ(PixelsOf(frame, {10, 250, 30}), Shifted(text, 6, 6)) << "in the built-in font";
    EXPECT_TRUE(ColorNear(PixelAt(frame, 40, 25), {50, 120, 145}));
    for (auto [x, y] : {std::pair {4, 4}, {44, 4}, {4, 28}, {44, 28}, {24, 28}, {44, 16}})
        EXPECT_TRUE(ColorNear(PixelAt(frame, x, y), {200, 200, 200})) << x << ", " << y;
    EXPECT_TRUE(ColorNear(PixelAt(frame, 45, 16), {0, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 24, 29), {0, 0, 0}));
}

TEST_F(GuiTest, AButtonFitsItselfToTheTextInTheCallersFontAndPutsColourAndFontBack)
{
    const Font font = LoadTrueTypeFont(DejaVuSans, 20, FontSmooth);
    SelectFont(font);
    const int w = TextWidthOf("OK") + 14;
    const int h = TextHeightOf("OK") + 8;
    ASSERT_LT(2 + w, Width);
    ASSERT_LT(2 + h, Height);
    SetDrawColor(1, 2, 3);
    EXPECT_EQ(GuiButton("OK", 2, 2, -1, -1), GuiIdle);
    EXPECT_EQ(CurrentFont(), font);
    EXPECT_TRUE(ColorNear(DrawColor(), {1, 2, 3}));

    const FramePixels frame = CaptureFrame();
    EXPECT_TRUE(ColorNear(PixelAt(frame, 2 + w, 2 + h), {200, 200, 200}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 2 + w - 1, 2 + h - 1), {50, 120, 145}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 3 + w, 2 + h), {0, 0, 0}));
    EXPECT_TRUE(ColorNear(PixelAt(frame, 2 + w, 3 + h), {0, 0, 0}));
}

TEST_F(GuiTest, ThePointerIsOverAButtonOnlyStrictlyInsideIt)
{
    const struct {
        int x, y, state;
    } cases[] = {
        {10, 15, GuiIdle}, {11, 11, GuiPointedAt}, {29, 25, GuiPointedAt}, {30, 15, GuiIdle},
        {15, 26, GuiIdle}, {15, 10, GuiIdle},      {9, 9, GuiIdle},
    };
    for (const auto& c : cases) {
        Input.PointerMoved(c.x, c.y);
        EXPECT_EQ(GuiButton("B", 10, 10, 20, 16), c.state) << c.x << ", " << c.y;
    }
}

TEST_F(GuiTest, APressIsOneClickForTheButtonUnderThePointerAndLeftAloneElsewhere)
{
    Click(15, 15);
    EXPECT_EQ(GuiButton("No", 40, 10, 20, 16), GuiIdle);
    EXPECT_EQ(TWisp_GUI::Button("Yes", 10, 10, 20, 16), GuiClicked);
    EXPECT_EQ(GuiButton("Yes", 10, 10, 20, 16), GuiPointedAt) << "the press was used up";

    Click(35, 40);
    EXPECT_EQ(GuiButton("Yes", 10, 10, 20, 16), GuiIdle);
    EXPECT_EQ(GuiButton("No", 40, 10, 20, 16), GuiIdle);
    EXPECT_EQ(ButtonPressCount(1), 1) << "a press outside every button is left for others";
}

TEST_F(GuiTest, TheTextShowsWhetherTheButtonIsIdlePointedAtOrClicked)
{
    // "H" in the built-in font is 8 x 16: centred in 20 x 16 at (10, 10) it starts at
    // (16, 10), and is written one pixel lower.
    const Pixels text = Shifted(TextPixels("H"), 16, 11);
    GuiSetTextColor(0, 255, 0);
    GuiSetHoverTextColor(200, 100, 51);
    GuiSetBorderColor(0, 0, 255);
    GuiSetHoverBorderColor(255, 255, 0);

    Input.PointerMoved(0, 0);
    GuiButton("H", 10, 10, 20, 16);
    FramePixels frame = CaptureFrame();
    EXPECT_EQ(PixelsOf(frame, {0, 255, 0}), text);
    EXPECT_TRUE(PixelsOf(frame, {20, 20, 20}).empty());
    EXPECT_TRUE(ColorNear(PixelAt(frame, 30, 26), {0, 0, 255}));

    const struct {
        const char* state;
        bool click;
        Rgb shadow;
        Rgb color;
    } pointed[] = {
        {"pointed at", false, {20, 20, 20}, {200, 100, 51}},
        {"clicked", true, {200, 200, 200}, {100, 50, 25}},
    };
    for (const auto& c : pointed) {
        ClearFrame();
        if (c.click)
            Click(12, 12);
        else
            Input.PointerMoved(12, 12);
        GuiButton("H", 10, 10, 20, 16);
        frame = CaptureFrame();
        EXPECT_EQ(PixelsOf(frame, c.color), text) << c.state;
        const Pixels shadow = PixelsOf(frame, c.shadow);
        EXPECT_FALSE(shadow.empty()) << c.state;
        for (const auto& pixel : shadow)
            EXPECT_TRUE(Shifted(text, 1, 1).contains(pixel)) << c.state;
        EXPECT_TRUE(ColorNear(PixelAt(frame, 30, 26), {255, 255, 0})) << c.state;
    }
}

TEST_F(GuiTest, ColourComponentsAreStoredWholeAndLimitedWhenDrawn)
{
    GuiSetBackColor(300, 0, 1000);
    EXPECT_EQ(GuiBackColor.r, 300);
    EXPECT_EQ(GuiBackColor.b, 1000);
    GuiLabel("", 0, 0, 20, 20);
    EXPECT_TRUE(ColorNear(PixelAt(CaptureFrame(), 10, 10), {255, 0, 255}));
}
