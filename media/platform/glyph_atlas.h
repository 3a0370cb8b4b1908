// The glyph pictures of one font packed side by side into square pages, each page drawn
// from one texture, so that a line of text is a run of quads from the same texture.
#pragma once

#include <cstdint>
#include <vector>

#include "media/platform/texture.h"

// Where a glyph picture lies: its page and its top-left texel.
struct AtlasPlace {
    int page = 0;
    int x = 0;
    int y = 0;
};

class GlyphAtlas {
public:
    // Pages are pageSide texels square and sampled with the texture flags; `gap` empty
    // texels keep neighbouring pictures from bleeding into each other when filtered.
    GlyphAtlas(int pageSide, int textureFlags, int gap);
    ~GlyphAtlas();
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // Copies a width x height coverage picture in; it is drawn as white pixels of that alpha.
    // `pitch` bytes from one coverage row to the next. False when it does not fit on a page.
    bool Add(const uint8_t* coverage, int width, int height, int pitch, AtlasPlace& place);

    // The page's texture on the open display, made again when the display changed or glyphs
    // were added since; 0 when no texture can be made.
    unsigned TextureOf(int page);

    int PageSide() const { return side_; }
    // The page as its texture holds it: white pixels, the coverage in alpha.
    std::vector<uint8_t> PagePixels(int page) const;

private:
    // Pages keep only the coverage, a quarter of the pixels' bytes; their textures are
    // made white from it.
    struct Page {
        std::vector<uint8_t> coverage;
        // Pictures fill shelves from left to right; a picture too tall or too wide for the
        // current shelf opens a new one below it.
        int shelfX = 0;
        int shelfY = 0;
        int shelfHeight = 0;
        Texture texture;
        bool changed = true;
    };
    bool FindSpace(Page& page, int width, int height, int& x, int& y) const;

    int side_;
    int textureFlags_;
    int gap_;
    std::vector<Page> pages_;
};
