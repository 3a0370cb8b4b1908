// The game from start to end: loading, the language screen and the main loop.
#pragma once

// Runs the whole game and returns 0 when it ends normally. A second call returns at once.
int Main();
