#include "media/platform/shader_program.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

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

// Where each layout pixel covers a square of whole pixels, a magnified picture is sampled
// at the centre of the texel under each pixel, as the nearest texel, while a picture drawn
// smaller keeps its filtering and mipmaps. The layout's own picture, for screenshots, is
// drawn with crisp off, exactly as the plain program draws it.
const char* const CrispFragmentShader = R"(#version 130
uniform sampler2D picture;
uniform float alphaCutoff;
uniform bool crisp;
varying vec2 fragmentTexCoord;
varying vec4 fragmentColor;
void main()
{
    vec2 size = vec2(textureSize(picture, 0));
    vec2 texels = fragmentTexCoord * size;
    vec2 footprint = fwidth(texels);
    vec4 color;
    if (crisp && max(footprint.x, footprint.y) < 0.999) {
        vec2 centre = (floor(texels) + 0.5) / size;
        color = textureGrad(picture, centre, dFdx(fragmentTexCoord), dFdy(fragmentTexCoord));
    } else {
        color = texture2D(picture, fragmentTexCoord);
    }
    color *= fragmentColor;
    if (color.a < alphaCutoff)
        discard;
    gl_FragColor = color;
}
)";

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

std::string LinkProgram(bool withAreas, bool crisp, GLuint& program)
{
    std::string error;
    const char* header = withAreas ? AreaHeader : PlainHeader;
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, header, VertexShader, error);
    const GLuint fragment =
        CompileShader(GL_FRAGMENT_SHADER, "", crisp ? CrispFragmentShader : FragmentShader, error);
    program = gl.CreateProgram();
    gl.AttachShader(program, vertex);
    gl.AttachShader(program, fragment);
    gl.BindAttribLocation(program, PositionSlot, "position");
    gl.BindAttribLocation(program, TexCoordSlot, "texCoord");
    gl.BindAttribLocation(program, ColorSlot, "color");
    if (withAreas)
        gl.BindAttribLocation(program, AreaSlot, "area");
    gl.LinkProgram(program);
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!error.empty())
        return error;
    if (!linked) {
        char log[1024] = "";
        gl.GetProgramInfoLog(program, sizeof log, nullptr, log);
        return std::string("The OpenGL driver could not link the shaders: ") + log;
    }
    return "";
}

// The program with partial redraws where the driver can give each quad a scissor, without
// them where it cannot.
std::string LinkWithOrWithoutAreas(bool crisp, ShaderProgram& program)
{
    program.areasPerBatch = ScissorsPerQuadAvailable();
    if (program.areasPerBatch > 0 && !LinkProgram(true, crisp, program.id).empty()) {
        gl.DeleteProgram(program.id);
        program.areasPerBatch = 0;
    }
    if (program.areasPerBatch == 0)
        return LinkProgram(false, crisp, program.id);
    return "";
}

}  // namespace

std::string BuildShaderProgram(int width, int height, bool crisp, ShaderProgram& program)
{
    // A driver without crisp magnification still shows every picture, filtered as its flags say.
    if (!crisp || !LinkWithOrWithoutAreas(true, program).empty()) {
        if (crisp)
            gl.DeleteProgram(program.id);
        if (std::string error = LinkWithOrWithoutAreas(false, program); !error.empty())
            return error;
    }
    gl.UseProgram(program.id);
    program.screenSize = gl.GetUniformLocation(program.id, "screenSize");
    gl.Uniform2f(program.screenSize, static_cast<float>(width), static_cast<float>(height));
    gl.Uniform1i(gl.GetUniformLocation(program.id, "picture"), 0);
    program.alphaCutoff = gl.GetUniformLocation(program.id, "alphaCutoff");
    program.crisp = crisp ? gl.GetUniformLocation(program.id, "crisp") : -1;
    SetCrispPictures(program, true);
    return "";
}

void SetCrispPictures(const ShaderProgram& program, bool on)
{
    if (program.crisp >= 0)
        gl.Uniform1i(program.crisp, on ? 1 : 0);
}
