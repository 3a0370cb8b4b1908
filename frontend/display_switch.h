// The switch between window and full screen: the display entry of the settings menu, and
// Alt+Enter on every screen where "Settings.ini" names a kind of full screen. Each writes
// the choice as "color_depth", and the entry's caption says what the display really shows.
#pragma once

// Whether the open display is a full screen; before one is open, whether the settings ask
// for one.
bool ShowsFullScreen();

// The display entry's caption ends in the word for what is shown.
void ShowDisplayInCaption();

// The menu action "CHANGE_DISP": the display opened again in the other mode, the level and
// the particles emptied. Without the new display keys, a screen that cannot switch its
// mode keeps the window and the setting.
void SwitchDisplayFromMenu();

// From now on Alt+Enter switches the display, where the current settings file names a kind
// of full screen; the level, the drawing colours and the font stay as they were.
void EnableDisplaySwitchKeys();

// The backdrop shows only around a picture that does not fill a full screen at the
// desktop's mode. Where the settings name a kind of full screen it frames the game in
// black, as it does after every switch of the display; without them it stays as it is.
void ShowBackdropAroundThePicture();
