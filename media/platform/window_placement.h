// Where the display's window stands on the desktop: the design's window 32 pixels from the
// desktop's corner, a larger one centred on the usable area, and a full screen at the
// desktop's own mode covering the screen. Internal to the display.
#pragma once

#include <SDL.h>

#include <string>

// The desktop's area that windows may use, below and beside its panels.
SDL_Rect UsableArea();

// A window whose client area is width x height; `centred` on the usable area with its title
// bar, else with its client area 32 pixels from the desktop's top-left corner.
SDL_Window* MakeWindow(const std::string& title, int width, int height, bool centred, Uint32 flags);

// A full screen at the desktop's own mode, made covering the screen from the start: where no
// window manager answers the request for a full screen, the window is that large all the same.
SDL_Window* MakeDesktopFullScreen(const std::string& title, Uint32 flags);
