// Menus read from language files written by the tests, the level flags and best results
// read with them, and language files or settings that do not fit the game's tables.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/language.h"
#include "frontend/level_unlocks.h"
#include "frontend/menu_tables.h"
#include "media/core/program.h"
#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

void ThrowFatal(const std::string& message)
{
    throw std::runtime_error(message);
}

// Three general menus and one level page, as a language file may write them: keys in any
// case, values in lower case.
const char* const SmallMenus =
    "Number_of_menus = 4\n"
    "menu0 = Main menu\n0.c = 2\n0.ltext = arrows choose\n"
    "0.0 = Play\n0.0.action = 3\n0.1 = Quit\n0.1.action = end\n"
    "Menu1 = Help\n1.c = 1\n1.0 = Back\n"
    "Menu2 = Settings\n2.c = 2\n2.0 = Music:\n2.0.action = change_mus\n"
    "2.1 = Display:\n2.1.action = change_disp\n"
    "Menu3 = Levels\n3.c = 2\n3.0 = Level 1\n3.0.action = start\n3.1 = Level 2\n3.1.action = start\n"
    "Hiscore = Best run\n";

class MenuTables : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};

    void SetUp() override
    {
        SetFatalErrorHandler(ThrowFatal);
        WriteFileBytes("Settings.ini", ReplaceAll(GameFolder::SettingsLines(2, 1, 0),
                                                  "Color_depth = 0", "Color_depth = 32"));
        WriteFileBytes("Hiscores.dat", GameFolder::HiscoreLines(2));
    }
    void TearDown() override
    {
        SetFatalErrorHandler(nullptr);
        SetSettingsFile("Settings.ini");
        Language = "";
    }

    // Loads the menus of `text` as the start-up does, after the language screen.
    static void Load(const std::string& language, const std::string& text)
    {
        Language = language;
        WriteFileBytes(language + ".dat", text);
        SetSettingsFile(language + ".dat");
        TMenu::LoadMenus();
    }

    static std::string LoadFails(const std::string& text)
    {
        try {
            Load("English", text);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(MenuTables, TextsComeInCapitalsWithTheSwitchesStateInTheirLanguage)
{
    Load("English", SmallMenus);
    EXPECT_EQ(NumberOfMenus, 4);
    EXPECT_EQ(MenuTitle[0], "MAIN MENU");
    EXPECT_EQ(MenuHelpText[0], "ARROWS CHOOSE");
    EXPECT_EQ(MenuEntryCount[0], 2);
    EXPECT_EQ(MenuEntryAction[0][1], "END");
    EXPECT_EQ(MenuEntryAction[3][0], "START");
    EXPECT_EQ(MenuEntryAction[1][0], "") << "a missing action shows menu 0";
    EXPECT_EQ(HiscoreCaption, "BEST RUN");
    EXPECT_EQ(MenuEntryText[2][0], "MUSIC: OFF");
    EXPECT_EQ(MenuEntryText[2][1], "DISPLAY: FULLSCREEN");
    EXPECT_EQ(MusicOn, 0);
    EXPECT_EQ(SettingsFileName, "Settings.ini") << "the menu frame reads the level flags";

    WriteFileBytes("Settings.ini", GameFolder::SettingsLines(2, 0, 1));
    Load("Finnish", SmallMenus);
    EXPECT_EQ(MenuEntryText[2][0], "MUSIC: ON");
    EXPECT_EQ(MenuEntryText[2][1], "DISPLAY: IKKUNA");
    EXPECT_EQ(MusicOn, 1);
}

TEST_F(MenuTables, LevelFlagsAndBestResultsComeWithTheMenus)
{
    WriteFileBytes("Hiscores.dat", CrLf({"0.player = anna", "0.score = ddsa", "1.player = none",
                                         "1.score = ", "2.score = wd"}));
    Load("English", SmallMenus);
    EXPECT_EQ(LastLevel, 2);
    EXPECT_EQ(LevelUnlocked[0], 1);
    EXPECT_EQ(LevelUnlocked[1], 1);
    EXPECT_EQ(LevelUnlocked[2], 0);
    EXPECT_EQ(LevelHiscore[0][0], "ANNA");
    EXPECT_EQ(LevelHiscore[0][1], "ddsa") << "the move record stays as read";
    EXPECT_EQ(LevelHiscore[1][0], "NONE");
    EXPECT_EQ(LevelHiscore[2][0], "") << "a missing name reads as empty";
}

TEST_F(MenuTables, MenusThatDoNotFitTheTablesAreRefusedNamingFileAndKey)
{
    EXPECT_EQ(LoadFails("Number_of_menus = 9\n"),
              "English.dat: the key \"Number_of_menus\" is 9, but the game has room for 8 "
              "menus at most.");
    EXPECT_EQ(LoadFails("Number_of_menus = 1\n0.c = 13\n"),
              "English.dat: the key \"0.c\" is 13, but the game has room for 12 entries in a "
              "menu at most.");
    EXPECT_EQ(LoadFails("Number_of_menus = 2\n0.c = 1\n1.c = 1\n1.0.action = 2\n"),
              "English.dat: the key \"1.0.action\" names menu 2, but the file defines menus 0 "
              "to 1.");
    EXPECT_EQ(LoadFails("Number_of_menus = 1\n0.c = 1\n0.0.action = -1\n"),
              "English.dat: the key \"0.0.action\" names menu -1, but the file defines menus 0 "
              "to 0.");
    // Twelve entries and a reference to the last menu fit.
    std::string twelve = "Number_of_menus = 8\n0.c = 12\n";
    for (int e = 0; e < 12; ++e)
        twelve += "0." + std::to_string(e) + ".action = 7\n";
    EXPECT_EQ(LoadFails(twelve), "");
}

TEST_F(MenuTables, ANulByteInALanguageFileEndsItsTextButNotItsLineOrTheFile)
{
    const std::string nul(1, '\0');
    // In a caption, after a number, in a key, in a line of their own, and a whole file of them:
    // no crash and no key lost beyond the NUL's own text.
    std::string text = ReplaceAll(SmallMenus, "0.0 = Play", "0.0 = Pl" + nul + "ay");
    text = ReplaceAll(text, "Number_of_menus = 4", "Number_of_menus = 4" + nul + nul);
    text = ReplaceAll(text, "3.1 = Level 2", "3.1" + nul + " = Level 9\n3.1 = Level 2" + nul);
    text += std::string(300, '\0') + "\n";
    EXPECT_EQ(LoadFails(text), "");
    EXPECT_EQ(NumberOfMenus, 4);
    EXPECT_EQ(MenuEntryText[0][0], "PL");
    EXPECT_EQ(MenuEntryText[0][1], "QUIT");
    EXPECT_EQ(MenuEntryText[3][1], "LEVEL 2");
    EXPECT_EQ(MenuEntryAction[3][1], "START");

    EXPECT_EQ(LoadFails(std::string(5000, '\0')), "");
    EXPECT_EQ(NumberOfMenus, 0);
}

TEST_F(MenuTables, ALevelsValueOutsideTheLevelPagesIsRefused)
{
    for (const char* levels : {"25", "-1"}) {
        WriteFileBytes("Settings.ini", "Levels = " + std::string(levels) + "\r\n");
        EXPECT_EQ(LoadFails(SmallMenus),
                  "Settings.ini: the key \"Levels\" is " + std::string(levels) +
                      ", but the highest level number the game has room for is 24.");
    }
    WriteFileBytes("Settings.ini", "Levels = 24\r\n");
    EXPECT_EQ(LoadFails(SmallMenus), "");
    EXPECT_EQ(LastLevel, 24);
}

}  // namespace
