// The one display (a window or a full screen) and its immediate-mode 2D drawing state.
// Everything the game draws goes through these operations; SDL and OpenGL stay behind them.
#pragma once

#include <string>

#include "media/platform/blend_mode.h"
#include "media/platform/display_fit.h"
#include "media/platform/frame_capture.h"

// A graphics driver for OpenDisplay. Both drivers the settings may name use the same
// OpenGL renderer on this platform.
struct GraphicsDriver;

// The open display. Owned by this layer; valid until the next OpenDisplay or CloseDisplay.
// Everything is drawn in pixels of width x height, the layout, whatever the display shows.
struct Display {
    int width = 0;
    int height = 0;
    int depth = 0;  // 0 = a window, otherwise a full screen with that many bits per pixel
    int hertz = 0;  // refresh rate used for frame pacing; 0 = no pacing
    int flags = 0;  // bit 2 = double-buffered back buffer
    bool desktopFullScreen = false;  // a full screen at the screen's own mode
    int windowScale = 1;             // a window: its size in the desktop's units over the layout's
    // The pixels drawn into, and where the layout's picture lands on them.
    int drawableWidth = 0;
    int drawableHeight = 0;
    PictureArea picture;
};

// How the displays opened from now on show the picture, beyond what OpenDisplay is asked.
// The defaults give exactly the window or the full screen of the asked size.
struct DisplayShape {
    // A window is the asked size times this whole factor, in the desktop's units; 0 = the
    // largest that fits the desktop's usable area. A factor that does not fit is brought
    // down to the largest that does.
    int windowScale = 1;
    // A full screen covers the screen at the screen's own mode instead of switching the
    // mode; the picture shows at the largest whole factor that fits, centred, the rest in
    // the backdrop colour.
    bool desktopFullScreen = false;
    // Where the desktop gives a window more pixels than it counts, draw into all of them.
    bool highDpi = false;
};
void SetDisplayShape(const DisplayShape& shape);

// Drivers and the display.
const GraphicsDriver* OpenGLDriver();
const GraphicsDriver* Direct3DDriver();  // Null: there is no Direct3D here
void SelectGraphicsDriver(const GraphicsDriver* driver, int defaultFlags);
const Display* OpenDisplay(int width, int height, int depth, int hertz, int flags);
void CloseDisplay();
const Display* CurrentDisplay();  // Null while no display is open
void SetWindowTitle(const std::string& title);
// Why the last OpenDisplay returned Null; empty after one that succeeded.
const std::string& DisplayError();
// The OpenGL renderer and version of the open display, for logs and test reports.
std::string DisplayRendererName();

// Displays opened from now on draw every frame whole instead of redrawing only what changed,
// where their back buffer would allow it. The pictures are the same either way; the redraw
// tests compare them.
void SetFullRedraw(bool on);

// Drawing state of the open display; each setting lasts until it is changed again.
void SetDrawColor(int r, int g, int b);
void GetDrawColor(int& r, int& g, int& b);
void SetDrawAlpha(float alpha);
float GetDrawAlpha();
void SetBlendMode(int mode);
void SetDrawRotation(float degrees);
void SetDrawScale(float sx, float sy);
void SetBackdropColor(int r, int g, int b);
void GetBackdropColor(int& r, int& g, int& b);

// Drawing.
void ClearFrame();
void FillRect(float x, float y, float w, float h);
void DrawSegment(float x1, float y1, float x2, float y2, int lastPixel);
void PresentFrame(int sync);

// Whether the open display's presents send the window only what each frame changed, as
// they do under Mesa's software renderer for an X server.
bool PresentsSendOnlyChanges();

// Alt with Enter asks for the other display (window or full screen) instead of hitting
// Enter while a handler is set; the handler runs after the present of the frame in which it
// was asked. Null: Alt+Enter is a plain Enter, as without a handler.
void SetDisplaySwitchHandler(void (*handler)());

// Number of PresentFrame calls since the program started. Scripted input and screenshots
// (frame_capture.h, which comes with this header) are scheduled by it.
int PresentCount();
