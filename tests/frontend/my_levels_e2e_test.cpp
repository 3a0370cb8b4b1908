// MY LEVELS, played through the real binary from the main menu: the player's level files
// listed with their titles, the par the solver proves for them while the list is shown, and
// their records, which playing one to its goal with every coin makes and keeps in a file of
// their own, never in "Hiscores.dat". A level opened in the editor and saved again is the
// same file byte for byte; deleting one asks first; files that are no level are listed,
// never played.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/own_records.h"
#include "game/level_format.h"
#include "tests/support/game_folder.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

// The language screen, then the main menu's fifth entry.
const std::string ToMyLevels = "3 press Enter\n6 press Down\n8 press Down\n10 press Down\n12 press Down\n14 press Enter\n";
// From MY LEVELS back to the menu, and its last entry, QUIT.
std::string QuitFrom(int frame)
{
    return std::to_string(frame) + " press Escape\n" + std::to_string(frame + 4) + " press Down\n" +
           std::to_string(frame + 6) + " press Enter\n";
}

const std::vector<std::string> Corridor = {"#######", "#@$.*.#", "#######"};

std::string RecordsKey(const std::string& levelBytes, const std::string& field)
{
    LevelData level;
    EXPECT_EQ(DecodeLevel(levelBytes, level).kind, LevelFaultKind::None);
    return LevelFingerprintText(level) + "." + field + " = ";
}

TEST(MyLevels, AListedLevelGetsItsParAndARecordOfItsOwnAndSavesBackUnchanged)
{
    GameFolder game;
    std::filesystem::create_directory(game.File("levels"));
    WriteLevel(game.File("levels/corridor.lev"), Corridor, {}, "For a friend");
    const std::string level = game.Read("levels/corridor.lev");
    const std::string hiscores = game.Read("Hiscores.dat");
    const std::string script =
        ToMyLevels +
        // The solver's answer comes within the frames the list is shown; then play it.
        "40 press Enter\n45 down Right\n85 up Right\n95 press A\n97 press N\n99 press N\n101 press A\n105 press Enter\n"
        // Back on the list: open it in the editor, save it, back to the list.
        "115 press E\n120 press S\n125 press Escape\n" + QuitFrom(135);
    const GameResult run =
        game.Run(script, "--frames 400 --screenshot 38:list.png --screenshot 112:record.png --screenshot 122:saved.png");
    EXPECT_EQ(run.status, 0) << run.errors;

    const std::string records = game.Read(OwnRecordsFile);
    EXPECT_NE(records.find(RecordsKey(level, "par") + "2\r\n"), std::string::npos) << records;
    EXPECT_NE(records.find(RecordsKey(level, "player") + "anna\r\n"), std::string::npos) << records;
    EXPECT_NE(records.find(RecordsKey(level, "score") + "dd\r\n"), std::string::npos) << records;
    EXPECT_EQ(game.Read("Hiscores.dat"), hiscores);
    EXPECT_EQ(game.Read("levels/corridor.lev"), level);
    for (const char* shot : {"list.png", "record.png", "saved.png"})
        EXPECT_FALSE(ReadFileBytes(game.Shot(shot)).empty()) << shot;
}

TEST(MyLevels, DeletingAsksFirstAndForgetsTheLevelsRecords)
{
    GameFolder game;
    std::filesystem::create_directory(game.File("levels"));
    WriteLevel(game.File("levels/a.lev"), Corridor, {}, "Keep me");
    WriteLevel(game.File("levels/b.lev"), Corridor, {}, "Delete me");
    // Down to the second; Delete, Escape keeps it; Delete, Enter deletes it.
    const std::string script = ToMyLevels + "30 press Down\n32 press Delete\n34 press Escape\n36 press Delete\n"
                               "38 press Enter\n" + QuitFrom(50);
    const GameResult run = game.Run(script, "--frames 200 --screenshot 37:confirm.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(std::filesystem::exists(game.File("levels/a.lev")));
    EXPECT_FALSE(std::filesystem::exists(game.File("levels/b.lev")));
    EXPECT_FALSE(ReadFileBytes(game.Shot("confirm.png")).empty());
}

TEST(MyLevels, FilesThatAreNoPlayableLevelAreListedButNeverPlayed)
{
    GameFolder game;
    std::filesystem::create_directory(game.File("levels"));
    game.Write("levels/broken.lev", LevelBytes(Corridor).substr(0, 300));
    WriteLevel(game.File("levels/draft.lev"), {"#######", "#.$.*.#", "#######"}, {}, "No start");
    // Enter on each: the screen says why and stays; the frame after shows the list again.
    const std::string script = ToMyLevels + "20 press Enter\n22 press Down\n24 press Enter\n" + QuitFrom(40);
    const GameResult run = game.Run(script, "--frames 200 --screenshot 21:broken.png --screenshot 26:draft.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(game.File(OwnRecordsFile)));
}

TEST(MyLevels, ALevelThatCannotBeDoneWithEveryCoinIsToldSo)
{
    GameFolder game;
    std::filesystem::create_directory(game.File("levels"));
    // The coin lies behind walls; the goal is open.
    WriteLevel(game.File("levels/walled.lev"), {"#########", "#@..*#$##", "#########"}, {}, "Walled coin");
    const std::string level = game.Read("levels/walled.lev");
    const GameResult run = game.Run(ToMyLevels + QuitFrom(60), "--frames 200 --screenshot 50:nopar.png");
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string records = game.Read(OwnRecordsFile);
    EXPECT_NE(records.find(RecordsKey(level, "par") + "none\r\n"), std::string::npos) << records;
}

}  // namespace
