#include "media/decode/truetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// One FreeType library for every face; it goes when the last face does, whatever order the
// program's globals are destroyed in.
std::shared_ptr<FT_LibraryRec_> SharedLibrary()
{
    static std::weak_ptr<FT_LibraryRec_> shared;
    std::shared_ptr<FT_LibraryRec_> library = shared.lock();
    if (library)
        return library;
    FT_Library made = nullptr;
    if (FT_Init_FreeType(&made) != 0)
        return nullptr;
    library.reset(made, FT_Done_FreeType);
    shared = library;
    return library;
}

// 26.6 fixed point to whole pixels; FreeType has already rounded hinted values.
int WholePixels(FT_Pos value)
{
    return static_cast<int>((value + 32) >> 6);
}

}  // namespace

struct TrueTypeFace {
    std::shared_ptr<FT_LibraryRec_> library;
    FT_Face face = nullptr;
};

void TrueTypeFaceCloser::operator()(TrueTypeFace* face) const
{
    if (face->face)
        FT_Done_Face(face->face);
    delete face;
}

TrueTypeFacePtr OpenTrueTypeFace(const std::string& path, int pixelSize)
{
    TrueTypeFacePtr face(new TrueTypeFace);
    face->library = SharedLibrary();
    if (!face->library || FT_New_Face(face->library.get(), path.c_str(), 0, &face->face) != 0) {
        face->face = nullptr;
        return nullptr;
    }
    for (int size = pixelSize; size >= 1; --size)
        if (FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(size)) == 0)
            return face;
    return nullptr;
}

FaceMetrics MetricsOf(const TrueTypeFace& face)
{
    const FT_Size_Metrics& metrics = face.face->size->metrics;
    return {WholePixels(metrics.height), WholePixels(metrics.ascender),
            WholePixels(metrics.descender)};
}

bool RenderGlyph(TrueTypeFace& face, unsigned codePoint, RenderedGlyph& glyph)
{
    FT_UInt index = FT_Get_Char_Index(face.face, codePoint);
    if (index == 0 || FT_Load_Glyph(face.face, index, FT_LOAD_RENDER) != 0)
        return false;
    FT_GlyphSlot slot = face.face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = WholePixels(slot->advance.x);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    // Faces with embedded bitmaps may give one bit a pixel instead of grey levels.
    bool oneBit = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < glyph.height; ++y) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x)
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] =
                oneBit ? ((row[x / 8] >> (7 - x % 8)) & 1) * 255 : row[x];
    }
    return true;
}
