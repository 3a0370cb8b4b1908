#include "game/game_state.h"

int GameState = StateMenu;
