// Textures of the open display, and the generation that tells them from the textures of the
// displays before it. The renderer starts and stops textures with the display's OpenGL
// context and binds them for its draw calls; pictures and fonts make and free them.
#pragma once

#include <cstdint>

// A texture of the open display. Textures die with the display that made them: their
// owners compare `generation` with DisplayGeneration() and make them again when it differs.
struct Texture {
    unsigned id = 0;
    int generation = 0;
};

// Texture sampling, from the image flags: 2 filtered (bilinear), 4 mipmapped.
enum TextureFlags {
    TextureFiltered = 2,
    TextureMipmapped = 4,
};

// Makes a texture of width x height RGBA pixels (top row first) on the open display,
// clamped to its edges. Returns a texture with id 0 when there is no display.
Texture CreateTexture(const uint8_t* rgba, int width, int height, int flags);

// The same for a picture of white pixels whose alpha is `coverage`, a byte a pixel, as
// glyphs are: the texture holds exactly what CreateTexture would of the RGBA picture.
Texture CreateCoverageTexture(const uint8_t* coverage, int width, int height, int flags);

// Frees a texture if it still belongs to the open display; otherwise it died with its display.
void DestroyTexture(Texture& texture);

// Raised by one each time a display is opened or closed; never 0. Textures remember the
// generation they were made for.
int DisplayGeneration();
// The generation that follows `generation`: one more, skipping 0 when it wraps.
int NextDisplayGeneration(int generation);

// The renderer's side. StartTextures and StopTextures each raise the generation: the
// renderer calls them as the display's context comes and goes. Where the picture is shown
// at a whole factor above 1 (`crisp`), textures are magnified by their nearest texel,
// whatever their flags, so that every layout pixel becomes a square of one colour.
void StartTextures(bool crisp);
// Crisp magnification on or off for every texture of the display, from now on: off while
// the layout's own picture is drawn for a screenshot, as an unscaled display draws it.
void MagnifyCrisply(bool crisp);
void StopTextures();
// Binds a texture for the next draw call; 0 binds plain white, so quads draw their colour.
void BindTexture(unsigned id);
// Which picture a texture name holds now: names of freed textures are given out again, so
// the name alone does not tell two frames' pictures apart.
uint32_t TextureSerial(unsigned id);
// Frees the textures destroyed since the last call, once the frame that may still draw them
// has been drawn.
void DeleteDoomedTextures();
// Called once a frame has been drawn. The first frames that draw new textures may have the
// driver compile the code that samples them, and its compiler leaves megabytes free but
// resident in the heap: they go back to the system once no texture was made for half a
// second, when a new screen has settled.
void ReturnCompilerMemory();
