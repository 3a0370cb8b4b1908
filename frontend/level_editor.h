// The level editor's screen, shown while the game state is StateEditor: the level drawn on
// the game's lattice, a palette of the parts drawn with the framework's widgets, painting
// with the left mouse button (dragging paints a line) and erasing with the right one, and
// the same from the keyboard: the arrows move a cursor, Q and E choose the tool before or
// after, Space paints and X erases at the cursor. Z undoes a stroke and Y makes it again, N
// types the title (Enter or Escape ends it), T plays the level in the real game session
// (Escape there comes back), S saves it, Escape goes back to the menu.
#pragma once

#include <string>

#include "game/level_format.h"

// The editor opened from the menu, with the level it had when it was left; Escape goes back
// to the menu.
void EnterEditor();
// The editor opened from MY LEVELS on one of its files, or on a new level that gets a file
// of its own when first saved; Escape goes back to MY LEVELS.
void EditLevelFile(const LevelData& level, const std::string& fileName);
void EditNewLevel();
// One frame of the editor.
void RunEditorFrame();

// Whether the main loop must keep the mouse's held buttons from frame to frame.
bool EditorFollowsTheMouse();
