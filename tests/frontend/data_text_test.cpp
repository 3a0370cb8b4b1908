// The shipped text files: the two language files, Settings.ini and Hiscores.dat. The menus,
// the finish screen and the record store read them by key; a key they miss reads as empty,
// so a typo here shows up only as a blank caption or a dead entry in the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frontend/screen_words.h"
#include "tests/support/temp_dir.h"

namespace {

std::string DataFile(const std::string& name)
{
    return std::string(TINDLEWICK_DATA_DIR) + "/" + name;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The file as the game's reader sees it: keys without regard to case, the first line of a
// key wins, values lowered.
struct KeyValueFile {
    std::string bytes;
    std::vector<std::string> lines;  // without their line ends
    std::map<std::string, std::string> values;

    explicit KeyValueFile(const std::string& name) : bytes(ReadFileBytes(DataFile(name)))
    {
        for (std::string line : SplitLines(bytes)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            size_t sep = line.find(" = ");
            if (line.empty() || line[0] == '#' || sep == std::string::npos)
                continue;
            values.emplace(Lower(line.substr(0, sep)), Lower(line.substr(sep + 3)));
        }
    }
    bool Has(const std::string& key) const { return values.count(Lower(key)) != 0; }
    std::string Str(const std::string& key) const
    {
        auto it = values.find(Lower(key));
        return it == values.end() ? "" : it->second;
    }
    int Int(const std::string& key) const { return std::atoi(Str(key).c_str()); }
};

std::string Upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool IsMenuNumber(const std::string& action)
{
    return !action.empty() && std::all_of(action.begin(), action.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

constexpr int FirstLevelPage = 3;
constexpr int LevelsPerPage = 5;
constexpr int LevelCount = 25;

struct Language {
    std::string file;
    std::vector<std::string> switchWords;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.file;
}

class LanguageFile : public ::testing::TestWithParam<Language> {
protected:
    KeyValueFile file{GetParam().file};
    int menus = file.Int("Number_of_menus");

    std::string Action(int m, int e) const
    {
        return Upper(file.Str(std::to_string(m) + "." + std::to_string(e) + ".action"));
    }
    int Entries(int m) const { return file.Int(std::to_string(m) + ".c"); }
};

TEST_P(LanguageFile, DefinesEveryKeyTheGameReads)
{
    ASSERT_GE(menus, FirstLevelPage + LevelCount / LevelsPerPage);
    EXPECT_LE(menus, 8);
    for (int m = 0; m < menus; m++) {
        std::string menu = std::to_string(m);
        EXPECT_NE(file.Str("Menu" + menu), "") << "Menu" << m;
        EXPECT_NE(file.Str(menu + ".ltext"), "") << menu << ".ltext";
        EXPECT_GE(Entries(m), 1) << menu << ".c";
        EXPECT_LE(Entries(m), 12) << menu << ".c";
        for (int e = 0; e < Entries(m); e++) {
            std::string entry = menu + "." + std::to_string(e);
            EXPECT_TRUE(file.Has(entry)) << entry;
            EXPECT_NE(file.Str(entry + ".action"), "") << entry << ".action";
        }
    }
    EXPECT_NE(file.Str("Hiscore"), "");
    for (int i = 0; i < 4; i++)
        EXPECT_NE(file.Str("fin." + std::to_string(i)), "") << "fin." << i;
}

TEST_P(LanguageFile, EveryLineIsASettingOrBlank)
{
    // The reader skips a line it cannot read without a word, so a slip such as "1.c=4"
    // would silently empty a menu.
    for (const std::string& line : file.lines)
        EXPECT_TRUE(line.empty() || line.find(" = ") != std::string::npos) << line;
    EXPECT_EQ(file.bytes.substr(file.bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(file.bytes.begin(), file.bytes.end(), '\n'),
              std::count(file.bytes.begin(), file.bytes.end(), '\r'));
}

TEST_P(LanguageFile, ActionsNameWhatTheMenusCanDo)
{
    for (int m = 0; m < menus; m++) {
        for (int e = 0; e < Entries(m); e++) {
            std::string action = Action(m, e);
            bool levelEntry = m >= FirstLevelPage && e < LevelsPerPage;
            if (levelEntry) {
                EXPECT_EQ(action, "START") << m << "." << e;
                continue;
            }
            EXPECT_NE(action, "START") << m << "." << e << " starts no level";
            // The ways into the editor and MY LEVELS are actions the shipped main menu adds to the
            // design's four.
            if (action == "END" || action == "CHANGE_MUS" || action == "CHANGE_DISP" || action == "EDITOR" ||
                action == "MY_LEVELS")
                continue;
            ASSERT_TRUE(IsMenuNumber(action)) << m << "." << e << ": " << action;
            EXPECT_LT(std::stoi(action), menus) << m << "." << e << ": " << action;
        }
    }
    EXPECT_EQ(Action(2, 0), "CHANGE_MUS");
    EXPECT_EQ(Action(2, 1), "CHANGE_DISP");
}

TEST_P(LanguageFile, EveryMenuIsReachedFromTheMainMenuAndLeadsBack)
{
    std::map<int, std::set<int>> next;
    bool canQuit = false;
    for (int m = 0; m < menus; m++)
        for (int e = 0; e < Entries(m); e++) {
            std::string action = Action(m, e);
            if (IsMenuNumber(action))
                next[m].insert(std::stoi(action));
            canQuit = canQuit || (m == 0 && action == "END");
        }
    auto reached = [&](int from) {
        std::set<int> seen{from};
        std::vector<int> todo{from};
        while (!todo.empty()) {
            int m = todo.back();
            todo.pop_back();
            for (int n : next[m])
                if (seen.insert(n).second)
                    todo.push_back(n);
        }
        return seen;
    };
    EXPECT_EQ(reached(0).size(), static_cast<size_t>(menus));
    for (int m = 1; m < menus; m++)
        EXPECT_TRUE(reached(m).count(0)) << "no way back to the main menu from menu " << m;
    EXPECT_TRUE(canQuit);
}

TEST_P(LanguageFile, SwitchWordsStandOnlyWhereTheGameAppendsThem)
{
    // The switches swap these words with a replace over the whole caption.
    for (int m = 0; m < menus; m++) {
        std::string menu = std::to_string(m);
        std::vector<std::string> keys{"Menu" + menu, menu + ".ltext"};
        for (int e = 0; e < Entries(m); e++)
            keys.push_back(menu + "." + std::to_string(e));
        for (const std::string& key : keys)
            for (const std::string& word : GetParam().switchWords)
                EXPECT_TRUE(Upper(file.Str(key)).find(word) == std::string::npos)
                    << key << " holds " << word << ": " << Upper(file.Str(key));
    }
}

TEST_P(LanguageFile, DefinesEveryTextTheScreensShowBesidesTheMenus)
{
    for (const std::string& key : ScreenWordKeys())
        EXPECT_NE(file.Str(key), "") << key;
    // The level files' own titles are English; the Finnish file gives every level its own.
    for (int level = 0; level < LevelCount; ++level)
        EXPECT_EQ(file.Has(TitleKey(level)), GetParam().file == "Finnish.dat") << TitleKey(level);
}

TEST_P(LanguageFile, EveryMenuButTheMainMenuEndsWithAWayBackForEscape)
{
    for (int m = 1; m < menus; m++)
        EXPECT_TRUE(IsMenuNumber(Action(m, Entries(m) - 1))) << "menu " << m;
}

INSTANTIATE_TEST_SUITE_P(Data, LanguageFile,
                         ::testing::Values(Language{"English.dat", {"ON", "OFF", "WINDOWED", "FULLSCREEN"}},
                                           Language{"Finnish.dat", {"ON", "EI", "IKKUNA", "KOKORUUTU"}}),
                         [](const auto& info) { return info.param.file.substr(0, 7); });

TEST(LanguageFileBytes, EnglishIsAsciiAndFinnishIsLatin1WithItsLetters)
{
    auto printable = [](unsigned char c) { return (c >= 32 && c < 127) || c == '\r' || c == '\n'; };
    std::string english = ReadFileBytes(DataFile("English.dat"));
    EXPECT_TRUE(std::all_of(english.begin(), english.end(), printable));

    // One byte per letter: a file saved as UTF-8 would show "Ã„" in the game.
    const std::string finnishLetters = "\xC4\xD6\xE4\xF6\xC5\xE5";
    std::string finnish = ReadFileBytes(DataFile("Finnish.dat"));
    for (unsigned char c : finnish)
        EXPECT_TRUE(printable(c) || finnishLetters.find(static_cast<char>(c)) != std::string::npos)
            << "byte " << int(c);
    EXPECT_NE(finnish.find('\xC4'), std::string::npos) << "no \xC4";
    EXPECT_NE(finnish.find('\xD6'), std::string::npos) << "no \xD6";
}

TEST(SettingsFile, OpensWindowedWithMusicAndOnlyTheFirstLevel)
{
    KeyValueFile settings("Settings.ini");
    EXPECT_EQ(settings.Int("Graphics_width"), 800);
    EXPECT_EQ(settings.Int("Graphics_height"), 600);
    EXPECT_EQ(settings.Str("Color_depth"), "0");
    EXPECT_EQ(settings.Int("Refresh_rate"), 60);
    EXPECT_EQ(settings.Str("Driver"), "opengl");
    EXPECT_EQ(settings.Int("Music"), 1);
    EXPECT_EQ(settings.Int("Levels"), LevelCount - 1);
    for (int n = 0; n < LevelCount; n++)
        EXPECT_EQ(settings.Str(std::to_string(n)), n == 0 ? "1" : "0") << "level " << n;
    EXPECT_EQ(std::count(settings.bytes.begin(), settings.bytes.end(), '\n'),
              std::count(settings.bytes.begin(), settings.bytes.end(), '\r'));
}

TEST(SettingsFile, ShowsTheLargestWindowThatFitsAndAFullScreenAtTheDesktopsMode)
{
    KeyValueFile settings("Settings.ini");
    EXPECT_EQ(settings.Str("Window_scale"), "0");
    EXPECT_EQ(settings.Str("Fullscreen"), "desktop");
}

TEST(SettingsFile, HasTheKeyThatRemembersTheLanguageStartingOnEnglish)
{
    EXPECT_EQ(KeyValueFile("Settings.ini").Str("Language"), "english");
}

TEST(HiscoreFile, EveryLevelIsFreeWithAnEmptyScore)
{
    KeyValueFile hiscores("Hiscores.dat");
    for (int n = 0; n < LevelCount; n++) {
        std::string level = std::to_string(n);
        EXPECT_EQ(hiscores.Str(level + ".player"), "none") << level;
        ASSERT_TRUE(hiscores.Has(level + ".score")) << level;
        EXPECT_EQ(hiscores.Str(level + ".score"), "") << level;
    }
    EXPECT_EQ(std::count(hiscores.bytes.begin(), hiscores.bytes.end(), '\n'),
              std::count(hiscores.bytes.begin(), hiscores.bytes.end(), '\r'));
}

}  // namespace
