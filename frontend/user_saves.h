// The player's own saves for an installed game: "Settings.ini" and "Hiscores.dat" in
// $XDG_DATA_HOME/tindlewick (~/.local/share/tindlewick without it), copied from the installed
// defaults on the first run. A later version that ships more keys adds them to the player's
// files, which keep every value of their own: records, unlocked levels, switches.
#pragma once

#include <string>
#include <vector>

// The saves folder from the environment's values (null for a variable that is unset):
// XDG_DATA_HOME when it is an absolute path, as the XDG rules ask, else HOME's
// .local/share, else the home folder `account` gives; empty when none gives a folder.
std::string SavesFolderFrom(const char* xdgDataHome, const char* home, const char* account);
// The same from this process's environment and account.
std::string SavesFolder();

// The player's lines with every key line of the shipped file whose key they lack added at
// the end; "Levels" takes the shipped value when that is larger, so that levels shipped
// later appear. The player's own lines stay as they are.
std::vector<std::string> MergedSaveLines(const std::vector<std::string>& player,
                                         const std::vector<std::string>& shipped);

// Makes the saves folder and, for each file, copies the shipped one from shippedFolder when
// the player has none, or adds the keys the player's file lacks, rewriting it kill-safe
// only when something was added. Returns the empty text, or a message naming the file or
// folder at fault; a file of the player's that cannot be read is never written over.
std::string PrepareSaves(const std::string& shippedFolder, const std::string& savesFolder,
                         const std::vector<std::string>& files);
