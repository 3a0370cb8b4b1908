// The pictures, sounds and particle emitters the level objects use. They live for the whole
// run: the front end loads them once at start-up; until then they are Null, and a run
// without a display (the simulator, the tests) gives the emitters no pictures at all.
#pragma once

#include <array>

#include "framework/particles.h"
#include "media/platform/image.h"
#include "media/platform/sound.h"

// By variant or colour index 0..2.
extern std::array<Image, 3> WallImages;
extern std::array<Image, 3> FloorImages;
extern std::array<Image, 3> GateImages;
// Frame 0 up, frame 1 down.
extern std::array<Image, 3> ActiveButtonImages;
extern std::array<Image, 3> StaticButtonImages;

extern Image CoinImage;
extern Image KeyImage;
extern Image GoalImage;
extern Image WoodyImage;
extern Image BoxyImage;
extern Image BoulderImage;
// Frame 0 eyes open, frame 1 blinking; unrotated when facing up.
extern Image PlayerImage;

extern Sound SndButton;
extern Sound SndPickie;
extern Sound SndSteps;
extern Sound SndPushy;

extern Emitter CoinSparkles;
extern Emitter KeySparkles;
extern Emitter WoodSplinters;

// Every sound of the rules starts through this, on a fresh channel. It starts the sound on
// the device; the simulator silences it and tests listen to it.
extern void (*StartEffect)(const Sound& sound);

// Gives the three emitters as many empty picture slots as the real ones have pictures, so
// that bursts draw the same random numbers, and adds them to Emitters. For runs without a
// display, which never draw; nothing when the emitters are there already.
void UsePicturelessEmitters();
// Takes the picture-less emitters out of Emitters again, particles and all, and leaves the
// three Null; emitters with pictures stay.
void DropPicturelessEmitters();
