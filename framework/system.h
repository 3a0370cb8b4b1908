// Display start-up from the settings file, and the checked picture loaders: every game
// picture goes through them, so a missing or broken file stops the program at once with
// its name instead of failing later.
#pragma once

#include <string>

#include "framework/particles.h"
#include "media/platform/image.h"

// Filled by LoadDevice from the settings file and handed to OpenDisplay; read afresh at
// every LoadDevice (start-up, and each switch between window and full screen).
extern int GraphicsWidth;
extern int GraphicsHeight;
extern int ColorDepth;   // 0 = a window, otherwise full screen with that many bits per pixel
extern int RefreshRate;  // frames per second for PresentFrame(-1); 0 = no pacing
extern std::string GraphicsDriverName;  // "opengl" or "directx", lower case

namespace TWisp_System {
// Opens the display from the keys "Graphics_width", "Graphics_height", "Color_depth",
// "Refresh_rate" and "Driver" of the settings file, which becomes the current one. A
// display that cannot be opened ends the program.
void LoadDevice(const std::string& settingsFile);
}  // namespace TWisp_System

void LoadDevice(const std::string& settingsFile);

// Never Null: a picture that cannot be loaded ends the program with
// "Failed to load image " + path. Flags -1 stand for the default flags.
Image LoadImageLogged(const std::string& path, int flags);
Image LoadImageCellsLogged(const std::string& path, int cellW, int cellH, int firstCell,
                           int cellCount, int flags);

// An emitter whose imageCount pictures come from the files baseName.0.extension,
// baseName.1.extension and so on, masked and filtered, with centred handles; it is added to
// Emitters for the rest of the run.
Emitter LoadEmitter(const std::string& baseName, int imageCount, const std::string& extension);
