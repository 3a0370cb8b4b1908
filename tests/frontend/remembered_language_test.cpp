// The language kept in settings files written by the tests: what each value starts the
// language screen on, and when the choice is written.
#include <gtest/gtest.h>

#include "frontend/remembered_language.h"
#include "media/core/text.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

class RememberedLanguageTest : public testing::Test {
protected:
    TempDir folder;
    WorkingDir inFolder{folder.Path()};
};

TEST_F(RememberedLanguageTest, OnlyFinnishStartsOnFinnish)
{
    EXPECT_EQ(LanguageSelectionOf("finnish"), 1);
    EXPECT_EQ(LanguageSelectionOf("english"), 0);
    for (const char* other : {"", "suomi", "finnish ", "fin", "1", "\xE4"})
        EXPECT_EQ(LanguageSelectionOf(other), 0) << other;
}

TEST_F(RememberedLanguageTest, TheChoiceIsWrittenOnlyIntoAFileWithTheKeyAndOnlyWhenItChanged)
{
    const std::string without = GameFolder::SettingsLines(2, 0, 0);
    WriteFileBytes("Settings.ini", without);
    EXPECT_EQ(RememberedLanguage(), 0);
    RememberLanguage(1);
    EXPECT_EQ(ReadFileBytes("Settings.ini"), without) << "not even lowered";

    const std::string withEnglish = without + "Language = English\r\n";
    WriteFileBytes("Settings.ini", withEnglish);
    RememberLanguage(0);
    EXPECT_EQ(ReadFileBytes("Settings.ini"), withEnglish);
    RememberLanguage(1);
    EXPECT_EQ(ReadFileBytes("Settings.ini"), LowerText(without + "Language = finnish\r\n"));
    EXPECT_EQ(RememberedLanguage(), 1);
}

}  // namespace
