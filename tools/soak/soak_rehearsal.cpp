#include "tools/soak/soak_rehearsal.h"

#include <filesystem>
#include <unistd.h>

#include "game/game_state.h"
#include "game/level_loader.h"
#include "game/player.h"

namespace fs = std::filesystem;

// The loader opens the level for writing too, so the rehearsal plays a copy. The level's
// first frame is the game's frame after the one that loads it.
SoakRehearsal::SoakRehearsal(const std::string& levelPath, int enterFrame)
    : copy_((fs::temp_directory_path() / ("tindlewick-soak-rehearsal-" + std::to_string(getpid()) + ".lev")).string()),
      next_(enterFrame + 2)
{
    fs::copy_file(levelPath, copy_, fs::copy_options::overwrite_existing);
    GameState = StatePlay;
    world_.KeepUndoHistory(true);
    world_.Load(copy_);
}

SoakRehearsal::~SoakRehearsal()
{
    world_.LeaveLevel();
    std::error_code ignored;
    fs::remove(copy_, ignored);
}

void SoakRehearsal::RunUntil(int frame)
{
    for (; next_ <= frame; ++next_)
        world_.PlayFrame(NoArrows);
}

bool SoakRehearsal::WouldEnterTheGoal(int direction) const
{
    if (Player->Moving != 0 || KeysTaken < KeysInLevel)
        return false;
    float x, y;
    StepTarget(direction, Player->X, Player->Y, x, y);
    for (const GameObject& member : LevelObjects) {
        if (member->Kind == ObjectKind::Goal && member->X == x && member->Y == y)
            return true;
    }
    return false;
}

int SoakRehearsal::Hold(int direction, int downFrame, int frames)
{
    RunUntil(downFrame);
    int held = 0;
    while (held < frames && !WouldEnterTheGoal(direction)) {
        world_.PlayFrame(ArrowOf(direction));
        ++held;
    }
    next_ = downFrame + held + 1;
    return held;
}

void SoakRehearsal::Pause(int escapeFrame, int pausedFrames)
{
    RunUntil(escapeFrame);
    next_ = escapeFrame + pausedFrames + 1;
}

void SoakRehearsal::StepKey(bool undo, int frame)
{
    RunUntil(frame);
    if (undo)
        world_.Undo();
    else
        world_.Redo();
}

void SoakRehearsal::RestartKey(int frame)
{
    RunUntil(frame);
    world_.Restart();
}

void SoakRehearsal::Restart(int escapeFrame, int enterFrame)
{
    RunUntil(escapeFrame);
    world_.Restart();
    next_ = enterFrame + 2;
}
