// Presents that send the window only what changed. Where Mesa's software renderer draws
// for an X server, a flip sends the whole picture to the server, which costs the game and
// the server in proportion to the window's pixels, however little changed; at a scale of 2
// that is four times the pixels of the game's own size. With GLX_MESA_copy_sub_buffer the
// display sends only the rectangles the frame changed, and the back buffer keeps its
// picture, as partial redraws need. Internal to the display.
#pragma once

#include <SDL.h>

#include "media/decode/frame_pixels.h"
#include "media/platform/renderer.h"

// Whether presents of the window can send parts: the window is drawn through GLX with the
// extension. Asked once for each display, after its context was made.
bool StartPartialPresents(SDL_Window* window);
void StopPartialPresents();
bool PartialPresents();

// Sends the window what changed on the back buffer since the last present, for a picture
// at `area` of a drawable `drawableWidth` x `drawableHeight`; with `whole`, all of it.
void PresentChanges(const FrameChanges& changes, const PictureArea& area, int drawableWidth, int drawableHeight);

// What the X server shows of the window, width x height pixels from its corner; empty
// without partial presents.
FramePixels ReadWindowPixels(int width, int height);
