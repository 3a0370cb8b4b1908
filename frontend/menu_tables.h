// The menus of the chosen language, read once from its language file: up to eight menus of
// up to twelve entries, each entry with a caption and an action. Menus 0 to 2 are general
// (menu 2 holds the music and display switches), menus 3 to 7 are the level pages.
#pragma once

#include <array>
#include <string>

constexpr int MaxMenus = 8;
constexpr int MaxMenuEntries = 12;
// Menu 2: entry 0 switches the music, entry 1 the display mode.
constexpr int SwitchMenu = 2;
constexpr int MusicEntry = 0;
constexpr int DisplayEntry = 1;

// Every text in upper case. Filled once for the run; only the switch captions change.
extern int NumberOfMenus;
extern std::array<std::string, MaxMenus> MenuTitle;
extern std::array<std::string, MaxMenus> MenuHelpText;
extern std::array<int, MaxMenus> MenuEntryCount;
extern std::array<std::array<std::string, MaxMenuEntries>, MaxMenus> MenuEntryText;
extern std::array<std::array<std::string, MaxMenuEntries>, MaxMenus> MenuEntryAction;
extern std::string HiscoreCaption;

// Non-zero while the music plays; from "Music" in "Settings.ini", changed by the switch.
extern int MusicOn;

// Open the level editor and MY LEVELS; a language file without them has no way into either.
inline constexpr char EditorAction[] = "EDITOR";
inline constexpr char MyLevelsAction[] = "MY_LEVELS";

// Whether an action shows a menu: every action but the six named ones names the number of
// the menu it shows, the empty one menu 0.
bool NamesAMenu(const std::string& action);

namespace TMenu {
// With the language file current: reads the menus, then the level flags and the music
// switch from "Settings.ini" and the best results from "Hiscores.dat", starts the music if
// it is on, and leaves "Settings.ini" current. A file whose menus do not fit the tables, or
// whose action names a menu it does not define, ends the program naming the file and key.
void LoadMenus();
}  // namespace TMenu
