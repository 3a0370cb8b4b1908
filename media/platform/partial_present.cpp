#include "media/platform/partial_present.h"

#include <SDL_syswm.h>
#include <X11/Xutil.h>

#include <cstring>

namespace {

using CopySubBuffer = void (*)(Display*, Window, int x, int y, int width, int height);
using QueryExtensions = const char* (*)(Display*, int screen);
using CurrentContext = void* (*)();

// Lives with the display's window.
struct PartialState {
    CopySubBuffer copy = nullptr;
    Display* display = nullptr;
    Window window = 0;
};

PartialState Partial;

template <typename Function>
Function Look(const char* name)
{
    return reinterpret_cast<Function>(SDL_GL_GetProcAddress(name));
}

bool HasExtension(const char* extensions, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const char* at = extensions; at && (at = std::strstr(at, name)); at += length) {
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    }
    return false;
}

}  // namespace

bool StartPartialPresents(SDL_Window* window)
{
    Partial = PartialState();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    // SDL draws through EGL under X11 when asked to; only a GLX context has the extension.
    const auto current = Look<CurrentContext>("glXGetCurrentContext");
    const auto query = Look<QueryExtensions>("glXQueryExtensionsString");
    const auto copy = Look<CopySubBuffer>("glXCopySubBufferMESA");
    if (!current || !query || !copy || !current())
        return false;
    if (!HasExtension(query(info.info.x11.display, DefaultScreen(info.info.x11.display)), "GLX_MESA_copy_sub_buffer"))
        return false;
    Partial = PartialState{copy, info.info.x11.display, info.info.x11.window};
    return true;
}

void StopPartialPresents()
{
    Partial = PartialState();
}

bool PartialPresents()
{
    return Partial.copy != nullptr;
}

void PresentChanges(const FrameChanges& changes, const PictureArea& area, int drawableWidth, int drawableHeight)
{
    if (changes.whole) {
        Partial.copy(Partial.display, Partial.window, 0, 0, drawableWidth, drawableHeight);
        return;
    }
    for (const PixelRect& rect : changes.rects) {
        const DrawableBox box = DrawableBoxOf(area, drawableHeight, rect.left, rect.top, rect.right, rect.bottom);
        Partial.copy(Partial.display, Partial.window, box.x, box.y, box.width, box.height);
    }
}

FramePixels ReadWindowPixels(int width, int height)
{
    FramePixels pixels;
    if (!Partial.copy)
        return pixels;
    XImage* image = XGetImage(Partial.display, Partial.window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image)
        return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgba.reserve(static_cast<std::size_t>(width) * height * 4);
    // A channel's bits, wherever the server keeps them, as 0..255.
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<uint8_t>(mask ? ((pixel >> shift) & mask) * 255 / mask : 0);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            pixels.rgba.insert(pixels.rgba.end(), {channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                                    channel(pixel, image->blue_mask), 255});
        }
    XDestroyImage(image);
    return pixels;
}
