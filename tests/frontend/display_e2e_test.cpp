// The display of the real game with the keys "Window_scale" and "Fullscreen": windows a
// whole factor larger under an X server of their own, scaled pixel for pixel; a full screen
// refused at start-up that falls back instead of ending the game; Alt+Enter on the language
// screen, in the menus and in play; and Alt+Enter as a plain Enter without the keys.
#include <gtest/gtest.h>

#include <vector>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"
#include "tests/support/virtual_screen.h"

namespace {

// Take the coin, step on the floor, then the goal: a record of two steps, "DD".
const std::vector<std::string> CoinInTheWay = {"#######", "#@$.*.#", "#######"};

// The folder's settings with the new display keys after "Driver", and the mode asked for.
std::string SettingsWithKeys(const std::string& keys, int colorDepth = 0)
{
    std::string settings = GameFolder::SettingsLines(2, 0, 0);
    settings = ReplaceAll(settings, "Driver = OpenGL\r\n", "Driver = OpenGL\r\n" + keys);
    return ReplaceAll(settings, "Color_depth = 0", "Color_depth = " + std::to_string(colorDepth));
}

// Whether every pixel of the scaled frame, but for the rows of text, has the colour of its
// pixel in the 800 x 600 frame.
testing::AssertionResult ScaledPixelForPixel(const FramePixels& shown, const FramePixels& picture, int scale)
{
    if (shown.width != 800 * scale || shown.height != 600 * scale || picture.width != 800)
        return testing::AssertionFailure() << "a " << shown.width << " x " << shown.height << " frame at scale " << scale;
    long differing = 0;
    for (int y = 0; y < shown.height; ++y) {
        const int row = y / scale;
        // The language screen's two lines of text.
        if ((row >= 118 && row < 160) || (row >= 393 && row < 435))
            continue;
        for (int x = 0; x < shown.width; ++x)
            differing += !ColorNear(PixelAt(shown, x, y), PixelAt(picture, x / scale, row), 2);
    }
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ from their layout pixel at scale " << scale;
}

TEST(ScaledWindow, AWholeFactorMakesTheWindowThatMuchLargerPixelForPixel)
{
    VirtualScreen screen(2560, 1920);
    ASSERT_TRUE(screen.Running()) << "Xvfb could not be started";
    const std::vector<std::string> environment = {"DISPLAY=" + screen.Name(), "SDL_VIDEODRIVER=x11"};
    GameFolder game;
    // 0 picks the largest window whose title bar still fits: 3 on this screen.
    for (const auto& [key, scale] : {std::pair{"1", 1}, {"2", 2}, {"3", 3}, {"0", 3}, {"5", 3}}) {
        game.Write("Settings.ini", SettingsWithKeys(std::string("Window_scale = ") + key + "\r\n"));
        const GameResult run = game.Run("", "--frames 4 --screenshot 3:picture.png --shown-screenshot 3:shown.png", environment);
        EXPECT_EQ(run.status, 0) << run.errors;
        const FramePixels picture = LoadScreenshot(game.Shot("picture.png"));
        const FramePixels shown = LoadScreenshot(game.Shot("shown.png"));
        EXPECT_EQ(picture.width, 800) << "Window_scale " << key;
        EXPECT_EQ(picture.height, 600) << "Window_scale " << key;
        EXPECT_EQ(shown.width, 800 * scale) << "Window_scale " << key;
        EXPECT_EQ(shown.height, 600 * scale) << "Window_scale " << key;
        EXPECT_TRUE(ScaledPixelForPixel(shown, picture, scale)) << "Window_scale " << key;
    }
}

TEST(ScaledWindow, AScaledScreenshotIsThePictureOfAnUnscaledGame)
{
    VirtualScreen screen(1700, 1300);
    ASSERT_TRUE(screen.Running()) << "Xvfb could not be started";
    const std::vector<std::string> environment = {"DISPLAY=" + screen.Name(), "SDL_VIDEODRIVER=x11"};
    GameFolder game;
    const std::string toMenu = "2 press Enter\n";
    const GameResult plain = game.Run(toMenu, "--frames 8 --screenshot 6:plain.png", environment);
    EXPECT_EQ(plain.status, 0) << plain.errors;
    game.Write("Settings.ini", SettingsWithKeys("Window_scale = 2\r\n"));
    const GameResult scaled = game.Run(toMenu, "--frames 8 --screenshot 6:scaled.png --shown-screenshot 6:shown.png", environment);
    EXPECT_EQ(scaled.status, 0) << scaled.errors;
    EXPECT_EQ(LoadScreenshot(game.Shot("shown.png")).width, 1600);
    EXPECT_TRUE(SamePixels(LoadScreenshot(game.Shot("scaled.png")), LoadScreenshot(game.Shot("plain.png"))));
}

// SDL's offscreen driver has no screen modes to switch to.
TEST(RefusedFullScreen, AStartInFullScreenFallsBackToTheDesktopsModeAndRuns)
{
    for (const std::string keys : {"", "Fullscreen = mode\r\n"}) {
        GameFolder game;
        game.Write("Settings.ini", SettingsWithKeys(keys, 32));
        const GameResult run = game.Run("3 press Enter\n", "--frames 10 --screenshot 8:menu.png --shown-screenshot 8:shown.png");
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_NE(run.errors.find("The screen cannot be switched to 800 x 600 x 32 at 0 Hz. The game is shown full "
                                  "screen at the screen's own mode instead."),
                  std::string::npos)
            << run.errors;
        const FramePixels menu = LoadScreenshot(game.Shot("menu.png"));
        ASSERT_EQ(menu.width, 800);
        const Rgb blue = AverageColor(menu, 620, 400, 100, 100);
        EXPECT_GT(blue.blue, blue.green) << "the menu shows";
        EXPECT_GT(LoadScreenshot(game.Shot("shown.png")).width, 800) << "covering the screen";
        // The setting stays as the player chose it: the fallback is for this screen only.
        EXPECT_EQ(game.Read("Settings.ini"), SettingsWithKeys(keys, 32));
    }
}

TEST(RefusedFullScreen, BadDisplayKeysAreNamedAndTheDesignsWindowOpens)
{
    GameFolder game;
    game.Write("Settings.ini", SettingsWithKeys("Window_scale = huge\r\nFullscreen = sideways\r\n"));
    const GameResult run = game.Run("", "--frames 3 --shown-screenshot 2:shown.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(run.errors.find("\"Window_scale\" must be 0 (the largest window that fits) or a whole factor from 1 "
                              "to 64, not \"huge\""),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("\"Fullscreen\" must be \"desktop\" or \"mode\", not \"sideways\""), std::string::npos)
        << run.errors;
    EXPECT_EQ(LoadScreenshot(game.Shot("shown.png")).width, 800);
}

// The white pixels of the display entry's caption, row by row, whatever its band.
std::vector<int> DisplayCaptionInk(const FramePixels& frame)
{
    std::vector<int> ink;
    for (int y = 185; y < 213; ++y)
        for (int x = 200; x < 600; ++x) {
            const Rgb pixel = PixelAt(frame, x, y);
            if (pixel.red > 240 && pixel.green > 240 && pixel.blue > 240)
                ink.push_back(y * 800 + x);
        }
    return ink;
}

class AltEnter : public testing::Test {
protected:
    GameFolder game;
    void SetUp() override
    {
        game.WriteLevel(0, CoinInTheWay);
        game.Write("Settings.ini", SettingsWithKeys("Window_scale = 1\r\nFullscreen = desktop\r\n"));
    }
};

TEST_F(AltEnter, SwitchesTheDisplayOnTheLanguageScreenWithoutChoosing)
{
    const GameResult run = game.Run("2 down Alt\n3 press Enter\n4 up Alt\n",
                                    "--frames 8 --screenshot 1:before.png --screenshot 6:language.png "
                                    "--shown-screenshot 6:shown.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_GT(LoadScreenshot(game.Shot("shown.png")).width, 800) << "full screen";
    // Still the language screen, with its two flags.
    const FramePixels before = LoadScreenshot(game.Shot("before.png"));
    const FramePixels language = LoadScreenshot(game.Shot("language.png"));
    ASSERT_EQ(language.width, 800);
    EXPECT_TRUE(ColorNear(AverageColor(language, 300, 238, 200, 48), AverageColor(before, 300, 238, 200, 48), 2));
    EXPECT_NE(game.Read("Settings.ini").find("color_depth = 32"), std::string::npos);
}

TEST_F(AltEnter, KeepsTheLevelBeingPlayedAndBackAgain)
{
    const GameResult run = game.Run(
        // English, PLAY, LEVEL 1; one step, Alt+Enter to full screen and back, two steps on.
        "2 press Enter\n4 press Enter\n6 press Enter\n8 down Right\n10 up Right\n"
        "30 down Alt\n31 press Enter\n32 up Alt\n40 down Alt\n41 press Enter\n42 up Alt\n"
        "50 down Right\n80 up Right\n90 press Escape\n",
        "--frames 100 --shown-screenshot 35:full.png --shown-screenshot 45:window.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_GT(LoadScreenshot(game.Shot("full.png")).width, 800);
    EXPECT_EQ(LoadScreenshot(game.Shot("window.png")).width, 800);
    // The level went on where it was: the record has both steps.
    EXPECT_EQ(game.Read("Hiscores.dat"),
              CrLf({"0.player = ", "0.score = dd", "1.player = none", "1.score = ", "2.player = none", "2.score = ",
                    "0.frames = 2 44"}));
    EXPECT_NE(game.Read("Settings.ini").find("color_depth = 0"), std::string::npos);
}

TEST_F(AltEnter, TheDisplayEntrysCaptionFollows)
{
    // English; SETTINGS; Alt+Enter; then the entry itself switches back, and the highlight
    // goes back up to where it was.
    const std::string toSettings = "2 press Enter\n5 press Down\n7 press Down\n9 press Enter\n";
    const GameResult run = game.Run(toSettings + "12 down Alt\n13 press Enter\n14 up Alt\n20 press Down\n22 press Enter\n"
                                                 "24 press Up\n",
                                    "--frames 30 --screenshot 11:windowed.png --screenshot 18:full.png "
                                    "--screenshot 27:back.png --shown-screenshot 27:shown.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    const FramePixels windowed = LoadScreenshot(game.Shot("windowed.png"));
    const FramePixels full = LoadScreenshot(game.Shot("full.png"));
    const FramePixels back = LoadScreenshot(game.Shot("back.png"));
    ASSERT_EQ(full.width, 800);
    // "DISPLAY: FULLSCREEN" after Alt+Enter, "DISPLAY: WINDOWED" again after the entry.
    EXPECT_NE(DisplayCaptionInk(full), DisplayCaptionInk(windowed));
    EXPECT_EQ(DisplayCaptionInk(back), DisplayCaptionInk(windowed));
    EXPECT_EQ(LoadScreenshot(game.Shot("shown.png")).width, 800);
}

TEST(AltEnterWithoutTheKeys, IsAPlainEnter)
{
    GameFolder game;
    const GameResult run =
        game.Run("2 down Alt\n3 press Enter\n4 up Alt\n", "--frames 10 --screenshot 1:language.png --screenshot 8:menu.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    const FramePixels language = LoadScreenshot(game.Shot("language.png"));
    const FramePixels menu = LoadScreenshot(game.Shot("menu.png"));
    ASSERT_EQ(menu.width, 800);
    EXPECT_FALSE(ColorNear(AverageColor(menu, 300, 238, 200, 48), AverageColor(language, 300, 238, 200, 48), 10))
        << "the flags gave way to the menu";
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
}

}  // namespace
