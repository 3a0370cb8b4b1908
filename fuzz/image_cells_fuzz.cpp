// Pictures loaded as the game loads them: decoded by content, cut into cells and masked.
// The first bytes choose the cells, the flags and the mask key; the rest is the file. Every
// cell must hold exactly its part of the decoded picture, masked as promised.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/picture_check.h"
#include "media/platform/image.h"
#include "media/platform/image_data.h"

namespace {

struct CellRequest {
    int width = 0;
    int height = 0;
    int first = 0;
    int count = 0;
    int flags = 0;
    MaskKey key;
};

// A cell pixel against the picture's own: key pixels of a masked picture become clear
// (their colour is a blend of their neighbours), all others keep their colour.
bool PixelKept(const uint8_t* original, const uint8_t* pixel, bool masked, MaskKey key)
{
    if (!masked)
        return std::equal(original, original + 4, pixel);
    const bool isKey = original[0] == key.r && original[1] == key.g && original[2] == key.b;
    if (isKey)
        return pixel[3] == 0;
    return std::equal(original, original + 3, pixel) && pixel[3] == 255;
}

void CheckCells(const Image& image, const Picture& picture, const CellRequest& request)
{
    FuzzCheck(ImageWidth(image) == request.width && ImageHeight(image) == request.height &&
                  ImageFrameCount(image) == request.count,
              "the image has the cells asked for");
    const bool masked = (request.flags & ImageMasked) && !picture.hasAlpha;
    const int cellsPerRow = picture.width / request.width;
    for (int frame = 0; frame < request.count; ++frame) {
        const std::vector<uint8_t>& cell = image->cells[frame].rgba;
        FuzzCheck(cell.size() == size_t{4} * request.width * request.height, "a cell's pixels fill it");
        const int number = request.first + frame;
        const int left = request.width * (number % cellsPerRow);
        const int top = request.height * (number / cellsPerRow);
        for (int y = 0; y < request.height; ++y) {
            for (int x = 0; x < request.width; ++x) {
                const size_t from = (static_cast<size_t>(top + y) * picture.width + left + x) * 4;
                const size_t to = (static_cast<size_t>(y) * request.width + x) * 4;
                FuzzCheck(PixelKept(&picture.rgba[from], &cell[to], masked, request.key),
                          "a cell holds its part of the picture, masked as promised");
            }
        }
    }
}

}  // namespace

FUZZ_TARGET(image_cells)
{
    FuzzInput input(data, size);
    CellRequest request;
    request.width = 1 + input.Byte() % 64;
    request.height = 1 + input.Byte() % 64;
    request.first = input.Byte() % 8;
    request.count = 1 + input.Byte() % 8;
    request.flags = input.Byte() % 8;
    request.key = {input.Byte(), input.Byte(), input.Byte()};
    const std::string file = input.Rest();
    const std::string path =
        WriteFuzzFile("picture.gfx", reinterpret_cast<const uint8_t*>(file.data()), file.size());

    SetMaskKeyColor(request.key.r, request.key.g, request.key.b);
    const Image image = LoadImageCells(path, request.width, request.height, request.first,
                                       request.count, request.flags);
    const std::optional<Picture> picture = DecodePicture(ByteSpan(
        reinterpret_cast<const uint8_t*>(file.data()), file.size()));
    CheckPicture(picture);
    const bool fits = picture && (picture->width / request.width) * (picture->height / request.height) >=
                                     request.first + request.count;
    FuzzCheck(static_cast<bool>(image) == fits, "an image is made exactly when its cells fit the picture");
    if (image)
        CheckCells(image, *picture, request);
}
