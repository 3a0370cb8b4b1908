#include "media/platform/glyph_atlas.h"

#include <algorithm>

#include "media/platform/texture.h"

GlyphAtlas::GlyphAtlas(int pageSide, int textureFlags, int gap)
    : side_(pageSide), textureFlags_(textureFlags), gap_(gap)
{
}

GlyphAtlas::~GlyphAtlas()
{
    for (Page& page : pages_)
        DestroyTexture(page.texture);
}

bool GlyphAtlas::FindSpace(Page& page, int width, int height, int& x, int& y) const
{
    if (page.shelfX + width > side_) {
        page.shelfY += page.shelfHeight + gap_;
        page.shelfX = 0;
        page.shelfHeight = 0;
    }
    if (page.shelfY + height > side_)
        return false;
    x = page.shelfX;
    y = page.shelfY;
    page.shelfX += width + gap_;
    page.shelfHeight = std::max(page.shelfHeight, height);
    return true;
}

bool GlyphAtlas::Add(const uint8_t* coverage, int width, int height, int pitch, AtlasPlace& place)
{
    if (width > side_ || height > side_)
        return false;
    if (pages_.empty() || !FindSpace(pages_.back(), width, height, place.x, place.y)) {
        pages_.emplace_back();
        pages_.back().rgba.assign(static_cast<size_t>(side_) * side_ * 4, 0);
        FindSpace(pages_.back(), width, height, place.x, place.y);
    }
    place.page = static_cast<int>(pages_.size()) - 1;
    Page& page = pages_.back();
    for (int y = 0; y < height; ++y) {
        uint8_t* out = page.rgba.data() + (static_cast<size_t>(place.y + y) * side_ + place.x) * 4;
        for (int x = 0; x < width; ++x, out += 4) {
            out[0] = out[1] = out[2] = 255;
            out[3] = coverage[y * pitch + x];
        }
    }
    page.changed = true;
    return true;
}

unsigned GlyphAtlas::TextureOf(int pageIndex)
{
    Page& page = pages_[pageIndex];
    if (page.changed || page.texture.generation != DisplayGeneration()) {
        DestroyTexture(page.texture);
        page.texture = CreateTexture(page.rgba.data(), side_, side_, textureFlags_);
        page.changed = page.texture.id == 0;
    }
    return page.texture.id;
}
