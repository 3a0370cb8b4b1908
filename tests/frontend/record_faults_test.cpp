// The record store killed at any moment of its save: "Hiscores.dat" then holds the old
// record or the new one, whole, never the new steps under the old holder's name.
#include <gtest/gtest.h>

#include "framework/settings.h"
#include "frontend/hiscores.h"
#include "frontend/menus.h"
#include "game/player.h"
#include "media/core/file_stream.h"
#include "media/core/text.h"
#include "tests/support/file_faults.h"
#include "tests/support/game_folder.h"
#include "tests/support/temp_dir.h"

namespace {

// Two runs of level 7 taking turns as its record.
void StoreTurn(int round)
{
    CurrentLevel = 7;
    ReplayString = round % 2 ? std::string(300, 'D') : "WDSA";
    StoreRecord(1, round % 2 ? "ANNA" : "BOB");
}

// The same, each record with the frames of its steps.
void StoreTurnWithFrames(int round)
{
    CurrentLevel = 7;
    const bool longRun = round % 2 != 0;
    ReplayString = longRun ? std::string(300, 'D') : "WDSA";
    std::string frames;
    for (int step = 0; step < static_cast<int>(ReplayString.size()); ++step)
        frames += (step > 0 ? " " : "") + std::to_string((longRun ? 5 : 9) + 16 * step);
    StoreRecord(1, longRun ? "ANNA" : "BOB", frames);
}

}  // namespace

TEST(RecordFaults, AKilledRecordStoreLeavesTheOldOrTheNewRecordWhole)
{
    TempDir folder;
    WorkingDir inFolder(folder.Path());
    LastLevel = 9;
    WriteFileBytes("Settings.ini", GameFolder::SettingsLines(9, 1, 0));
    WriteFileBytes("Hiscores.dat", GameFolder::HiscoreLines(9));

    const KilledSaves outcome = KillWhileSaving("Hiscores.dat", StoreTurn, 60);
    EXPECT_GT(outcome.midSave, 0) << "the kills never caught a save in the act";
    for (const std::string& content : outcome.contents) {
        WriteFileBytes("Left.dat", content);
        SetSettingsFile("Left.dat");
        const std::string holder = ReadSettingStr("7.player");
        const std::string steps = ReadSettingStr("7.score");
        SetSettingsFile("Settings.ini");
        EXPECT_TRUE((holder == "bob" && steps == "wdsa") || (holder == "anna" && steps == std::string(300, 'd')))
            << "Hiscores.dat was left with " << holder << " holding " << steps;
        // Apart from the record, the file is as shipped: every other level is still free.
        EXPECT_EQ(ReplaceAll(ReplaceAll(content, "7.player = " + holder, "7.player = none"), "7.score = " + steps,
                             "7.score = "),
                  LowerText(GameFolder::HiscoreLines(9)));
    }
    ReplayString = "";
}

TEST(RecordFaults, AKilledStoreOfARecordWithFramesLeavesItsStepsNameAndFramesTogether)
{
    TempDir folder;
    WorkingDir inFolder(folder.Path());
    LastLevel = 9;
    WriteFileBytes("Settings.ini", GameFolder::SettingsLines(9, 1, 0));
    WriteFileBytes("Hiscores.dat", GameFolder::HiscoreLines(9));
    StoreTurnWithFrames(0);

    const KilledSaves outcome = KillWhileSaving("Hiscores.dat", StoreTurnWithFrames, 40);
    EXPECT_GT(outcome.midSave, 0) << "the kills never caught a save in the act";
    for (const std::string& content : outcome.contents) {
        WriteFileBytes("Left.dat", content);
        SetSettingsFile("Left.dat");
        const std::string holder = ReadSettingStr("7.player");
        const std::string steps = ReadSettingStr("7.score");
        const std::string frames = ReadSettingStr("7.frames");
        SetSettingsFile("Settings.ini");
        const bool bob = holder == "bob" && steps == "wdsa" && frames == "9 25 41 57";
        const bool anna = holder == "anna" && steps == std::string(300, 'd') && frames.starts_with("5 21 37 ") &&
                          frames.ends_with(" 4789");
        EXPECT_TRUE(bob || anna) << "Hiscores.dat was left with " << holder << " holding " << steps << " at "
                                 << frames;
    }
    ReplayString = "";
}
