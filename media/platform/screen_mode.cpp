#include "media/platform/screen_mode.h"

namespace {

bool ModeFitsDepth(const SDL_DisplayMode& mode, int depth)
{
    return static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == depth ||
           static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8 == depth;
}

// A screen mode of exactly width x height (at `hertz` unless it is 0), of the asked depth
// when the screen has one.
bool FindScreenMode(int screen, int width, int height, int depth, int hertz, SDL_DisplayMode& found)
{
    bool any = false;
    for (int i = 0; i < SDL_GetNumDisplayModes(screen); ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(screen, i, &mode) != 0 || mode.w != width || mode.h != height)
            continue;
        if (hertz != 0 && mode.refresh_rate != hertz)
            continue;
        if (!any || (ModeFitsDepth(mode, depth) && !ModeFitsDepth(found, depth)))
            found = mode;
        any = true;
    }
    return any;
}

}  // namespace

std::string SwitchScreenMode(SDL_Window* window, int width, int height, int depth, int hertz,
                             SDL_DisplayMode& mode)
{
    const int screen = SDL_GetWindowDisplayIndex(window);
    // A mode refused at the asked rate is tried once more at whatever rate the screen has.
    for (int rate : {hertz, 0}) {
        if (FindScreenMode(screen, width, height, depth, rate, mode) &&
            SDL_SetWindowDisplayMode(window, &mode) == 0 &&
            SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0)
            return "";
        if (rate == 0)
            break;
    }
    return "The screen cannot be switched to " + std::to_string(width) + " x " + std::to_string(height) +
           " x " + std::to_string(depth) + " at " + std::to_string(hertz) + " Hz.";
}

bool ScreenIsInMode(SDL_Window* window, const SDL_DisplayMode& mode)
{
    SDL_DisplayMode current;
    return SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window), &current) == 0 &&
           current.w == mode.w && current.h == mode.h;
}
