// The full screen that switches the screen's mode to the display's own size, for the
// display: finding the mode, switching to it, and telling whether the screen is in it.
// Internal to the media layer.
#pragma once

#include <SDL.h>

#include <string>

// Switches the window's screen to width x height at hertz, or at whatever rate the screen
// has for that size when the rate is refused, preferring a mode of the asked depth; `mode`
// is the one switched to. Returns the empty text, or the message saying it cannot be done.
std::string SwitchScreenMode(SDL_Window* window, int width, int height, int depth, int hertz,
                             SDL_DisplayMode& mode);

// Whether the window's screen shows the size of `mode`.
bool ScreenIsInMode(SDL_Window* window, const SDL_DisplayMode& mode);
