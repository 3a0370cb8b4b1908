// The settings menu of the real game: the music switch written to "Settings.ini" and shown
// in its caption, and the display switch on a screen that cannot go full screen.
#include <gtest/gtest.h>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

// The rightmost column of the first entry's caption: white text on the highlighted band.
int RightEndOfCaption(const FramePixels& frame)
{
    for (int x = 599; x > 400; --x) {
        for (int y = 150; y < 178; ++y) {
            const Rgb pixel = PixelAt(frame, x, y);
            if (pixel.red > 240 && pixel.green > 240 && pixel.blue > 240)
                return x;
        }
    }
    return 0;
}

// English; SETTINGS is the third entry of the main menu.
const char* const ToSettings = "2 press Enter\n5 press Down\n7 press Down\n9 press Enter\n";

TEST(MenuSwitches, TheMusicSwitchIsWrittenEachTime)
{
    GameFolder game;
    GameResult run = game.Run(std::string(ToSettings) + "12 press Enter\n",
                              "--frames 20 --screenshot 11:off.png --screenshot 14:on.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 0, 1)));
    // The caption's last word changed: "MUSIC: OFF" became the shorter "MUSIC: ON", whose
    // right end lies further left.
    const FramePixels off = LoadScreenshot(game.Shot("off.png"));
    const FramePixels on = LoadScreenshot(game.Shot("on.png"));
    EXPECT_GT(RightEndOfCaption(off), RightEndOfCaption(on) + 4);

    run = game.Run(std::string(ToSettings) + "12 press Enter\n", "--frames 20");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(GameFolder::SettingsLines(2, 0, 0)));
}

TEST(MenuSwitches, AScreenThatCannotGoFullScreenKeepsTheWindowAndTheSetting)
{
    // SDL's offscreen driver has no screen modes to switch to.
    GameFolder game;
    const GameResult run =
        game.Run(std::string(ToSettings) + "12 press Down\n14 press Enter\n",
                 "--frames 30 --screenshot 13:before.png --screenshot 25:after.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
    // The display came back as a window, with the caption as it was.
    const FramePixels before = LoadScreenshot(game.Shot("before.png"));
    const FramePixels after = LoadScreenshot(game.Shot("after.png"));
    ASSERT_EQ(after.width, 800);
    EXPECT_TRUE(ColorNear(AverageColor(after, 200, 180, 400, 32),
                          AverageColor(before, 200, 180, 400, 32), 2));
}

}  // namespace
