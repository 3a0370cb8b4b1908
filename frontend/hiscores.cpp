#include "frontend/hiscores.h"

#include "framework/settings.h"
#include "frontend/menus.h"
#include "game/game_state.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "media/core/text.h"

std::array<std::array<std::string, 2>, LevelSlots> LevelHiscore;

namespace {

std::string PlayerKey(int level)
{
    return IntToText(level) + ".player";
}

std::string ScoreKey(int level)
{
    return IntToText(level) + ".score";
}

std::string RecordedSteps(int level)
{
    ScopedSettingsFile hiscores(HiscoresFile);
    return UpperText(ReadSettingStr(ScoreKey(level)));
}

}  // namespace

int DecideRecord()
{
    ScopedSettingsFile hiscores(HiscoresFile);
    // Read in every case; only the value "none" marks a level without a record.
    const bool free = ReadSettingStr(PlayerKey(CurrentLevel)) == "none";
    if (CoinsInLevel > CoinsTaken)
        return 0;
    if (free)
        return 1;
    // The step onto the goal is not counted yet, so MoveCount is the record's length. An
    // equal number of steps leaves the older record standing.
    const auto stored = static_cast<int>(ReadSettingStr(ScoreKey(CurrentLevel)).size());
    return stored > MoveCount ? 1 : 0;
}

void StoreRecord(int newRecord, const std::string& name)
{
    if (newRecord != 0) {
        ScopedSettingsFile hiscores(HiscoresFile);
        // Steps and name in one rewrite: a save cut short by a crash or a full disk must not
        // leave the new steps under the old holder's name.
        WriteSettings({{ScoreKey(CurrentLevel), ReplayString}, {PlayerKey(CurrentLevel), name}});
    }
    ReadHiscoreTable();
}

void ReadHiscoreTable()
{
    ScopedSettingsFile hiscores(HiscoresFile);
    for (int level = 0; level <= LastLevel; ++level) {
        LevelHiscore[level][0] = UpperText(ReadSettingStr(PlayerKey(level)));
        LevelHiscore[level][1] = ReadSettingStr(ScoreKey(level));
    }
}

void StartReplay(int level)
{
    Player->ReplayMoves = RecordedSteps(level);
    GameState = StateReplay;
    Map::Load(LevelFilePath(level));
    CurrentLevel = level;
}
