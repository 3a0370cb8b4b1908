// Escape in the menus of the real game: it goes back the way the menu's last entry does
// when that entry shows a menu, else to the main menu, and does nothing on the main menu.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

FramePixels Shot(const GameFolder& game, const std::string& name)
{
    FramePixels frame = LoadScreenshot(game.Shot(name));
    EXPECT_EQ(frame.width, 800) << name;
    return frame;
}

TEST(MenuBack, EscapeFromTheSettingsMenuShowsTheSameScreenAsBackInEnglishAndFinnish)
{
    GameFolder game;
    // SETTINGS is the main menu's third entry and BACK (TAKAISIN) the settings menu's third.
    for (const std::string language : {"2 press Enter\n", "2 press Right\n2 press Enter\n"}) {
        const std::string toSettings = language + "5 press Down\n7 press Down\n9 press Enter\n";
        GameResult run = game.Run(toSettings + "12 press Escape\n", "--frames 25 --screenshot 20:escape.png");
        ASSERT_EQ(run.status, 0) << run.errors;
        run = game.Run(toSettings + "10 press Down\n11 press Down\n12 press Enter\n",
                       "--frames 25 --screenshot 20:back.png --screenshot 9:settings.png");
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_TRUE(SamePixels(Shot(game, "escape.png"), Shot(game, "back.png"))) << language;
        EXPECT_FALSE(SamePixels(Shot(game, "escape.png"), Shot(game, "settings.png"))) << language;
    }
}

TEST(MenuBack, EscapeOnTheMainMenuDoesNothing)
{
    GameFolder game;
    GameResult run = game.Run("2 press Enter\n5 press Escape\n", "--frames 15 --screenshot 10:escape.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    run = game.Run("2 press Enter\n", "--frames 15 --screenshot 10:still.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(SamePixels(Shot(game, "escape.png"), Shot(game, "still.png")));
}

// Menus whose last entries are another menu, or something that is no menu at all.
const std::string ThreeMenus = CrLf({"Number_of_menus = 3",
                                     "Menu0 = ZERO", "0.c = 2", "0.0 = ONE", "0.0.action = 1", "0.1 = QUIT",
                                     "0.1.action = END",
                                     "Menu1 = ONE", "1.c = 2", "1.0 = TWO", "1.0.action = 2", "1.1 = QUIT",
                                     "1.1.action = END",
                                     "Menu2 = TWO", "2.c = 3", "2.0 = MUSIC:", "2.0.action = CHANGE_MUS",
                                     "2.1 = DISPLAY:", "2.1.action = CHANGE_DISP", "2.2 = UP", "2.2.action = 1"});

// Where the menu's title stands.
bool SameTitle(const FramePixels& a, const FramePixels& b)
{
    for (int y = 118; y < 145; ++y) {
        for (int x = 200; x < 600; ++x) {
            const Rgb pa = PixelAt(a, x, y), pb = PixelAt(b, x, y);
            if (pa.red != pb.red || pa.green != pb.green || pa.blue != pb.blue)
                return false;
        }
    }
    return true;
}

TEST(MenuBack, EscapeTakesTheLastEntrysMenuAndWhereTheLastEntryIsNoMenuTheMainMenu)
{
    GameFolder game;
    game.Write("English.dat", ThreeMenus);
    // ONE, then TWO; Escape on TWO goes UP to ONE, Escape on ONE, whose last entry quits,
    // goes to ZERO, and the game plays on.
    const GameResult run =
        game.Run("2 press Enter\n5 press Enter\n8 press Enter\n11 press Escape\n14 press Escape\n",
                 "--frames 25 --screenshot 4:zero.png --screenshot 7:one.png --screenshot 10:two.png "
                 "--screenshot 13:back-to-one.png --screenshot 16:back-to-zero.png --screenshot 24:later.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(SameTitle(Shot(game, "two.png"), Shot(game, "one.png")));
    EXPECT_TRUE(SameTitle(Shot(game, "back-to-one.png"), Shot(game, "one.png")));
    EXPECT_TRUE(SameTitle(Shot(game, "back-to-zero.png"), Shot(game, "zero.png")));
    EXPECT_TRUE(std::filesystem::exists(game.Shot("later.png"))) << "Escape quit the game";
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0)) << "Escape switched something";
}

}  // namespace
