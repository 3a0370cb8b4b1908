// The installed game: its data found beside its own program file, so that a package can be
// moved and a test can install into a folder of its own, read from there and never written;
// the player's "Settings.ini" and "Hiscores.dat" kept in the player's saves folder.
#pragma once

#include <string>

// The data folder the program's file finds at TINDLEWICK_INSTALLED_DATA from its own
// folder; empty when that holds no "Settings.ini", as for a program in its build folder.
std::string InstalledDataFolder(const std::string& programFile);

// Enters the data folder and keeps the player's files in the saves folder, seeded or
// brought up to date from the data folder. Returns the empty text, or a message naming the
// folder or file at fault.
std::string EnterInstalledGame(const std::string& dataFolder, const std::string& savesFolder);
