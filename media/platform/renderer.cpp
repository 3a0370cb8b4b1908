#include "media/platform/renderer.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "media/platform/display.h"
#include "media/platform/draw_list.h"
#include "media/platform/drawing_state.h"
#include "media/platform/frame_damage.h"
#include "media/platform/gl_functions.h"
#include "media/platform/replay_plan.h"

namespace {

// Attribute slots, bound before linking so the vertex layout below can name them.
enum Attribute : GLuint { PositionSlot, TexCoordSlot, ColorSlot, AreaSlot };

// Partial redraws give each quad the scissor of the damaged rectangle it repairs, chosen
// per quad through the viewport index. Full frames use the same program with index 0, so
// both draw the very same pixels.
const char* const AreaHeader = R"(#version 120
#extension GL_ARB_shader_viewport_layer_array : require
#define AREAS 1
)";
const char* const PlainHeader = "#version 120\n";

const char* const VertexShader = R"(
attribute vec2 position;
attribute vec2 texCoord;
attribute vec4 color;
#ifdef AREAS
attribute float area;
#endif
uniform vec2 screenSize;
varying vec2 fragmentTexCoord;
varying vec4 fragmentColor;
void main()
{
    fragmentTexCoord = texCoord;
    fragmentColor = color;
    gl_Position = vec4(position.x * 2.0 / screenSize.x - 1.0,
                       1.0 - position.y * 2.0 / screenSize.y, 0.0, 1.0);
#ifdef AREAS
    gl_ViewportIndex = int(area + 0.5);
#endif
}
)";

// The drawing colour tints the texture; the masked mode's alpha test is the discard.
const char* const FragmentShader = R"(#version 120
uniform sampler2D picture;
uniform float alphaCutoff;
varying vec2 fragmentTexCoord;
varying vec4 fragmentColor;
void main()
{
    vec4 color = texture2D(picture, fragmentTexCoord) * fragmentColor;
    if (color.a < alphaCutoff)
        discard;
    gl_FragColor = color;
}
)";

// Everything below lives with the display's context.
struct RendererState {
    bool started = false;
    int width = 0;
    int height = 0;
    GLuint program = 0;
    GLint alphaCutoff = -1;
    GLuint vertexBuffer = 0;
    GLuint areaBuffer = 0;
    GLuint indexBuffer = 0;
    int indexCapacity = 0;  // quads the index buffer covers
    GLuint whiteTexture = 0;
    // What OpenGL was last told, so state is only touched when it changes.
    int appliedBlend = 0;
    GLuint boundTexture = 0;
    bool scissoring = false;
    bool areasFromBuffer = false;
    // Textures freed while the frame still draws them go after it has been drawn.
    std::vector<GLuint> doomedTextures;
    // The serial of the picture each texture name holds now, by name.
    std::vector<uint32_t> textureSerials;
    uint32_t lastSerial = 0;
    // Partial redraws: possible when the program can pick a scissor per quad, in use when
    // the display keeps the back buffer's picture across a flip.
    int areasPerBatch = 0;
    bool trackDamage = false;
    // Whether the back buffer holds exactly the picture of `shown`.
    bool shownOnScreen = false;
    RenderCounters counters;
};

RendererState Renderer;
// The frame being drawn, and the last frame executed: the picture in the back buffer.
DrawList Frame;
DrawList Shown;
std::optional<FrameDamage> Damage;
ReplayPlan Plan;

std::string ShaderLog(GLuint shader)
{
    char log[1024] = "";
    gl.GetShaderInfoLog(shader, sizeof log, nullptr, log);
    return log;
}

GLuint CompileShader(GLenum kind, const char* header, const char* source, std::string& error)
{
    const GLuint shader = gl.CreateShader(kind);
    const char* parts[2] = {header, source};
    gl.ShaderSource(shader, 2, parts, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled && error.empty())
        error = "The OpenGL driver could not compile a shader: " + ShaderLog(shader);
    return shader;
}

bool HasExtension(const char* name)
{
    const char* version = reinterpret_cast<const char*>(gl.GetString(GL_VERSION));
    if (!version || std::atoi(version) < 3 || !gl.GetStringi)
        return false;
    GLint count = 0;
    gl.GetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const char* extension = reinterpret_cast<const char*>(gl.GetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        if (extension && std::strcmp(extension, name) == 0)
            return true;
    }
    return false;
}

// How many scissors a partial redraw may use at once; 0 when the driver cannot pick one per
// quad.
int ScissorsPerQuadAvailable()
{
    if (!HasExtension("GL_ARB_shader_viewport_layer_array") || !HasExtension("GL_ARB_viewport_array"))
        return 0;
    GLint viewports = 0;
    gl.GetIntegerv(GL_MAX_VIEWPORTS, &viewports);
    return std::min(viewports, 256);
}

std::string LinkProgram(bool withAreas)
{
    std::string error;
    const char* header = withAreas ? AreaHeader : PlainHeader;
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, header, VertexShader, error);
    const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, "", FragmentShader, error);
    Renderer.program = gl.CreateProgram();
    gl.AttachShader(Renderer.program, vertex);
    gl.AttachShader(Renderer.program, fragment);
    gl.BindAttribLocation(Renderer.program, PositionSlot, "position");
    gl.BindAttribLocation(Renderer.program, TexCoordSlot, "texCoord");
    gl.BindAttribLocation(Renderer.program, ColorSlot, "color");
    if (withAreas)
        gl.BindAttribLocation(Renderer.program, AreaSlot, "area");
    gl.LinkProgram(Renderer.program);
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(Renderer.program, GL_LINK_STATUS, &linked);
    if (!error.empty())
        return error;
    if (!linked) {
        char log[1024] = "";
        gl.GetProgramInfoLog(Renderer.program, sizeof log, nullptr, log);
        return std::string("The OpenGL driver could not link the shaders: ") + log;
    }
    return "";
}

std::string BuildProgram()
{
    Renderer.areasPerBatch = ScissorsPerQuadAvailable();
    if (Renderer.areasPerBatch > 0 && !LinkProgram(true).empty()) {
        gl.DeleteProgram(Renderer.program);
        Renderer.areasPerBatch = 0;
    }
    if (Renderer.areasPerBatch == 0) {
        if (std::string error = LinkProgram(false); !error.empty())
            return error;
    }
    gl.UseProgram(Renderer.program);
    gl.Uniform2f(gl.GetUniformLocation(Renderer.program, "screenSize"),
                 static_cast<float>(Renderer.width), static_cast<float>(Renderer.height));
    gl.Uniform1i(gl.GetUniformLocation(Renderer.program, "picture"), 0);
    Renderer.alphaCutoff = gl.GetUniformLocation(Renderer.program, "alphaCutoff");
    return "";
}

void SetUpVertexLayout()
{
    gl.GenBuffers(1, &Renderer.vertexBuffer);
    gl.GenBuffers(1, &Renderer.areaBuffer);
    gl.GenBuffers(1, &Renderer.indexBuffer);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, Renderer.indexBuffer);
    if (Renderer.areasPerBatch > 0) {
        gl.BindBuffer(GL_ARRAY_BUFFER, Renderer.areaBuffer);
        gl.VertexAttribPointer(AreaSlot, 1, GL_UNSIGNED_BYTE, GL_FALSE, 1, nullptr);
        gl.VertexAttrib1f(AreaSlot, 0);
    }
    gl.BindBuffer(GL_ARRAY_BUFFER, Renderer.vertexBuffer);
    const auto offset = [](std::size_t bytes) { return reinterpret_cast<const void*>(bytes); };
    gl.VertexAttribPointer(PositionSlot, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                           offset(offsetof(Vertex, x)));
    gl.VertexAttribPointer(TexCoordSlot, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                           offset(offsetof(Vertex, u)));
    gl.VertexAttribPointer(ColorSlot, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                           offset(offsetof(Vertex, red)));
    gl.EnableVertexAttribArray(PositionSlot);
    gl.EnableVertexAttribArray(TexCoordSlot);
    gl.EnableVertexAttribArray(ColorSlot);
}

// Two triangles a quad, sharing the quad's four vertices; grown to the largest frame yet.
void ReserveIndices(int quads)
{
    if (quads <= Renderer.indexCapacity)
        return;
    const int capacity = std::max(quads, Renderer.indexCapacity * 2);
    std::vector<GLuint> indices;
    indices.reserve(static_cast<std::size_t>(capacity) * 6);
    for (GLuint quad = 0; quad < static_cast<GLuint>(capacity); ++quad) {
        const GLuint first = quad * 4;
        for (GLuint corner : {0u, 1u, 2u, 0u, 2u, 3u})
            indices.push_back(first + corner);
    }
    gl.BufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)),
                  indices.data(), GL_STATIC_DRAW);
    Renderer.indexCapacity = capacity;
}

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
    gl.Uniform1f(Renderer.alphaCutoff, mode == BlendMasked ? 0.5f : -1.0f);
}

void BindTexture(unsigned texture)
{
    const GLuint id = texture ? texture : Renderer.whiteTexture;
    if (id != Renderer.boundTexture) {
        gl.BindTexture(GL_TEXTURE_2D, id);
        Renderer.boundTexture = id;
    }
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
        gl.Scissor(0, 0, Renderer.width, Renderer.height);
    }
}

void TakeAreasFromBuffer(bool on)
{
    if (on == Renderer.areasFromBuffer)
        return;
    Renderer.areasFromBuffer = on;
    if (on) {
        gl.EnableVertexAttribArray(AreaSlot);
    } else {
        gl.DisableVertexAttribArray(AreaSlot);
        gl.VertexAttrib1f(AreaSlot, 0);
    }
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

void UploadVertices(const std::vector<Vertex>& vertices)
{
    ReserveIndices(static_cast<int>(vertices.size() / 4));
    gl.BindBuffer(GL_ARRAY_BUFFER, Renderer.vertexBuffer);
    gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)),
                  vertices.data(), GL_STREAM_DRAW);
}

void DrawWhole(const DrawList& list)
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
    Renderer.counters.quads += list.QuadCount();
    ++Renderer.counters.wholeFrames;
}

// Draws every batch of the plan, each rectangle under its own scissor. The scissors'
// y counts from the bottom of the frame.
void DrawPlan(const ReplayPlan& plan)
{
    UploadVertices(plan.Vertices());
    gl.BindBuffer(GL_ARRAY_BUFFER, Renderer.areaBuffer);
    gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(plan.Areas().size()), plan.Areas().data(),
                  GL_STREAM_DRAW);
    TakeAreasFromBuffer(true);
    SetScissoring(true);
    std::vector<GLint> boxes;
    for (const ReplayBatch& batch : plan.Batches()) {
        boxes.clear();
        for (const PixelRect& area : batch.areas)
            boxes.insert(boxes.end(), {area.left, Renderer.height - area.bottom, area.right - area.left, area.bottom - area.top});
        gl.ScissorArrayv(0, static_cast<GLsizei>(batch.areas.size()), boxes.data());
        for (int g = batch.firstGroup; g < batch.firstGroup + batch.groupCount; ++g) {
            const ReplayGroup& group = plan.Groups()[static_cast<std::size_t>(g)];
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
        Plan.Build(Frame, Damage->QuadBoundsOfAfter(), damage, Renderer.areasPerBatch);
        DrawPlan(Plan);
    }
}

GLuint UploadTexture(const uint8_t* rgba, int width, int height, int flags)
{
    GLuint id = 0;
    gl.GenTextures(1, &id);
    gl.BindTexture(GL_TEXTURE_2D, id);
    Renderer.boundTexture = id;
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    const bool filtered = flags & TextureFiltered;
    const bool mipmapped = flags & TextureMipmapped;
    GLint minFilter = filtered ? GL_LINEAR : GL_NEAREST;
    if (mipmapped) {
        gl.GenerateMipmap(GL_TEXTURE_2D);
        minFilter = filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST;
    }
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (Renderer.textureSerials.size() <= id)
        Renderer.textureSerials.resize(id + 1, 0);
    Renderer.textureSerials[id] = ++Renderer.lastSerial;
    return id;
}

uint32_t SerialOf(unsigned texture)
{
    return texture < Renderer.textureSerials.size() ? Renderer.textureSerials[texture] : 0;
}

void DeleteDoomedTextures()
{
    if (Renderer.doomedTextures.empty())
        return;
    for (GLuint id : Renderer.doomedTextures) {
        if (id == Renderer.boundTexture)
            Renderer.boundTexture = 0;
    }
    gl.DeleteTextures(static_cast<GLsizei>(Renderer.doomedTextures.size()),
                      Renderer.doomedTextures.data());
    Renderer.doomedTextures.clear();
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

std::string StartRenderer(int width, int height)
{
    Renderer = RendererState();
    Frame.Clear();
    Shown.Clear();
    if (std::string error = LoadGLFunctions(); !error.empty())
        return error;
    Renderer.width = width;
    Renderer.height = height;
    if (std::string error = BuildProgram(); !error.empty())
        return error;
    SetUpVertexLayout();
    const uint8_t white[4] = {255, 255, 255, 255};
    Renderer.whiteTexture = UploadTexture(white, 1, 1, 0);
    gl.Viewport(0, 0, width, height);
    Damage.emplace(width, height);
    Renderer.started = true;
    return "";
}

void StopRenderer()
{
    if (!Renderer.started)
        return;
    DeleteDoomedTextures();
    gl.DeleteTextures(1, &Renderer.whiteTexture);
    gl.DeleteBuffers(1, &Renderer.vertexBuffer);
    gl.DeleteBuffers(1, &Renderer.areaBuffer);
    gl.DeleteBuffers(1, &Renderer.indexBuffer);
    gl.DeleteProgram(Renderer.program);
    Renderer = RendererState();
    Frame.Clear();
    Shown.Clear();
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
    Renderer.trackDamage = on && Renderer.started && Renderer.areasPerBatch > 0;
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
}

const RenderCounters& RendererCounters()
{
    return Renderer.counters;
}

Texture CreateTexture(const uint8_t* rgba, int width, int height, int flags)
{
    Texture texture;
    if (Renderer.started && width > 0 && height > 0) {
        texture.id = UploadTexture(rgba, width, height, flags);
        texture.generation = DisplayGeneration();
    }
    return texture;
}

void DestroyTexture(Texture& texture)
{
    if (texture.id != 0 && Renderer.started && texture.generation == DisplayGeneration())
        Renderer.doomedTextures.push_back(texture.id);
    texture = Texture();
}

void DrawQuad(unsigned textureId, float x, float y, const QuadCorner corners[4])
{
    const DrawingState& state = CurrentDrawingState();
    Vertex placed[4];
    for (int i = 0; i < 4; ++i) {
        const QuadCorner& c = corners[i];
        placed[i] = MakeVertex(x + c.x * state.ix + c.y * state.iy,
                               y + c.x * state.jx + c.y * state.jy, c, state);
    }
    Frame.AddQuad(textureId, state.blendMode, placed, SerialOf(textureId));
}

void DrawScreenQuad(unsigned textureId, const QuadCorner corners[4])
{
    const DrawingState& state = CurrentDrawingState();
    Vertex placed[4];
    for (int i = 0; i < 4; ++i)
        placed[i] = MakeVertex(corners[i].x, corners[i].y, corners[i], state);
    Frame.AddQuad(textureId, state.blendMode, placed, SerialOf(textureId));
}

void ClearFrame()
{
    const DrawingState& state = CurrentDrawingState();
    Frame.AddClear(static_cast<uint8_t>(state.backdropRed), static_cast<uint8_t>(state.backdropGreen),
                   static_cast<uint8_t>(state.backdropBlue));
}

FramePixels CaptureFrame()
{
    FramePixels frame;
    if (!Renderer.started)
        return frame;
    ExecuteDrawList();
    frame.width = Renderer.width;
    frame.height = Renderer.height;
    const std::size_t rowBytes = static_cast<std::size_t>(frame.width) * 4;
    std::vector<uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(frame.height));
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    frame.rgba.resize(bottomUp.size());
    for (int row = 0; row < frame.height; ++row) {
        const auto source = bottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * (frame.height - 1 - row));
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  frame.rgba.begin() + static_cast<std::ptrdiff_t>(rowBytes * row));
    }
    // What the screen shows is opaque, whatever blending left in the back buffer's alpha.
    for (std::size_t i = 3; i < frame.rgba.size(); i += 4)
        frame.rgba[i] = 255;
    return frame;
}
