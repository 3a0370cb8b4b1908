// What the gamepad's buttons stand for, screen by screen. In play and the menus: the d-pad
// and the left stick the arrows, A Enter, B and Start Escape, Y F1, X undo (Z), the left
// shoulder redo (Y) and the right one restart (R). Where a key would surprise a pad player,
// the screen gives the buttons other keys.
#pragma once

#include "media/platform/input.h"

// Play, the pause menu, the menus and a finish screen without a record.
PadKeys PlayPadKeys();
// The language screen: A and Start choose, and B does nothing, because Escape there ends the
// game at once, before anything has been shown.
PadKeys LanguagePadKeys();
// Typing a name: only Start stands for a key (Escape, which closes the screen and keeps the
// name); the name entry reads the other buttons itself.
PadKeys NamePadKeys();
