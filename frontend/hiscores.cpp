#include "frontend/hiscores.h"

#include "framework/log.h"
#include "framework/settings.h"
#include "frontend/game_session.h"
#include "frontend/menus.h"
#include "game/game_state.h"
#include "game/level_format.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/step_frames.h"
#include "game/timed_record.h"
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

std::string FramesKey(int level)
{
    return IntToText(level) + ".frames";
}

std::string RecordedSteps(int level)
{
    ScopedSettingsFile hiscores(HiscoresFile);
    return UpperText(ReadSettingStr(ScoreKey(level)));
}

// The frame of each of the record's `steps` steps; none, for a replay letter by letter, when
// L.frames is missing or does not fit them (an older file, one written by hand).
std::vector<int> RecordedFrames(int level, std::size_t steps)
{
    std::string text;
    {
        ScopedSettingsFile hiscores(HiscoresFile);
        text = ReadSettingStr(FramesKey(level));
    }
    std::vector<int> frames;
    std::string misfit = ReadStepFrames(text, ' ', frames);
    if (misfit.empty())
        misfit = StepFramesMisfit(frames, steps);
    if (misfit.empty())
        return frames;
    if (!text.empty()) {
        LogWarning("The frames of the record of level " + IntToText(level) + " do not fit its steps (" + misfit +
                   "): it is replayed letter by letter");
    }
    return {};
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

std::string CheckedStepFrames()
{
    return CheckedStepFrames(LevelFilePath(CurrentLevel), "level " + IntToText(CurrentLevel));
}

std::string CheckedStepFrames(const std::string& levelPath, const std::string& level)
{
    if (ReplaysAsPlayed(levelPath, ReplayString, StepFrames, Player->X, Player->Y))
        return StepFramesText(StepFrames);
    LogWarning("The record of " + level +
               " does not replay frame for frame as it was played: it is stored without its frames");
    return "";
}

void StoreRecord(int newRecord, const std::string& name, const std::string& frames)
{
    if (newRecord != 0) {
        ScopedSettingsFile hiscores(HiscoresFile);
        // Steps, name and frames in one rewrite: a save cut short by a crash or a full disk
        // must not leave the new steps under the old holder's name, or with the old frames.
        std::vector<std::pair<std::string, std::string>> settings = {{ScoreKey(CurrentLevel), ReplayString},
                                                                     {PlayerKey(CurrentLevel), name}};
        // A record without frames clears those of the one it replaces; a file that never had
        // any gets no line for them.
        if (!frames.empty() || !ReadSettingStr(FramesKey(CurrentLevel)).empty())
            settings.emplace_back(FramesKey(CurrentLevel), frames);
        WriteSettings(settings);
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
    Player->ReplayFrames = RecordedFrames(level, Player->ReplayMoves.size());
    GameState = StateReplay;
    TGame::EnterLevel(level);
}
