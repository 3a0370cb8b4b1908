#include "game/world_frame.h"

#include "framework/particles.h"
#include "game/game_object.h"
#include "game/level_loader.h"
#include "game/player.h"

void UpdateWorld()
{
    if (KeysTaken >= KeysInLevel)
        GoalOpen = 1;
    TGameObject::UpdateAll();
    UpdateEmitters();
}
