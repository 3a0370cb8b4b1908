// SDL's key codes translated to the Windows virtual-key codes the game reads.
#pragma once

#include <SDL.h>

// The virtual-key code of an SDL key, or 0 for a key the game has no code for.
int VirtualKeyCode(SDL_Keycode key);
