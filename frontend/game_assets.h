// The front end's sounds, fonts and pictures, and the loading of every asset of the game.
// All are loaded once at start-up and live for the whole run; pictures and fonts survive
// the switch between window and full screen.
#pragma once

#include "media/platform/font.h"
#include "media/platform/image.h"
#include "media/platform/sound.h"

extern Font FontLarge;  // 26 pixels: titles, entries, the status bar
extern Font FontSmall;  // 20 pixels: the credit line

extern Image FlagFinImage;  // the language screen only
extern Image FlagGbImage;
extern Image LogoImage;        // above the menus
extern Image BackgroundImage;  // the background strips of every screen

extern Sound SndSelect;
extern Sound SndEnter;
extern Sound SndBye;
extern Sound Music;
// The music's one channel: prepared paused at start-up, then only halted and continued.
extern Channel MusicChannel;

// The seven effects, then the looping music, prepared paused at three quarters volume.
// Sounds are not checked: one that cannot be loaded stays silent.
void LoadSounds();

// Opens the display from "Settings.ini", which is left the current settings file. With
// displayOnly 0 it then loads the fonts, the level pictures and the particle emitters; with
// displayOnly non-zero (after a switch of display mode) it empties the level and the
// particles instead and loads nothing. A missing picture ends the program with its path.
void LoadGameAssets(int displayOnly);

// The two flags, unchecked: without them the language screen still works.
void LoadFlagImages();
// The logo and the background strip, checked.
void LoadScreenImages();
