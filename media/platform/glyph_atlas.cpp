#include "media/platform/glyph_atlas.h"

#include <algorithm>
#include <cstddef>

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
        pages_.back().coverage.assign(static_cast<size_t>(side_) * side_, 0);
        FindSpace(pages_.back(), width, height, place.x, place.y);
    }
    place.page = static_cast<int>(pages_.size()) - 1;
    Page& page = pages_.back();
    for (int y = 0; y < height; ++y)
        std::copy_n(coverage + y * pitch, width, page.coverage.begin() + static_cast<std::ptrdiff_t>((place.y + y) * side_ + place.x));
    page.changed = true;
    return true;
}

unsigned GlyphAtlas::TextureOf(int pageIndex)
{
    Page& page = pages_[pageIndex];
    if (page.changed || page.texture.generation != DisplayGeneration()) {
        DestroyTexture(page.texture);
        page.texture = CreateCoverageTexture(page.coverage.data(), side_, side_, textureFlags_);
        page.changed = page.texture.id == 0;
    }
    return page.texture.id;
}

std::vector<uint8_t> GlyphAtlas::PagePixels(int page) const
{
    const std::vector<uint8_t>& coverage = pages_[page].coverage;
    std::vector<uint8_t> rgba(coverage.size() * 4, 255);
    for (std::size_t i = 0; i < coverage.size(); ++i)
        rgba[i * 4 + 3] = coverage[i];
    return rgba;
}
