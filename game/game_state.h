// What the main loop is doing. Written by the menus, the pause menu and the finish sequence;
// the player reads it to know whether the arrow keys steer.
#pragma once

enum GameStates {
    StateQuit = 0,
    StateMenu = 1,
    StatePlay = 2,
    StateLeaveLevel = 3,
    StateReplay = 4,
    // The front end's screens for the player's own levels.
    StateEditor = 5,
    StateOwnLevels = 6,
};

extern int GameState;
