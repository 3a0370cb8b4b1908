// The loop that runs for the whole game after the language screen: one pass a frame,
// dispatched on GameState, paced by the display's refresh rate.
#pragma once

// Returns after the quit state (farewell sound and its 800 ms), or at once when the window
// asks to close.
void RunMainLoop();
