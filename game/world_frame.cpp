#include "game/world_frame.h"

#include "framework/particles.h"
#include "game/game_object.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/switches.h"

int WorldFrame = 0;

void UpdateWorld()
{
    ++WorldFrame;
    if (KeysTaken >= KeysInLevel)
        GoalOpen = 1;
    TGameObject::UpdateAll();
    UpdateEmitters();
}

bool WorldAtRest(Rest rest)
{
    for (const GameObject& member : LevelObjects) {
        if (member->Moving != 0)
            return false;
        if (rest == Rest::NothingPending && member->Kind == ObjectKind::ButtyActive) {
            const auto& button = static_cast<const TButty_Active&>(*member);
            if (button.HoldTimer > 0 || (button.Pressed != 0 && !button.Held()))
                return false;
        }
    }
    return true;
}
