// The one display (a window or a full screen) and its immediate-mode 2D drawing state.
// Everything the game draws goes through these operations; SDL and OpenGL stay behind them.
#pragma once

#include <string>

#include "media/platform/blend_mode.h"
#include "media/platform/frame_capture.h"

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

// Drawing.
void ClearFrame();
void FillRect(float x, float y, float w, float h);
void DrawSegment(float x1, float y1, float x2, float y2, int lastPixel);
void PresentFrame(int sync);

// Number of PresentFrame calls since the program started. Scripted input and screenshots
// (frame_capture.h, which comes with this header) are scheduled by it.
int PresentCount();
