#include "framework/system.h"

#include <cassert>

#include "framework/display_fallbacks.h"
#include "framework/display_keys.h"
#include "framework/log.h"
#include "framework/settings.h"
#include "media/core/random.h"
#include "media/core/text.h"
#include "media/platform/clock.h"
#include "media/platform/display.h"

int GraphicsWidth = 0;
int GraphicsHeight = 0;
int ColorDepth = 0;
int RefreshRate = 0;
std::string GraphicsDriverName;

namespace {

constexpr int DoubleBuffered = 2;

int ReadLoggedInt(const std::string& key, const std::string& caption)
{
    const int value = ReadSettingInt(key);
    LogNote(caption + " = " + IntToText(value));
    return value;
}

const GraphicsDriver* ChooseDriver(const std::string& name)
{
    if (name == "opengl")
        return OpenGLDriver();
    if (name == "directx") {
        // Where there is no Direct3D the same pictures come from OpenGL.
        if (const GraphicsDriver* direct3D = Direct3DDriver())
            return direct3D;
        LogNote("Direct3D is not available, using OpenGL");
        return OpenGLDriver();
    }
    LogWarning("Neither graphics driver specified, using OpenGL");
    return OpenGLDriver();
}

// The display the settings ask for, or the first that can be had in its place. Returns
// whether one opened; `refusal` says why the one asked for could not.
bool OpenAskedOrFallback(const DisplayShape& asked, std::string& refusal)
{
    for (const DisplayAttempt& attempt : DisplayAttempts(asked, ColorDepth)) {
        SetDisplayShape(attempt.shape);
        if (OpenDisplay(GraphicsWidth, GraphicsHeight, attempt.depth, RefreshRate, 0)) {
            if (!refusal.empty())
                WarnPlayer(FallbackMessage(refusal, attempt));
            return true;
        }
        if (refusal.empty())
            refusal = DisplayError();
    }
    return false;
}

Image CheckLoaded(const Image& image, const std::string& path)
{
    if (!image)
        LogFatal("Failed to load image " + path);
    LogNote("Loaded image from: " + path);
    return image;
}

}  // namespace

void TWisp_System::LoadDevice(const std::string& settingsFile)
{
    LogNote("Loading device from: " + settingsFile);
    SetSettingsFile(settingsFile);
    GraphicsWidth = ReadLoggedInt("Graphics_width", "Graphics width");
    GraphicsHeight = ReadLoggedInt("Graphics_height", "Graphics height");
    ColorDepth = ReadLoggedInt("Color_depth", "Color depth");
    RefreshRate = ReadLoggedInt("Refresh_rate", "Refresh rate");
    GraphicsDriverName = ReadSettingStr("Driver");
    LogNote("Graphics driver = " + GraphicsDriverName);

    const DisplayKeys keys = ReadDisplayKeys();
    for (const std::string& problem : keys.problems)
        WarnPlayer(problem);

    SelectGraphicsDriver(ChooseDriver(GraphicsDriverName), DoubleBuffered);
    // Nothing can be drawn without a display, so going on would only fail later and
    // further from the cause.
    std::string refusal;
    if (!OpenAskedOrFallback(ShapeOf(keys), refusal))
        LogFatal("Failed to open display from: " + settingsFile + ": " + refusal);
    SeedRandom(static_cast<int>(ClockMs()));
    // A new display starts with the drawing defaults: magenta must be made transparent and
    // alpha blending switched on again for everything loaded and drawn from now on.
    SetMaskKeyColor(255, 0, 255);
    SetBlendMode(BlendAlpha);
}

void LoadDevice(const std::string& settingsFile)
{
    TWisp_System::LoadDevice(settingsFile);
}

Image LoadImageLogged(const std::string& path, int flags)
{
    return CheckLoaded(LoadImageFile(path, flags), path);
}

Image LoadImageCellsLogged(const std::string& path, int cellW, int cellH, int firstCell,
                           int cellCount, int flags)
{
    return CheckLoaded(LoadImageCells(path, cellW, cellH, firstCell, cellCount, flags), path);
}

Emitter LoadEmitter(const std::string& baseName, int imageCount, const std::string& extension)
{
    assert(imageCount >= 1 && "an emitter needs at least one picture to show");
    auto emitter = std::make_shared<TWisp_Particle_Emitter>();
    emitter->MaxImageIndex = imageCount - 1;
    for (int i = 0; i < imageCount; ++i) {
        const std::string path = baseName + "." + IntToText(i) + "." + extension;
        Image image = LoadImageLogged(path, ImageMasked | ImageFiltered);
        // Particles turn about their centres.
        CenterImageHandle(image);
        emitter->Images.push_back(std::move(image));
    }
    Emitters.Append(emitter);
    return emitter;
}
