#include "media/platform/display.h"

#include <SDL.h>

#include <cmath>
#include <cstring>
#include <string>

#include "media/core/program.h"
#include "media/platform/clock.h"
#include "media/platform/drawing_state.h"
#include "media/platform/gl_functions.h"
#include "media/platform/library_pins.h"
#include "media/platform/pacing.h"
#include "media/platform/partial_present.h"
#include "media/platform/renderer.h"
#include "media/platform/screen_mode.h"
#include "media/platform/window_events.h"
#include "media/platform/window_placement.h"

struct GraphicsDriver {
    const char* name;
};

namespace {

const GraphicsDriver OpenGL{"OpenGL"};

// The open display; `window` is null while none is open.
struct OpenWindow {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    Display display;
    SDL_DisplayMode screenMode{};  // full screen: the mode the screen was switched to
    FramePacer pacer;
    int swapInterval = -1;  // as last given to SDL; -1 before the first flip
    // The window system showed the window afresh: the next present sends all of it.
    bool exposed = false;
};

OpenWindow Open;
std::string WindowTitle;
std::string LastError;
int DefaultFlags = 0;
// These live for the whole run, whatever display is open.
bool FullRedraw = false;
int Presents = 0;
DisplayShape Shape;
void (*SwitchHandler)() = nullptr;

bool Failed(const std::string& message)
{
    LastError = message;
    return false;
}

bool StartVideo()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return Failed(std::string("The window system could not be started: ") + SDL_GetError());
    static bool closesAtExit = false;
    if (!closesAtExit) {
        AddExitHandler(CloseDisplay);
        closesAtExit = true;
    }
    return true;
}

// The picture fills a window's drawable; a full screen at the desktop's mode shows it at a
// whole factor, centred.
PictureArea PlacePicture(int drawableWidth, int drawableHeight, int width, int height)
{
    if (Open.display.desktopFullScreen)
        return FitWholeFactor(drawableWidth, drawableHeight, width, height);
    return FillDrawable(drawableWidth, drawableHeight, width, height);
}

void MeasureDrawable()
{
    Display& display = Open.display;
    SDL_GL_GetDrawableSize(Open.window, &display.drawableWidth, &display.drawableHeight);
    display.picture = PlacePicture(display.drawableWidth, display.drawableHeight, display.width, display.height);
}

bool CreateWindowAndContext(int width, int height, int depth, int hertz, int flags)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (flags & 2) ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    // A full screen that switched the mode gives the desktop its own mode back while it is
    // minimised, on losing the focus; one at the desktop's mode need not go away.
    const bool switchesMode = depth != 0 && !Shape.desktopFullScreen;
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, switchesMode ? "1" : "0");
    const SDL_Rect usable = UsableArea();
    const int scale = depth == 0 && Shape.windowScale != 1
                          ? FittedWindowScale(Shape.windowScale, usable.w, usable.h, width, height)
                          : 1;
    const Uint32 windowFlags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | (Shape.highDpi ? SDL_WINDOW_ALLOW_HIGHDPI : 0);
    const bool coversDesktop = depth != 0 && Shape.desktopFullScreen;
    Open.window = coversDesktop ? MakeDesktopFullScreen(WindowTitle, windowFlags)
                                : MakeWindow(WindowTitle, width * scale, height * scale, Shape.windowScale != 1, windowFlags);
    if (!Open.window)
        return Failed(std::string(coversDesktop ? "The screen cannot be covered at its own mode: "
                                                : "The window could not be made: ") +
                      SDL_GetError());
    // The window loaded the OpenGL drivers: kept loaded from here, a first display that
    // fails, as a refused full screen does, leaves the leak checker nothing of theirs.
    KeepLoadedLibraries();
    Open.display = Display{width, height, depth, hertz, flags, coversDesktop, scale, 0, 0, {}};
    if (switchesMode) {
        if (std::string error = SwitchScreenMode(Open.window, width, height, depth, hertz, Open.screenMode);
            !error.empty())
            return Failed(error);
    }
    SDL_ShowWindow(Open.window);
    Open.context = SDL_GL_CreateContext(Open.window);
    if (!Open.context)
        return Failed(std::string("The OpenGL context could not be made: ") + SDL_GetError());
    MeasureDrawable();
    const Display& display = Open.display;
    if (std::string error = StartRenderer(width, height, display.drawableWidth, display.drawableHeight, display.picture);
        !error.empty())
        return Failed(error);
    return true;
}

void DestroyWindow()
{
    StopPartialPresents();
    StopRenderer();
    if (Open.context)
        SDL_GL_DeleteContext(Open.context);
    if (Open.window)
        SDL_DestroyWindow(Open.window);
    Open = OpenWindow();
}

void Flip(bool waitForVerticalBlank)
{
    const int interval = waitForVerticalBlank ? 1 : 0;
    if (interval != Open.swapInterval) {
        SDL_GL_SetSwapInterval(interval);
        Open.swapInterval = interval;
    }
    SDL_GL_SwapWindow(Open.window);
}

// Where the window system is known to copy the back buffer to the window at a flip, leaving
// it as it was: Mesa's software renderers under X11, and SDL's offscreen driver. Elsewhere
// buffers may take turns, and a buffer that came back once may not come back next time.
bool FlipCopiesBackBuffer()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* renderer = reinterpret_cast<const char*>(gl.GetString(GL_RENDERER));
    if (!driver || !renderer)
        return false;
    const bool software = std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                          std::strstr(renderer, "Software Rasterizer");
    return software && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "offscreen") == 0);
}

// The first flip tells whether the back buffer keeps its picture: only then can a frame be
// drawn over the last one's picture, and only then is damage tracked, unless a full redraw
// was asked for (the tests compare both). The back buffer then takes the backdrop colour,
// and so does the other one where buffers take turns. Where the window keeps the back
// buffer it shows the mark until the first frame, as no eye tells it from the backdrop: a
// flip costs a software renderer the whole picture sent to the window.
void StartBuffers()
{
    MarkFlipProbe();
    Flip(false);
    const bool kept = FlipProbeKept();
    ClearFrame();
    ExecuteDrawList();
    if (!kept) {
        Flip(false);
        ClearFrame();
        ExecuteDrawList();
    }
    TrackDamage(!FullRedraw && kept && FlipCopiesBackBuffer());
    if (DamageTracked())
        StartPartialPresents(Open.window);
    TakeFrameChanges();
}

// A present: the flip, or where the window can take parts, what changed since the last.
void Present(bool waitForVerticalBlank)
{
    FrameChanges changes = TakeFrameChanges();
    if (!PartialPresents()) {
        Flip(waitForVerticalBlank);
        return;
    }
    changes.whole = changes.whole || Open.exposed;
    Open.exposed = false;
    const Display& display = Open.display;
    PresentChanges(changes, display.picture, display.drawableWidth, display.drawableHeight);
}

void StartFramePacing(int depth, int hertz)
{
    // A full screen whose flips already wait for a vertical blank at the asked rate needs
    // no pacing of its own.
    const bool hardwareKeepsRate =
        depth != 0 && FlipsKeepRate(hertz, ClockMs, [] { Flip(true); });
    StartPacing(Open.pacer, hertz, ClockMs());
    if (hardwareKeepsRate)
        Open.pacer.on = false;
}

}  // namespace

const GraphicsDriver* OpenGLDriver()
{
    return &OpenGL;
}

const GraphicsDriver* Direct3DDriver()
{
    return nullptr;
}

void SelectGraphicsDriver(const GraphicsDriver*, int defaultFlags)
{
    // Every driver the settings may name draws through the one OpenGL renderer.
    DefaultFlags = defaultFlags;
}

const Display* OpenDisplay(int width, int height, int depth, int hertz, int flags)
{
    CloseDisplay();
    LastError.clear();
    flags |= DefaultFlags;
    if (width <= 0 || height <= 0) {
        Failed("A display of " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels cannot be opened.");
        return nullptr;
    }
    if (!StartVideo())
        return nullptr;
    if (!CreateWindowAndContext(width, height, depth, hertz, flags)) {
        DestroyWindow();
        return nullptr;
    }
    ResetDrawingState();
    StartBuffers();
    StartFramePacing(depth, hertz);
    if (depth != 0) {
        int windowWidth = width, windowHeight = height;
        SDL_GetWindowSize(Open.window, &windowWidth, &windowHeight);
        SDL_WarpMouseInWindow(Open.window, windowWidth / 2, windowHeight / 2);
    }
    FollowWindowInput(SDL_GetWindowID(Open.window));
    SDL_DisableScreenSaver();
    RecordLayoutPicture(ScreenshotsDue(Presents));
    return &Open.display;
}

void CloseDisplay()
{
    if (!Open.window)
        return;
    FollowWindowInput(0);
    DestroyWindow();
    ResetDrawingState();
    SDL_EnableScreenSaver();
}

const Display* CurrentDisplay()
{
    return Open.window ? &Open.display : nullptr;
}

void SetWindowTitle(const std::string& title)
{
    WindowTitle = title;
}

const std::string& DisplayError()
{
    return LastError;
}

std::string DisplayRendererName()
{
    if (!Open.window)
        return "";
    const auto text = [](GLenum name) {
        return std::string(reinterpret_cast<const char*>(gl.GetString(name)));
    };
    return text(GL_RENDERER) + " | " + text(GL_VERSION);
}

void SetFullRedraw(bool on)
{
    FullRedraw = on;
}

bool PresentsSendOnlyChanges()
{
    return Open.window && PartialPresents();
}

void SetDisplayShape(const DisplayShape& shape)
{
    Shape = shape;
}

void SetDisplaySwitchHandler(void (*handler)())
{
    SwitchHandler = handler;
    SwitchDisplayWithAltEnter(handler != nullptr);
}

void PresentFrame(int sync)
{
    const int presentNumber = Presents++;
    if (Open.window)
        ExecuteDrawList();
    TakeScreenshots(presentNumber, Open.window != nullptr);
    if (!Open.window)
        return;
    if (sync != -1) {
        Present(sync == 1);
    } else if (!Open.pacer.on) {
        Present(Open.display.depth != 0);
    } else {
        WaitForNextFrame(Open.pacer, ClockMs, SleepMs);
        Present(false);
    }
    MarkPresent();
    RecordLayoutPicture(ScreenshotsDue(Presents));
    if (SwitchHandler && TakeDisplaySwitchRequest())
        SwitchHandler();
}

int PresentCount()
{
    return Presents;
}

void DisplayFocusChanged(bool gained)
{
    // While a full screen that switched the mode is away, SDL minimises it and gives the
    // desktop its mode back; a minimised window takes its mode again as it is restored.
    if (!gained || !Open.window || Open.display.depth == 0 || Open.display.desktopFullScreen ||
        (SDL_GetWindowFlags(Open.window) & SDL_WINDOW_MINIMIZED))
        return;
    if (ScreenIsInMode(Open.window, Open.screenMode))
        return;
    SDL_SetWindowDisplayMode(Open.window, &Open.screenMode);
    if (!ScreenIsInMode(Open.window, Open.screenMode))
        RaiseError("The screen could not be switched back to " +
                   std::to_string(Open.display.width) + " x " +
                   std::to_string(Open.display.height) + " when the game regained the focus.");
}

void DisplaySizeChanged()
{
    if (!Open.window)
        return;
    const Display before = Open.display;
    MeasureDrawable();
    const Display& display = Open.display;
    if (display.drawableWidth != before.drawableWidth || display.drawableHeight != before.drawableHeight)
        ResizeRenderer(display.drawableWidth, display.drawableHeight, display.picture);
}

void DisplayExposed()
{
    Open.exposed = true;
}

void PointerInLayout(int& x, int& y)
{
    if (!Open.window)
        return;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(Open.window, &windowWidth, &windowHeight);
    const Display& display = Open.display;
    if (windowWidth <= 0 || windowHeight <= 0 || display.picture.scale <= 0)
        return;
    const float drawableX = static_cast<float>(x) * display.drawableWidth / windowWidth;
    const float drawableY = static_cast<float>(y) * display.drawableHeight / windowHeight;
    x = static_cast<int>(std::floor((drawableX - display.picture.left) / display.picture.scale));
    y = static_cast<int>(std::floor((drawableY - display.picture.top) / display.picture.scale));
}

void LayoutPointInWindow(int& x, int& y)
{
    if (!Open.window)
        return;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(Open.window, &windowWidth, &windowHeight);
    const Display& display = Open.display;
    if (display.drawableWidth <= 0 || display.drawableHeight <= 0)
        return;
    const float drawableX = display.picture.left + (static_cast<float>(x) + 0.5f) * display.picture.scale;
    const float drawableY = display.picture.top + (static_cast<float>(y) + 0.5f) * display.picture.scale;
    x = static_cast<int>(std::floor(drawableX * windowWidth / display.drawableWidth));
    y = static_cast<int>(std::floor(drawableY * windowHeight / display.drawableHeight));
}
