#include "media/platform/clock.h"

#include <SDL.h>

uint32_t ClockMs()
{
    return static_cast<uint32_t>(SDL_GetTicks64());
}

void SleepMs(int ms)
{
    if (ms > 0)
        SDL_Delay(static_cast<Uint32>(ms));
}
