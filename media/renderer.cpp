#include "media/renderer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "media/display.h"
#include "media/draw_list.h"
#include "media/drawing_state.h"
#include "media/gl_functions.h"

namespace {

// Attribute slots, bound before linking so the vertex layout below can name them.
enum Attribute : GLuint { PositionSlot, TexCoordSlot, ColorSlot };

const char* const VertexShader = R"(#version 120
attribute vec2 position;
attribute vec2 texCoord;
attribute vec4 color;
uniform vec2 screenSize;
varying vec2 fragmentTexCoord;
varying vec4 fragmentColor;
void main()
{
    fragmentTexCoord = texCoord;
    fragmentColor = color;
    gl_Position = vec4(position.x * 2.0 / screenSize.x - 1.0,
                       1.0 - position.y * 2.0 / screenSize.y, 0.0, 1.0);
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
    GLuint indexBuffer = 0;
    int indexCapacity = 0;  // quads the index buffer covers
    GLuint whiteTexture = 0;
    // What OpenGL was last told, so state is only touched when it changes.
    int appliedBlend = 0;
    GLuint boundTexture = 0;
    // Textures freed while the frame still draws them go after it has been drawn.
    std::vector<GLuint> doomedTextures;
    RenderCounters counters;
};

RendererState Renderer;
DrawList Frame;

std::string ShaderLog(GLuint shader)
{
    char log[1024] = "";
    gl.GetShaderInfoLog(shader, sizeof log, nullptr, log);
    return log;
}

GLuint CompileShader(GLenum kind, const char* source, std::string& error)
{
    const GLuint shader = gl.CreateShader(kind);
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled)
        error = "The OpenGL driver could not compile a shader: " + ShaderLog(shader);
    return shader;
}

std::string BuildProgram()
{
    std::string error;
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, VertexShader, error);
    const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, FragmentShader, error);
    Renderer.program = gl.CreateProgram();
    gl.AttachShader(Renderer.program, vertex);
    gl.AttachShader(Renderer.program, fragment);
    gl.BindAttribLocation(Renderer.program, PositionSlot, "position");
    gl.BindAttribLocation(Renderer.program, TexCoordSlot, "texCoord");
    gl.BindAttribLocation(Renderer.program, ColorSlot, "color");
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
    gl.GenBuffers(1, &Renderer.indexBuffer);
    gl.BindBuffer(GL_ARRAY_BUFFER, Renderer.vertexBuffer);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, Renderer.indexBuffer);
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

void ExecuteCommand(const DrawCommand& command)
{
    if (command.kind == DrawCommand::Clear) {
        gl.ClearColor(command.red / 255.0f, command.green / 255.0f, command.blue / 255.0f, 1.0f);
        gl.Clear(GL_COLOR_BUFFER_BIT);
        return;
    }
    ApplyBlendMode(command.blendMode);
    BindTexture(command.texture);
    const std::size_t firstIndex = static_cast<std::size_t>(command.firstQuad) * 6;
    gl.DrawElements(GL_TRIANGLES, command.quadCount * 6, GL_UNSIGNED_INT,
                    reinterpret_cast<const void*>(firstIndex * sizeof(GLuint)));
    ++Renderer.counters.drawCalls;
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
    return id;
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

}  // namespace

std::string StartRenderer(int width, int height)
{
    Renderer = RendererState();
    Frame.Clear();
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
    gl.DeleteBuffers(1, &Renderer.indexBuffer);
    gl.DeleteProgram(Renderer.program);
    Renderer = RendererState();
    Frame.Clear();
}

void ExecuteDrawList()
{
    if (!Renderer.started)
        return;
    if (!Frame.Empty()) {
        const auto& vertices = Frame.Vertices();
        if (!vertices.empty()) {
            ReserveIndices(Frame.QuadCount());
            gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)),
                          vertices.data(), GL_STREAM_DRAW);
        }
        for (const DrawCommand& command : Frame.Commands())
            ExecuteCommand(command);
        Renderer.counters.quads += Frame.QuadCount();
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
    Frame.AddQuad(textureId, state.blendMode, placed);
}

void DrawScreenQuad(unsigned textureId, const QuadCorner corners[4])
{
    const DrawingState& state = CurrentDrawingState();
    Vertex placed[4];
    for (int i = 0; i < 4; ++i)
        placed[i] = MakeVertex(corners[i].x, corners[i].y, corners[i], state);
    Frame.AddQuad(textureId, state.blendMode, placed);
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
