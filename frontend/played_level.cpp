#include "frontend/played_level.h"

#include "frontend/level_titles.h"
#include "frontend/menus.h"
#include "game/game_state.h"
#include "game/level_loader.h"
#include "media/core/text.h"

LevelOrigin PlayedFrom = LevelOrigin::Campaign;
LevelData PlayedLevel;
std::string PlayedFile;

int StateAfterLevel()
{
    switch (PlayedFrom) {
    case LevelOrigin::Editor: return StateEditor;
    case LevelOrigin::OwnLevels: return StateOwnLevels;
    case LevelOrigin::CommandLine: return StateQuit;
    default: return StateMenu;
    }
}

std::string PlayedLevelName()
{
    return PlayedFrom == LevelOrigin::Campaign ? LevelName(CurrentLevel) : UpperText(LevelTitle);
}
