#include "media/platform/display.h"

#include <SDL.h>

#include <cstring>
#include <string>

#include "media/core/program.h"
#include "media/platform/clock.h"
#include "media/platform/drawing_state.h"
#include "media/platform/gl_functions.h"
#include "media/platform/library_pins.h"
#include "media/platform/pacing.h"
#include "media/platform/renderer.h"
#include "media/platform/window_events.h"

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
};

OpenWindow Open;
std::string WindowTitle;
std::string LastError;
int DefaultFlags = 0;
// Both live for the whole run, whatever display is open.
bool FullRedraw = false;
int Presents = 0;

bool Failed(const std::string& message)
{
    LastError = message;
    return false;
}

bool StartVideo()
{
    // A full screen that loses the focus gives the desktop its own mode back while it is
    // minimised, and takes its mode again when it is restored.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return Failed(std::string("The window system could not be started: ") + SDL_GetError());
    static bool closesAtExit = false;
    if (!closesAtExit) {
        AddExitHandler(CloseDisplay);
        closesAtExit = true;
    }
    return true;
}

bool ModeFitsDepth(const SDL_DisplayMode& mode, int depth)
{
    return static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == depth ||
           static_cast<int>(SDL_BYTESPERPIXEL(mode.format)) * 8 == depth;
}

// A screen mode of exactly width x height (at `hertz` unless it is 0), of the asked depth
// when the screen has one.
bool FindScreenMode(int screen, int width, int height, int depth, int hertz, SDL_DisplayMode& found)
{
    bool any = false;
    for (int i = 0; i < SDL_GetNumDisplayModes(screen); ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(screen, i, &mode) != 0 || mode.w != width || mode.h != height)
            continue;
        if (hertz != 0 && mode.refresh_rate != hertz)
            continue;
        if (!any || (ModeFitsDepth(mode, depth) && !ModeFitsDepth(found, depth)))
            found = mode;
        any = true;
    }
    return any;
}

bool SwitchToFullScreen(SDL_Window* window, int width, int height, int depth, int hertz)
{
    const int screen = SDL_GetWindowDisplayIndex(window);
    // A mode refused at the asked rate is tried once more at whatever rate the screen has.
    for (int rate : {hertz, 0}) {
        SDL_DisplayMode mode;
        if (FindScreenMode(screen, width, height, depth, rate, mode) &&
            SDL_SetWindowDisplayMode(window, &mode) == 0 &&
            SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0) {
            Open.screenMode = mode;
            return true;
        }
        if (rate == 0)
            break;
    }
    return Failed("The screen cannot be switched to " + std::to_string(width) + " x " +
                  std::to_string(height) + " x " + std::to_string(depth) + " at " +
                  std::to_string(hertz) + " Hz.");
}

bool CreateWindowAndContext(int width, int height, int depth, int hertz, int flags)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (flags & 2) ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_Rect desktop{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &desktop);
    // SDL places a window by its client area, which is what the game lays out.
    Open.window = SDL_CreateWindow(WindowTitle.c_str(), desktop.x + 32, desktop.y + 32, width,
                                   height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!Open.window)
        return Failed(std::string("The window could not be made: ") + SDL_GetError());
    if (depth != 0 && !SwitchToFullScreen(Open.window, width, height, depth, hertz))
        return false;
    SDL_ShowWindow(Open.window);
    Open.context = SDL_GL_CreateContext(Open.window);
    if (!Open.context)
        return Failed(std::string("The OpenGL context could not be made: ") + SDL_GetError());
    KeepLoadedLibraries();
    if (std::string error = StartRenderer(width, height); !error.empty())
        return Failed(error);
    return true;
}

void DestroyWindow()
{
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
    Open.display = Display{width, height, depth, hertz, flags};
    ResetDrawingState();
    StartBuffers();
    StartFramePacing(depth, hertz);
    if (depth != 0)
        SDL_WarpMouseInWindow(Open.window, width / 2, height / 2);
    FollowWindowInput(SDL_GetWindowID(Open.window));
    SDL_DisableScreenSaver();
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

void PresentFrame(int sync)
{
    const int presentNumber = Presents++;
    if (Open.window)
        ExecuteDrawList();
    TakeScreenshots(presentNumber, Open.window != nullptr);
    if (!Open.window)
        return;
    if (sync != -1) {
        Flip(sync == 1);
    } else if (!Open.pacer.on) {
        Flip(Open.display.depth != 0);
    } else {
        WaitForNextFrame(Open.pacer, ClockMs, SleepMs);
        Flip(false);
    }
    MarkPresent();
}

int PresentCount()
{
    return Presents;
}

namespace {

bool ScreenIsInMode(const SDL_DisplayMode& mode)
{
    SDL_DisplayMode current;
    return SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(Open.window), &current) == 0 &&
           current.w == mode.w && current.h == mode.h;
}

}  // namespace

void DisplayFocusChanged(bool gained)
{
    // While a full screen is away SDL minimises it and gives the desktop its mode back; a
    // minimised window takes its mode again as it is restored.
    if (!gained || !Open.window || Open.display.depth == 0 ||
        (SDL_GetWindowFlags(Open.window) & SDL_WINDOW_MINIMIZED))
        return;
    if (ScreenIsInMode(Open.screenMode))
        return;
    SDL_SetWindowDisplayMode(Open.window, &Open.screenMode);
    if (!ScreenIsInMode(Open.screenMode))
        RaiseError("The screen could not be switched back to " +
                   std::to_string(Open.display.width) + " x " +
                   std::to_string(Open.display.height) + " when the game regained the focus.");
}
