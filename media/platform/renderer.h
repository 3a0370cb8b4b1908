// The batching renderer under the drawing state, shared by shapes, pictures and text inside
// the media layer: the frame's quads queued and drawn through OpenGL in batches, the blend
// modes, and partial redraws where damage is tracked. Nothing outside media/, its tests and
// its benchmarks includes this header.
#pragma once

#include <string>
#include <vector>

#include "media/platform/display_fit.h"
#include "media/platform/frame_damage.h"
// What the renderer draws with; its textures start and stop with it.
#include "media/platform/texture.h"

// One corner of a quad: (x, y) relative to the drawing position, before the drawing
// transform; (u, v) the texture coordinates.
struct QuadCorner {
    float x, y;
    float u, v;
};

// Which pictures a quad goes into. Where the picture is shown scaled, text is drawn from
// glyphs rendered at the shown size into the shown picture, and from glyphs of the layout's
// own size into the layout's picture, which is kept only while a screenshot needs it;
// everything else goes into both.
enum class DrawTarget { Both, Shown, Layout };

// Adds a quad to the batch with the drawing colour, alpha and blend mode of the current
// state. The corners go clockwise from the top-left, are turned and scaled by the drawing
// transform and land relative to (x, y), in layout pixels. Texture id 0 draws plain colour.
void DrawQuad(unsigned textureId, float x, float y, const QuadCorner corners[4],
              DrawTarget target = DrawTarget::Both);

// The same for corners that are already on the screen: the drawing transform is left out.
// Lines use it to stay one pixel wide whatever the scale.
void DrawScreenQuad(unsigned textureId, const QuadCorner corners[4]);

// Adds a clear of the whole frame in the backdrop colour of the current state.
void DrawClear();

// The renderer lives with the display's OpenGL context; only the display starts and stops
// it, and each start and each stop raises the display generation of the textures. Quads
// are placed in a layout of width x height pixels, shown at `area` of a drawable of
// drawableWidth x drawableHeight pixels; the rest of the drawable takes the clears' colour.
// StartRenderer returns the empty text, or a message saying what the driver lacks.
std::string StartRenderer(int width, int height, int drawableWidth, int drawableHeight,
                          const PictureArea& area);
void StopRenderer();
// The drawable changed its size, as when a window manager gave a full screen its size late.
void ResizeRenderer(int drawableWidth, int drawableHeight, const PictureArea& area);

// The size of the back buffer the renderer draws on, and of the layout; 0 x 0 while it is
// stopped.
struct FrameSize {
    int width = 0;
    int height = 0;
};
FrameSize RendererFrameSize();
FrameSize RendererLayoutSize();
// Where the layout's picture lands on the back buffer; scale 1 while stopped.
const PictureArea& RendererPictureArea();

// From now on, for the whole run, until switched off: each frame's drawing is also kept at
// the layout's own size where the picture is shown scaled, so that the layout's picture
// can be drawn apart (ExecuteLayoutDrawList). Each switch starts that drawing afresh.
void RecordLayoutPicture(bool on);
// Whether the frame being drawn is kept so: asked for, and the picture shown scaled.
bool LayoutPictureRecorded();
// Draws the layout's picture of the frame whole onto the framebuffer that is bound, at the
// layout's size, without crisp magnification, as it would be drawn unscaled; the shown
// picture's drawing is put back after.
void ExecuteLayoutDrawList();

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

// What the frames executed since the last call changed on the back buffer, in layout
// pixels: all of it, some rectangles, or nothing. Presents that send the window only what
// changed read it once for each present.
struct FrameChanges {
    bool whole = false;
    std::vector<PixelRect> rects;
};
FrameChanges TakeFrameChanges();

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
