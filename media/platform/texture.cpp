#include "media/platform/texture.h"

#include <algorithm>
#include <cstddef>
#include <malloc.h>
#include <vector>

#include "media/platform/gl_functions.h"

namespace {

// Everything but the generation lives with the display's context.
struct TextureState {
    bool started = false;
    GLuint whiteTexture = 0;
    // What OpenGL has bound, so binding is only asked for when it changes.
    GLuint boundTexture = 0;
    // Textures freed while the frame still draws them go after it has been drawn.
    std::vector<GLuint> doomedTextures;
    // The serial of the picture each texture name holds now, and its flags, by name.
    std::vector<uint32_t> textureSerials;
    std::vector<uint8_t> textureFlags;
    uint32_t lastSerial = 0;
    // Frames drawn since the last texture was made, counted up to the one that gives freed
    // memory back.
    uint32_t serialSeen = 0;
    int framesSinceMade = 0;
    bool crisp = false;
};

GLint Magnification(int flags, bool crisp)
{
    return (flags & TextureFiltered) && !crisp ? GL_LINEAR : GL_NEAREST;
}

TextureState Textures;
// Lives for the whole run, so textures made for an earlier display are told apart.
int Generation = 1;

// A texture whose pixels `fill` gives it, sampled by the flags.
template <typename Fill>
GLuint MakeTexture(int flags, Fill fill)
{
    GLuint id = 0;
    gl.GenTextures(1, &id);
    gl.BindTexture(GL_TEXTURE_2D, id);
    Textures.boundTexture = id;
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    fill();
    const bool filtered = flags & TextureFiltered;
    const bool mipmapped = flags & TextureMipmapped;
    GLint minFilter = filtered ? GL_LINEAR : GL_NEAREST;
    if (mipmapped) {
        gl.GenerateMipmap(GL_TEXTURE_2D);
        minFilter = filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST;
    }
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, Magnification(flags, Textures.crisp));
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (Textures.textureSerials.size() <= id) {
        Textures.textureSerials.resize(id + 1, 0);
        Textures.textureFlags.resize(id + 1, 0);
    }
    Textures.textureSerials[id] = ++Textures.lastSerial;
    Textures.textureFlags[id] = static_cast<uint8_t>(flags);
    return id;
}

GLuint UploadTexture(const uint8_t* rgba, int width, int height, int flags)
{
    return MakeTexture(flags, [&] {
        gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    });
}

// Coverage goes up as white pixels of that alpha a band of rows at a time, so that no copy
// of the whole picture in RGBA is ever made.
void UploadCoverage(const uint8_t* coverage, int width, int height)
{
    constexpr int BandRows = 16;
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    std::vector<uint8_t> band(static_cast<std::size_t>(width) * BandRows * 4, 255);
    for (int top = 0; top < height; top += BandRows) {
        const int rows = std::min(BandRows, height - top);
        const uint8_t* in = coverage + static_cast<std::size_t>(top) * width;
        for (std::size_t i = 0; i < static_cast<std::size_t>(width) * rows; ++i)
            band[i * 4 + 3] = in[i];
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, top, width, rows, GL_RGBA, GL_UNSIGNED_BYTE, band.data());
    }
}

}  // namespace

Texture CreateTexture(const uint8_t* rgba, int width, int height, int flags)
{
    Texture texture;
    if (Textures.started && width > 0 && height > 0) {
        texture.id = UploadTexture(rgba, width, height, flags);
        texture.generation = Generation;
    }
    return texture;
}

Texture CreateCoverageTexture(const uint8_t* coverage, int width, int height, int flags)
{
    Texture texture;
    if (Textures.started && width > 0 && height > 0) {
        texture.id = MakeTexture(flags, [&] { UploadCoverage(coverage, width, height); });
        texture.generation = Generation;
    }
    return texture;
}

void DestroyTexture(Texture& texture)
{
    if (texture.id != 0 && Textures.started && texture.generation == Generation)
        Textures.doomedTextures.push_back(texture.id);
    texture = Texture();
}

int DisplayGeneration()
{
    return Generation;
}

int NextDisplayGeneration(int generation)
{
    const unsigned next = static_cast<unsigned>(generation) + 1u;
    return next == 0 ? 1 : static_cast<int>(next);
}

void StartTextures(bool crisp)
{
    Textures = TextureState();
    Textures.crisp = crisp;
    const uint8_t white[4] = {255, 255, 255, 255};
    Textures.whiteTexture = UploadTexture(white, 1, 1, 0);
    Textures.started = true;
    Generation = NextDisplayGeneration(Generation);
}

void StopTextures()
{
    if (!Textures.started)
        return;
    DeleteDoomedTextures();
    gl.DeleteTextures(1, &Textures.whiteTexture);
    Textures = TextureState();
    Generation = NextDisplayGeneration(Generation);
}

void MagnifyCrisply(bool crisp)
{
    if (!Textures.started || crisp == Textures.crisp)
        return;
    Textures.crisp = crisp;
    // Only filtered textures change: the others are magnified by the nearest texel anyway.
    for (GLuint id = 0; id < Textures.textureFlags.size(); ++id) {
        if (!(Textures.textureFlags[id] & TextureFiltered))
            continue;
        gl.BindTexture(GL_TEXTURE_2D, id);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, Magnification(Textures.textureFlags[id], crisp));
    }
    gl.BindTexture(GL_TEXTURE_2D, Textures.boundTexture);
}

void BindTexture(unsigned texture)
{
    const GLuint id = texture ? texture : Textures.whiteTexture;
    if (id != Textures.boundTexture) {
        gl.BindTexture(GL_TEXTURE_2D, id);
        Textures.boundTexture = id;
    }
}

uint32_t TextureSerial(unsigned texture)
{
    return texture < Textures.textureSerials.size() ? Textures.textureSerials[texture] : 0;
}

void DeleteDoomedTextures()
{
    if (Textures.doomedTextures.empty())
        return;
    for (GLuint id : Textures.doomedTextures) {
        if (id == Textures.boundTexture)
            Textures.boundTexture = 0;
        Textures.textureFlags[id] = 0;
    }
    gl.DeleteTextures(static_cast<GLsizei>(Textures.doomedTextures.size()),
                      Textures.doomedTextures.data());
    Textures.doomedTextures.clear();
}

void ReturnCompilerMemory()
{
    constexpr int SettledFrames = 30;
    if (Textures.lastSerial != Textures.serialSeen) {
        Textures.serialSeen = Textures.lastSerial;
        Textures.framesSinceMade = 0;
    } else if (Textures.framesSinceMade < SettledFrames && ++Textures.framesSinceMade == SettledFrames) {
        malloc_trim(0);
    }
}
