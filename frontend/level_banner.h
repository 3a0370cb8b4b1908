// The level's number and title over the top of the play field: they fade in when a level
// starts, restarts or is replayed, stay about two seconds and fade out again. The pause menu
// shows them too, above its title.
#pragma once

// Starts the banner from its first frame.
void ShowLevelBanner();
// One frame of the banner while the level moves; a paused frame neither draws nor ages it.
void DrawLevelBanner();
// The banner's text, in full, for the pause menu.
void DrawPausedLevelName(int y);
