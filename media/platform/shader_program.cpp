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

std::string LinkProgram(bool withAreas, GLuint& program)
{
    std::string error;
    const char* header = withAreas ? AreaHeader : PlainHeader;
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, header, VertexShader, error);
    const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, "", FragmentShader, error);
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

}  // namespace

std::string BuildShaderProgram(int width, int height, ShaderProgram& program)
{
    program.areasPerBatch = ScissorsPerQuadAvailable();
    if (program.areasPerBatch > 0 && !LinkProgram(true, program.id).empty()) {
        gl.DeleteProgram(program.id);
        program.areasPerBatch = 0;
    }
    if (program.areasPerBatch == 0) {
        if (std::string error = LinkProgram(false, program.id); !error.empty())
            return error;
    }
    gl.UseProgram(program.id);
    gl.Uniform2f(gl.GetUniformLocation(program.id, "screenSize"), static_cast<float>(width),
                 static_cast<float>(height));
    gl.Uniform1i(gl.GetUniformLocation(program.id, "picture"), 0);
    program.alphaCutoff = gl.GetUniformLocation(program.id, "alphaCutoff");
    // The program is all the display compiles: Mesa's compiler would otherwise keep its
    // built-in functions and types, some 8 MB, for the rest of the run.
    if (gl.ReleaseShaderCompiler)
        gl.ReleaseShaderCompiler();
    return "";
}
