#include "media/platform/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "media/platform/blend_mode.h"
#include "media/platform/draw_list.h"
#include "media/platform/drawing_state.h"
#include "media/platform/frame_damage.h"
#include "media/platform/gl_functions.h"
#include "media/platform/redraw_plan.h"
#include "media/platform/shader_program.h"
#include "media/platform/vertex_buffers.h"

namespace {

// Everything below lives with the display's context.
struct RendererState {
    bool started = false;
    // The layout quads are placed in, and the drawable it is shown on.
    int width = 0;
    int height = 0;
    int drawableWidth = 0;
    int drawableHeight = 0;
    PictureArea area;
    ShaderProgram shader;
    // What OpenGL was last told, so state is only touched when it changes.
    int appliedBlend = 0;
    bool scissoring = false;
    // Partial redraws: possible when the program can pick a scissor per quad, in use when
    // the display keeps the back buffer's picture across a flip.
    bool trackDamage = false;
    // Whether the back buffer holds exactly the picture of `shown`.
    bool shownOnScreen = false;
    RenderCounters counters;
};

RendererState Renderer;
// The frame being drawn, and the last frame executed: the picture in the back buffer.
DrawList Frame;
DrawList Shown;
// The frame being drawn at the layout's own size, while a screenshot needs it; asked for
// the whole run, whatever display is open.
DrawList LayoutFrame;
bool LayoutWanted = false;
// What the back buffer took since the last present; lives with the display's context.
FrameChanges Changes;
std::optional<FrameDamage> Damage;
RedrawPlan Plan;

void ApplyBlendMode(int mode)
{
    if (mode == Renderer.appliedBlend)
        return;
    Renderer.appliedBlend = mode;
    ++Renderer.counters.blendChanges;
    const bool blending = mode == BlendAlpha || mode == BlendLight || mode == BlendShade;
    if (blending)
        gl.Enable(GL_BLEND);
    else
        gl.Disable(GL_BLEND);
    if (mode == BlendAlpha)
        gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    else if (mode == BlendLight)
        gl.BlendFunc(GL_SRC_ALPHA, GL_ONE);
    else if (mode == BlendShade)
        gl.BlendFunc(GL_DST_COLOR, GL_ZERO);
    gl.Uniform1f(Renderer.shader.alphaCutoff, mode == BlendMasked ? 0.5f : -1.0f);
}

// Partial redraws leave the scissors and the per-quad areas on for the next one; a whole
// frame turns them off. Each change of state costs a software renderer dearly.
void SetScissoring(bool on)
{
    if (on == Renderer.scissoring)
        return;
    Renderer.scissoring = on;
    if (on) {
        gl.Enable(GL_SCISSOR_TEST);
    } else {
        gl.Disable(GL_SCISSOR_TEST);
        gl.Scissor(0, 0, Renderer.drawableWidth, Renderer.drawableHeight);
    }
}

// The viewport the layout is drawn through, and whether magnified pictures come out crisp:
// the shown picture's, or the layout's own at its own size.
void ShowLayoutAt(int left, int bottom, int width, int height, bool crisp)
{
    gl.Viewport(left, bottom, width, height);
    MagnifyCrisply(crisp);
}

void ShowPictureArea()
{
    const PictureArea& area = Renderer.area;
    ShowLayoutAt(area.left, Renderer.drawableHeight - area.top - area.height, area.width, area.height, area.crisp);
}

// The scissor of a rectangle of layout pixels.
void AddScissor(const PixelRect& rect, std::vector<GLint>& boxes)
{
    const DrawableBox box = DrawableBoxOf(Renderer.area, Renderer.drawableHeight, rect.left, rect.top, rect.right, rect.bottom);
    boxes.insert(boxes.end(), {box.x, box.y, box.width, box.height});
}

void DrawQuads(unsigned texture, int blendMode, int firstQuad, int quadCount)
{
    ApplyBlendMode(blendMode);
    BindTexture(texture);
    const std::size_t firstIndex = static_cast<std::size_t>(firstQuad) * 6;
    gl.DrawElements(GL_TRIANGLES, quadCount * 6, GL_UNSIGNED_INT,
                    reinterpret_cast<const void*>(firstIndex * sizeof(GLuint)));
    ++Renderer.counters.drawCalls;
}

void DrawCommands(const DrawList& list)
{
    SetScissoring(false);
    TakeAreasFromBuffer(false);
    if (!list.Vertices().empty())
        UploadVertices(list.Vertices());
    for (const DrawCommand& command : list.Commands()) {
        if (command.kind == DrawCommand::Clear) {
            gl.ClearColor(command.red / 255.0f, command.green / 255.0f, command.blue / 255.0f, 1.0f);
            gl.Clear(GL_COLOR_BUFFER_BIT);
        } else {
            DrawQuads(command.texture, command.blendMode, command.firstQuad, command.quadCount);
        }
    }
}

void DrawWhole(const DrawList& list)
{
    DrawCommands(list);
    Renderer.counters.quads += list.QuadCount();
    ++Renderer.counters.wholeFrames;
    Changes.whole = true;
}

// Draws every batch of the plan, each rectangle under its own scissor.
void DrawPlan(const RedrawPlan& plan)
{
    UploadVertices(plan.Vertices());
    UploadAreas(plan.Areas());
    TakeAreasFromBuffer(true);
    SetScissoring(true);
    std::vector<GLint> boxes;
    for (const RedrawBatch& batch : plan.Batches()) {
        boxes.clear();
        for (const PixelRect& area : batch.areas)
            AddScissor(area, boxes);
        gl.ScissorArrayv(0, static_cast<GLsizei>(batch.areas.size()), boxes.data());
        for (int g = batch.firstGroup; g < batch.firstGroup + batch.groupCount; ++g) {
            const RedrawGroup& group = plan.Groups()[static_cast<std::size_t>(g)];
            DrawQuads(group.texture, group.blendMode, group.firstQuad, group.quadCount);
        }
    }
    Renderer.counters.quads += plan.QuadCount();
    ++Renderer.counters.partialFrames;
}

// Past this share of the screen, redrawing the damaged parts costs more than the whole.
constexpr long WholeFrameShare = 3;  // in quarters

// Brings the back buffer from the picture of `Shown` to that of `Frame`.
void DrawChanges()
{
    const std::vector<PixelRect>& damage = Damage->Compare(Shown, Frame);
    long area = 0;
    for (const PixelRect& rect : damage)
        area += rect.Area();
    if (damage.empty()) {
        ++Renderer.counters.unchangedFrames;
    } else if (area * 4 >= long{Renderer.width} * Renderer.height * WholeFrameShare) {
        DrawWhole(Frame);
    } else {
        Plan.Build(Frame, Damage->QuadBoundsOfAfter(), damage, Renderer.shader.areasPerBatch);
        DrawPlan(Plan);
        Changes.rects.insert(Changes.rects.end(), damage.begin(), damage.end());
    }
}

Vertex MakeVertex(float x, float y, const QuadCorner& corner, const DrawingState& state)
{
    return Vertex{x, y, corner.u, corner.v, static_cast<uint8_t>(state.red),
                  static_cast<uint8_t>(state.green), static_cast<uint8_t>(state.blue),
                  state.alpha};
}

// The colour that tells whether a flip keeps the back buffer: the backdrop with the lowest
// bit of each channel turned over, which no eye tells from the backdrop.
void ProbeColor(uint8_t probe[3])
{
    const DrawingState& state = CurrentDrawingState();
    probe[0] = static_cast<uint8_t>(state.backdropRed ^ 1);
    probe[1] = static_cast<uint8_t>(state.backdropGreen ^ 1);
    probe[2] = static_cast<uint8_t>(state.backdropBlue ^ 1);
}

}  // namespace

std::string StartRenderer(int width, int height, int drawableWidth, int drawableHeight,
                          const PictureArea& area)
{
    Renderer = RendererState();
    Frame.Clear();
    Shown.Clear();
    LayoutFrame.Clear();
    Changes = FrameChanges{true, {}};
    if (std::string error = LoadGLFunctions(); !error.empty())
        return error;
    Renderer.width = width;
    Renderer.height = height;
    Renderer.drawableWidth = drawableWidth;
    Renderer.drawableHeight = drawableHeight;
    Renderer.area = area;
    if (std::string error = BuildShaderProgram(width, height, Renderer.shader); !error.empty())
        return error;
    StartVertexBuffers(Renderer.shader.areasPerBatch > 0);
    StartTextures(area.crisp);
    ShowPictureArea();
    Damage.emplace(width, height);
    Renderer.started = true;
    return "";
}

void StopRenderer()
{
    if (!Renderer.started)
        return;
    StopTextures();
    StopVertexBuffers();
    gl.DeleteProgram(Renderer.shader.id);
    Renderer = RendererState();
    Frame.Clear();
    Shown.Clear();
    LayoutFrame.Clear();
}

void MarkFlipProbe()
{
    if (!Renderer.started)
        return;
    uint8_t probe[3];
    ProbeColor(probe);
    // The whole buffer: a clear under a scissor is drawn as a quad, which costs a software
    // driver a shader compile before the first frame.
    SetScissoring(false);
    gl.ClearColor(probe[0] / 255.0f, probe[1] / 255.0f, probe[2] / 255.0f, 1.0f);
    gl.Clear(GL_COLOR_BUFFER_BIT);
    Renderer.shownOnScreen = false;
    Changes.whole = true;
}

bool FlipProbeKept()
{
    if (!Renderer.started)
        return false;
    uint8_t probe[3];
    ProbeColor(probe);
    uint8_t pixel[4] = {0, 0, 0, 0};
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return std::equal(probe, probe + 3, pixel);
}

void TrackDamage(bool on)
{
    Renderer.trackDamage = on && Renderer.started && Renderer.shader.areasPerBatch > 0;
    Renderer.shownOnScreen = false;
}

bool DamageTracked()
{
    return Renderer.trackDamage;
}

void ExecuteDrawList()
{
    if (!Renderer.started)
        return;
    if (!Frame.Empty()) {
        if (Renderer.trackDamage && Renderer.shownOnScreen && Frame.StartsWithClear()) {
            DrawChanges();
        } else {
            DrawWhole(Frame);
            Damage->Forget();
        }
        // A frame that does not begin with a clear draws over whatever was there, so its
        // picture is not its list's alone.
        Renderer.shownOnScreen = Renderer.trackDamage && Frame.StartsWithClear();
        std::swap(Shown, Frame);
        Frame.Clear();
    }
    DeleteDoomedTextures();
    ReturnCompilerMemory();
}

FrameSize RendererFrameSize()
{
    return Renderer.started ? FrameSize{Renderer.drawableWidth, Renderer.drawableHeight} : FrameSize();
}

FrameSize RendererLayoutSize()
{
    return Renderer.started ? FrameSize{Renderer.width, Renderer.height} : FrameSize();
}

const PictureArea& RendererPictureArea()
{
    return Renderer.area;
}

void ResizeRenderer(int drawableWidth, int drawableHeight, const PictureArea& area)
{
    if (!Renderer.started)
        return;
    Renderer.drawableWidth = drawableWidth;
    Renderer.drawableHeight = drawableHeight;
    Renderer.area = area;
    ShowPictureArea();
    // The back buffer's picture no longer matches the last frame's list.
    Damage->Forget();
    Renderer.shownOnScreen = false;
    Changes.whole = true;
}

FrameChanges TakeFrameChanges()
{
    FrameChanges taken = std::move(Changes);
    Changes = FrameChanges();
    return taken;
}

void RecordLayoutPicture(bool on)
{
    LayoutWanted = on;
    LayoutFrame.Clear();
}

bool LayoutPictureRecorded()
{
    return LayoutWanted && Renderer.started && Renderer.area.scale != 1;
}

void ExecuteLayoutDrawList()
{
    if (!Renderer.started)
        return;
    ShowLayoutAt(0, 0, Renderer.width, Renderer.height, false);
    DrawCommands(LayoutFrame);
    ShowPictureArea();
}

const RenderCounters& RendererCounters()
{
    return Renderer.counters;
}

namespace {

void AddQuad(unsigned textureId, const Vertex placed[4], DrawTarget target)
{
    const int blendMode = CurrentDrawingState().blendMode;
    if (target != DrawTarget::Layout)
        Frame.AddQuad(textureId, blendMode, placed, TextureSerial(textureId));
    if (target != DrawTarget::Shown && LayoutPictureRecorded())
        LayoutFrame.AddQuad(textureId, blendMode, placed, TextureSerial(textureId));
}

}  // namespace

void DrawQuad(unsigned textureId, float x, float y, const QuadCorner corners[4], DrawTarget target)
{
    const DrawingState& state = CurrentDrawingState();
    Vertex placed[4];
    for (int i = 0; i < 4; ++i) {
        const QuadCorner& c = corners[i];
        placed[i] = MakeVertex(x + c.x * state.ix + c.y * state.iy,
                               y + c.x * state.jx + c.y * state.jy, c, state);
    }
    AddQuad(textureId, placed, target);
}

void DrawScreenQuad(unsigned textureId, const QuadCorner corners[4])
{
    const DrawingState& state = CurrentDrawingState();
    Vertex placed[4];
    for (int i = 0; i < 4; ++i)
        placed[i] = MakeVertex(corners[i].x, corners[i].y, corners[i], state);
    AddQuad(textureId, placed, DrawTarget::Both);
}

void DrawClear()
{
    const DrawingState& state = CurrentDrawingState();
    const auto red = static_cast<uint8_t>(state.backdropRed);
    const auto green = static_cast<uint8_t>(state.backdropGreen);
    const auto blue = static_cast<uint8_t>(state.backdropBlue);
    Frame.AddClear(red, green, blue);
    if (LayoutPictureRecorded())
        LayoutFrame.AddClear(red, green, blue);
}
