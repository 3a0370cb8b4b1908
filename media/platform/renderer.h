// The batching renderer under the drawing state, shared by shapes, pictures and text inside
// the media layer: the frame's quads queued and drawn through OpenGL in batches, the blend
// modes, and partial redraws where damage is tracked. Nothing outside media/, its tests and
// its benchmarks includes this header.
#pragma once

#include <string>

// What the renderer draws with; its textures start and stop with it.
#include "media/platform/texture.h"

// One corner of a quad: (x, y) relative to the drawing position, before the drawing
// transform; (u, v) the texture coordinates.
struct QuadCorner {
    float x, y;
    float u, v;
};

// Adds a quad to the batch with the drawing colour, alpha and blend mode of the current
// state. The corners go clockwise from the top-left, are turned and scaled by the drawing
// transform and land relative to (x, y). Texture id 0 draws plain colour.
void DrawQuad(unsigned textureId, float x, float y, const QuadCorner corners[4]);

// The same for corners that are already on the screen: the drawing transform is left out.
// Lines use it to stay one pixel wide whatever the scale.
void DrawScreenQuad(unsigned textureId, const QuadCorner corners[4]);

// Adds a clear of the whole frame in the backdrop colour of the current state.
void DrawClear();

// The renderer lives with the display's OpenGL context; only the display starts and stops
// it, and each start and each stop raises the display generation of the textures.
// StartRenderer returns the empty text, or a message saying what the driver lacks.
std::string StartRenderer(int width, int height);
void StopRenderer();

// The size of the back buffer the renderer draws on; 0 x 0 while it is stopped.
struct FrameSize {
    int width = 0;
    int height = 0;
};
FrameSize RendererFrameSize();

// Draws the quads and clears queued since the last call onto the back buffer. The display
// calls it at present; CaptureFrame calls it before reading. While damage is tracked, a
// frame that begins with a clear is compared with the last one and only what changed is
// drawn again, into the picture the back buffer still holds; the pixels come out the same.
void ExecuteDrawList();

// Whether a flip keeps the back buffer's picture, asked once for each display: the display
// fills the back buffer with a mark before its first flip and reads a pixel back after.
void MarkFlipProbe();
bool FlipProbeKept();

// Damage tracking needs a back buffer that keeps its picture across flips and a driver
// that can give each quad a scissor of its own; TrackDamage(true) does nothing without the
// latter. The display decides at each OpenDisplay.
void TrackDamage(bool on);
bool DamageTracked();

// What the renderer asked of OpenGL since the display opened. The batching tests and the
// benchmark read them.
struct RenderCounters {
    long drawCalls = 0;
    long blendChanges = 0;
    long quads = 0;
    // Frames executed whole, frames in which only the damaged parts were drawn again, and
    // frames that changed nothing and drew nothing.
    long wholeFrames = 0;
    long partialFrames = 0;
    long unchangedFrames = 0;
};
const RenderCounters& RendererCounters();
