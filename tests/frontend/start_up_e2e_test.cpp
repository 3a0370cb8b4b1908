// The real game's start: the language screen left with Escape, and the files whose faults
// stop it before anything is played, each with its message and exit status 255.
#include <gtest/gtest.h>

#include "tests/support/game_folder.h"

namespace {

TEST(StartUp, EscapeOnTheLanguageScreenEndsTheGameWritingNothing)
{
    GameFolder game;
    const GameResult run = game.Run("2 press Right\n4 press Escape\n", "--frames 100");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
}

TEST(StartUp, AMissingPictureStopsTheGameNamingIt)
{
    GameFolder game;
    game.DropPicture("Key.gfx");
    const GameResult run = game.Run("", "--frames 100");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors, "Failed to load image Graphics/Key.gfx\n");
}

TEST(StartUp, AMissingSettingsFileStopsTheGame)
{
    GameFolder game;
    std::remove(game.File("Settings.ini").c_str());
    const GameResult run = game.Run("", "--frames 100");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors, "Failed to open settings file from: Settings.ini\n");
}

TEST(StartUp, SettingsAndLanguageFilesThatDoNotFitTheGameAreRefused)
{
    GameFolder game;
    game.Write("Settings.ini", "Graphics_width = 800\r\nGraphics_height = 600\r\n"
                               "Refresh_rate = 0\r\nLevels = 30\r\n");
    GameResult run = game.Run("2 press Enter\n", "--frames 100");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors, "Settings.ini: the key \"Levels\" is 30, but the highest level number "
                          "the game has room for is 24.\n");

    game.Write("Settings.ini", GameFolder::SettingsLines(2, 0, 0));
    game.Write("Finnish.dat", "Number_of_menus = 2\r\n0.c = 1\r\n0.0.action = 5\r\n");
    run = game.Run("2 press Left\n4 press Enter\n", "--frames 100");
    EXPECT_EQ(run.status, 255);
    EXPECT_EQ(run.errors,
              "Finnish.dat: the key \"0.0.action\" names menu 5, but the file defines menus 0 to "
              "1.\n");
}

}  // namespace
