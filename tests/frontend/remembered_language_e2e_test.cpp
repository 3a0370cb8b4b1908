// The language chosen last, in the real game: a second start opens the language screen on
// it when "Settings.ini" has the key "Language"; without the key the screen starts on
// English every time and the file is left alone; a value that names no language starts on
// English and is mended by the next choice.
#include <gtest/gtest.h>

#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/screen_compare.h"

namespace {

FramePixels Shot(const GameFolder& game, const std::string& name)
{
    FramePixels frame = LoadScreenshot(game.Shot(name));
    EXPECT_EQ(frame.width, 800) << name;
    return frame;
}

std::string SettingsWithLanguage(const std::string& value)
{
    return GameFolder::SettingsLines(2, 0, 0) + "Language = " + value + "\r\n";
}

class RememberedLanguage : public testing::Test {
protected:
    GameFolder game;

    // The language screen's first frame, on English and on Finnish, from a start that does
    // not remember.
    void SetUp() override
    {
        ASSERT_EQ(game.Run("2 press Right\n", "--frames 6 --screenshot 1:english.png --screenshot 4:finnish.png").status, 0);
    }

    void ExpectStartOn(const std::string& language)
    {
        EXPECT_TRUE(SamePixels(Shot(game, "start.png"), Shot(game, language + ".png"))) << language;
    }
};

TEST_F(RememberedLanguage, ASecondStartOpensOnTheLanguageChosenInTheFirst)
{
    game.Write("Settings.ini", SettingsWithLanguage("english"));
    // Suomi; the Finnish menus.
    GameResult run = game.Run("2 press Right\n4 press Enter\n", "--frames 10 --screenshot 8:finnish-menu.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(SettingsWithLanguage("finnish")));

    // Enter at once takes Finnish again and leaves the file as it is.
    run = game.Run("4 press Enter\n", "--frames 10 --screenshot 1:start.png --screenshot 8:menu.png");
    ASSERT_EQ(run.status, 0) << run.errors;
    ExpectStartOn("finnish");
    EXPECT_TRUE(SamePixels(Shot(game, "menu.png"), Shot(game, "finnish-menu.png")));
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(SettingsWithLanguage("finnish")));

    // Back to English, which the third start opens on.
    ASSERT_EQ(game.Run("2 press Left\n4 press Enter\n", "--frames 10").status, 0);
    EXPECT_EQ(game.Read("Settings.ini"), LowerText(SettingsWithLanguage("english")));
    ASSERT_EQ(game.Run("", "--frames 3 --screenshot 1:start.png").status, 0);
    ExpectStartOn("english");
}

TEST_F(RememberedLanguage, WithoutTheKeyEveryStartIsOnEnglishAndTheFileStaysAsItWas)
{
    const GameResult run = game.Run("2 press Right\n4 press Enter\n", "--frames 10");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(game.Read("Settings.ini"), GameFolder::SettingsLines(2, 0, 0));
    ASSERT_EQ(game.Run("", "--frames 3 --screenshot 1:start.png").status, 0);
    ExpectStartOn("english");
}

TEST_F(RememberedLanguage, AValueThatNamesNoLanguageStartsOnEnglishAndTheNextChoiceMendsIt)
{
    for (const std::string value : {"klingon", "finnish ", "1", "suomi"}) {
        game.Write("Settings.ini", SettingsWithLanguage(value));
        const GameResult run = game.Run("2 press Right\n4 press Enter\n", "--frames 10 --screenshot 1:start.png");
        ASSERT_EQ(run.status, 0) << value << ": " << run.errors;
        ExpectStartOn("english");
        EXPECT_EQ(game.Read("Settings.ini"), LowerText(SettingsWithLanguage("finnish"))) << value;
    }
}

}  // namespace
