// When the game is asked to end: the window's close request, or the frame limit of the
// command line (--frames), which ends the game the same way after that many frames.
#pragma once

// 0 = no limit.
void SetFrameLimit(int frames);

// Non-zero once for each close request of the window, and from the moment the frame limit
// is reached on. Every loop of the game tests it before each of its frames.
int WindowAskedToClose();
