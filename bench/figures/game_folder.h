// The game's data folder as the figure runner needs it: a copy in a temporary folder whose
// settings unlock every level and set the refresh rate, the pictures and sounds linked, not
// copied; the densest shipped level; and the scripted keys that reach it from the start.
#pragma once

#include <string>
#include <vector>

// Makes the folder and returns its path, or the empty text when it cannot. `display`: lines
// of the display keys that take the place of the shipped ones ("Window_scale = 2").
std::string MakeGameFolder(const std::string& data, int refreshRate, const std::vector<std::string>& display = {});
void RemoveGameFolder(const std::string& folder);

struct DensestLevel {
    int number = -1;  // -1: the game ships no levels
    int objects = 0;
};
DensestLevel FindDensestLevel(const std::string& data);

// Writes a script of the keys that take the game from its language screen into `level`;
// returns the frame by which the level is being played.
int WriteScriptToLevel(const std::string& path, int level);
// Writes a script that takes the game from its language screen into the main menu; returns
// the frame by which the menu shows.
int WriteScriptToMenu(const std::string& path);
