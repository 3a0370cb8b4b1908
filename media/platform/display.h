// The one display (a window or a full screen) and its immediate-mode 2D drawing state.
// Everything the game draws goes through these operations; SDL and OpenGL stay behind them.
#pragma once

#include <cstdint>
#include <string>

#include "media/decode/frame_pixels.h"

// A graphics driver for OpenDisplay. Both drivers the settings may name use the same
// OpenGL renderer on this platform.
struct GraphicsDriver;

// The open display. Owned by this layer; valid until the next OpenDisplay or CloseDisplay.
struct Display {
    int width = 0;
    int height = 0;
    int depth = 0;  // 0 = a window, otherwise a full screen with that many bits per pixel
    int hertz = 0;  // refresh rate used for frame pacing; 0 = no pacing
    int flags = 0;  // bit 2 = double-buffered back buffer
};

// Blend modes of SetBlendMode. Any other value draws as BlendSolid.
enum BlendMode {
    BlendMasked = 1,  // no blending; alpha test at 0.5
    BlendSolid = 2,   // the source replaces the frame
    BlendAlpha = 3,   // source x a + frame x (1 - a)
    BlendLight = 4,   // source x a + frame
    BlendShade = 5,   // source x frame
};

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

// Raised by one each time a display is opened or closed; never 0. Textures remember the
// generation they were made for.
int DisplayGeneration();
// The generation that follows `generation`: one more, skipping 0 when it wraps.
int NextDisplayGeneration(int generation);

// Drawing state of the open display; each setting lasts until it is changed again.
void SetDrawColor(int r, int g, int b);
void GetDrawColor(int& r, int& g, int& b);
void SetDrawAlpha(float alpha);
float GetDrawAlpha();
void SetBlendMode(int mode);
void SetDrawRotation(float degrees);
void SetDrawScale(float sx, float sy);
void SetBackdropColor(int r, int g, int b);

// Drawing.
void ClearFrame();
void FillRect(float x, float y, float w, float h);
void DrawSegment(float x1, float y1, float x2, float y2, int lastPixel);
void PresentFrame(int sync);

// Number of PresentFrame calls since the program started. Scripted input and screenshots
// are scheduled by it.
int PresentCount();

// The back buffer as it stands. For screenshots and tests; the game itself never reads
// pixels.
FramePixels CaptureFrame();

// After the present with this number, the picture just presented is written as PNG to path.
// A present's number is PresentCount() as it starts: 0 is the first frame, the same frame in
// which scripted input for frame 0 arrives.
void RequestScreenshot(int presentNumber, const std::string& path);
