// What happens when the player steps onto the open goal: a screen of its own with the
// outcome (and, for a new record, the name being typed), then the next level is unlocked,
// the record stored, and the game goes back to the menu.
#pragma once

// Runs inside the player's step onto the goal and returns once Enter or Escape closed the
// screen, or the window asked to close (the game then ends after the unlock and the record
// are written). Installed as the game world's FinishSequence at start-up.
void RunFinishSequence();
