#include "media/platform/window_placement.h"

#include <algorithm>

#include "media/platform/display_fit.h"

SDL_Rect UsableArea()
{
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
        SDL_GetDisplayBounds(0, &usable);
    return usable;
}

SDL_Window* MakeWindow(const std::string& title, int width, int height, bool centred, Uint32 flags)
{
    SDL_Rect desktop{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &desktop);
    int x = desktop.x + 32;
    int y = desktop.y + 32;
    if (centred) {
        const SDL_Rect usable = UsableArea();
        x = usable.x + std::max(0, (usable.w - width) / 2);
        y = usable.y + std::max(0, (usable.h - TitleBarAllowance - height) / 2) + TitleBarAllowance;
    }
    // SDL places a window by its client area, which is what the game lays out.
    return SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
}

SDL_Window* MakeDesktopFullScreen(const std::string& title, Uint32 flags)
{
    SDL_Rect desktop{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &desktop);
    return SDL_CreateWindow(title.c_str(), desktop.x, desktop.y, desktop.w, desktop.h,
                            flags | SDL_WINDOW_FULLSCREEN_DESKTOP);
}
