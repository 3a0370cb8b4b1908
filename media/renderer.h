// The batching renderer under the drawing state, shared by shapes, pictures and text inside
// the media layer. Nothing outside media/ includes this header.
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

// Frees a texture if it still belongs to the open display; otherwise it died with its display.
void DestroyTexture(Texture& texture);

// One corner of a quad: (x, y) relative to the drawing position, before the drawing
// transform; (u, v) the texture coordinates.
struct QuadCorner {
    float x, y;
    float u, v;
};

// Adds a quad to the batch with the drawing colour, alpha and blend mode of the current
// state. The corners go clockwise from the top-left, are turned and scaled by the drawing
// transform and land relative to (x, y). Texture id 0 draws plain colour.
void DrawQuad(unsigned textureId, float x, float y, const QuadCorner corners[4]);
