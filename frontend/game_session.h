// The play screen: one frame of a level being played or replayed, with the status bar, the
// replay caption and the pause menu (resume, restart, leave), and the keys that undo a step
// (Z or Backspace), redo it (Y) and restart the level (R). Escape in the editor's test play
// goes straight back to the editor.
#pragma once

#include "frontend/played_level.h"

// Both are cleared when a level is left. While paused nothing moves; the level is still
// drawn, frozen under the pause menu.
extern int Paused;
extern int PauseChoice;  // 0 resume, 1 restart, 2 leave

namespace TGame {
// Loads the level of that number for play or a replay, the game state already set, and
// makes it the current level. Key hits made before are dropped, and the level's name shows.
void EnterLevel(int level);
// The same for a level of the player's own, played from `origin`, never Campaign.
void EnterOwnLevel(const LevelData& level, LevelOrigin origin);
// Does nothing unless the game state is play or replay.
void Frame();
// Forgets the steps that could be undone or redone: the level is being left.
void ForgetSteps();
}  // namespace TGame
