// What the game's start-up spends on pictures and fonts: decoding 30 small two-cell
// pictures and a full-screen background, opening two TrueType fonts, and the first frame,
// which makes every texture and renders every glyph, against the frames after it.
//   SDL_VIDEODRIVER=offscreen build/bench/picture_loading/bench_picture_loading
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "media/decode/png_writer.h"
#include "media/platform/display.h"
#include "media/platform/font.h"
#include "media/platform/image.h"
#include "media/platform/renderer.h"

namespace {

constexpr int SmallPictures = 30;
const char* const FontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Pictures like the game's: RGB without alpha, magenta around the shapes.
void WritePicture(const std::string& path, int width, int height, int seed)
{
    FramePixels picture{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture.rgba[(size_t(y) * width + x) * 4];
            bool edge = (x % 32) < 3 || (y % 32) < 3;
            p[0] = edge ? 255 : uint8_t(seed * 13 + x);
            p[1] = edge ? 0 : uint8_t(seed * 7 + y);
            p[2] = edge ? 255 : uint8_t(x ^ y);
            p[3] = 255;
        }
    WritePngFile(path, picture);
}

struct Assets {
    std::vector<Image> images;
    Font title, small;
};

Assets Load(const std::string& folder)
{
    Assets assets;
    for (int i = 0; i < SmallPictures; ++i)
        assets.images.push_back(LoadImageCells(folder + "/" + std::to_string(i) + ".gfx", 32, 32, 0, 2, -1));
    assets.images.push_back(LoadImageFile(folder + "/background.gfx", -1));
    assets.title = LoadTrueTypeFont(FontPath, 26, FontSmooth);
    assets.small = LoadTrueTypeFont(FontPath, 20, FontSmooth);
    return assets;
}

void WarmUpSampling()
{
    const std::vector<uint8_t> white(64 * 64 * 4, 255);
    const QuadCorner corners[4] = {{0, 0, 0, 0}, {64, 0, 1, 0}, {64, 64, 1, 1}, {0, 64, 0, 1}};
    for (int flags : {0, int(TextureFiltered), TextureFiltered | TextureMipmapped}) {
        Texture texture = CreateTexture(white.data(), 64, 64, flags);
        DrawQuad(texture.id, 0, 0, corners);
        PresentFrame(0);
        DestroyTexture(texture);
    }
}

void DrawFrame(const Assets& assets)
{
    ClearFrame();
    DrawImageFrame(assets.images.back(), 0, 0, 0);
    for (size_t i = 0; i + 1 < assets.images.size(); ++i)
        for (int frame = 0; frame < 2; ++frame)
            DrawImageFrame(assets.images[i], float(i % 20) * 40, float(i / 20) * 40 + float(frame) * 80, frame);
    for (const Font& font : {assets.title, assets.small}) {
        SelectFont(font);
        DrawString("Tindlewick: P\xe4\xe4valikko, L\xf6yd\xf6t", 20, 300);
        DrawString("Siirrot 17  Kolikot 3/5  Avaimet 1/2  ABCDEFGHIJKLMNOPQRSTUVWXYZ", 20, 340);
    }
    PresentFrame(0);
}

}  // namespace

int main()
{
    std::string folder = (std::filesystem::temp_directory_path() / "tindlewick_bench_pictures").string();
    std::filesystem::create_directories(folder);
    for (int i = 0; i < SmallPictures; ++i)
        WritePicture(folder + "/" + std::to_string(i) + ".gfx", 64, 32, i);
    WritePicture(folder + "/background.gfx", 800, 600, 99);

    SetMaskKeyColor(255, 0, 255);
    constexpr int Rounds = 20;
    auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds; ++round)
        Load(folder);
    std::printf("decoding 30 pictures of 64 x 32, one of 800 x 600, opening 2 fonts: %.2f ms\n",
                MillisecondsSince(start) / Rounds);
    start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds; ++round)
        LoadImageFile(folder + "/background.gfx", -1);
    std::printf("  of which the 800 x 600 background: %.2f ms\n", MillisecondsSince(start) / Rounds);
    start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds; ++round)
        LoadTrueTypeFont(FontPath, 26, FontSmooth);
    std::printf("  of which one font: %.2f ms\n", MillisecondsSince(start) / Rounds);

    if (!OpenDisplay(800, 600, 0, 0, 2)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    SetBlendMode(BlendAlpha);
    Assets assets = Load(folder);
    // The driver compiles its shaders on the first draw with each kind of sampling (Mesa's
    // software renderer takes a third of a second for the mipmapped kind); not ours to count.
    WarmUpSampling();
    start = std::chrono::steady_clock::now();
    DrawFrame(assets);
    std::printf("first frame (makes 61 textures, renders the glyphs): %.2f ms\n", MillisecondsSince(start));
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < Rounds; ++i)
        DrawFrame(assets);
    std::printf("each later frame: %.2f ms\n", MillisecondsSince(start) / Rounds);
    CloseDisplay();
    std::filesystem::remove_all(folder);
    return 0;
}
