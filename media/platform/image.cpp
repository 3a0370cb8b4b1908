#include "media/platform/image.h"

#include <algorithm>

#include "media/decode/picture_decode.h"
#include "media/platform/image_data.h"
#include "media/platform/renderer.h"
#include "media/platform/texture.h"

namespace {

// Lives for the whole run, whatever display is open.
constexpr int StandardImageFlags = ImageMasked | ImageFiltered;
MaskKey currentMaskKey;

// The pixels of one cell of the picture, copied out row by row.
std::vector<uint8_t> CutCell(const Picture& picture, int left, int top, int width, int height)
{
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        auto from = picture.rgba.begin() + (static_cast<size_t>(top + y) * picture.width + left) * 4;
        std::copy(from, from + width * 4, rgba.begin() + static_cast<size_t>(y) * width * 4);
    }
    return rgba;
}

Image MakeImage(Picture& picture, int cellW, int cellH, int firstCell, int cellCount,
                int flags)
{
    auto image = std::make_shared<ImageData>();
    image->cellWidth = cellW;
    image->cellHeight = cellH;
    image->flags = flags == DefaultImageFlags ? StandardImageFlags : flags;
    image->maskKey = currentMaskKey;
    bool masked = (image->flags & ImageMasked) && !picture.hasAlpha;
    int cellsPerRow = picture.width / cellW;
    image->cells.resize(cellCount);
    for (int frame = 0; frame < cellCount; ++frame) {
        int cell = firstCell + frame;
        ImageCell& out = image->cells[frame];
        // A cell that is the whole picture takes its pixels over: large pictures are
        // loaded without a second copy.
        if (cellW == picture.width && cellH == picture.height)
            out.rgba = std::move(picture.rgba);
        else
            out.rgba = CutCell(picture, cellW * (cell % cellsPerRow), cellH * (cell / cellsPerRow),
                               cellW, cellH);
        if (masked)
            MaskPixels(out.rgba.data(), cellW, cellH, image->maskKey);
    }
    return image;
}

// The cell's texture for the open display, made on first use; id 0 when none can be made.
unsigned TextureFor(const ImageData& image, ImageCell& cell)
{
    int generation = DisplayGeneration();
    if (cell.texture.id == 0 || cell.texture.generation != generation)
        cell.texture = CreateTexture(cell.rgba.data(), image.cellWidth, image.cellHeight,
                                     image.flags & (TextureFiltered | TextureMipmapped));
    return cell.texture.id;
}

}  // namespace

ImageData::~ImageData()
{
    for (ImageCell& cell : cells)
        DestroyTexture(cell.texture);
}

Image LoadImageFile(const std::string& path, int flags)
{
    std::optional<Picture> picture = LoadPictureFile(path);
    if (!picture)
        return nullptr;
    return MakeImage(*picture, picture->width, picture->height, 0, 1, flags);
}

Image LoadImageCells(const std::string& path, int cellW, int cellH, int firstCell, int cellCount,
                     int flags)
{
    if (cellW <= 0 || cellH <= 0 || firstCell < 0 || cellCount <= 0)
        return nullptr;
    std::optional<Picture> picture = LoadPictureFile(path);
    if (!picture)
        return nullptr;
    int64_t cellsInPicture = int64_t{picture->width / cellW} * (picture->height / cellH);
    if (cellsInPicture < int64_t{firstCell} + cellCount)
        return nullptr;
    return MakeImage(*picture, cellW, cellH, firstCell, cellCount, flags);
}

void CenterImageHandle(const Image& image)
{
    if (!image)
        return;
    image->handleX = image->cellWidth / 2.0f;
    image->handleY = image->cellHeight / 2.0f;
}

void DrawImageFrame(const Image& image, float x, float y, int frame)
{
    if (!image || frame < 0 || frame >= static_cast<int>(image->cells.size()))
        return;
    unsigned texture = TextureFor(*image, image->cells[frame]);
    if (texture == 0)
        return;
    float left = -image->handleX;
    float top = -image->handleY;
    float right = left + image->cellWidth;
    float bottom = top + image->cellHeight;
    const QuadCorner corners[4] = {
        {left, top, 0, 0}, {right, top, 1, 0}, {right, bottom, 1, 1}, {left, bottom, 0, 1}};
    DrawQuad(texture, x, y, corners);
}

void SetMaskKeyColor(int r, int g, int b)
{
    currentMaskKey = {r, g, b};
}

int ImageWidth(const Image& image)
{
    return image ? image->cellWidth : 0;
}

int ImageHeight(const Image& image)
{
    return image ? image->cellHeight : 0;
}

int ImageFrameCount(const Image& image)
{
    return image ? static_cast<int>(image->cells.size()) : 0;
}
