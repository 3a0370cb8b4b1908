// The OpenGL entry points the renderer uses, looked up through SDL once a context exists,
// so the program needs no link-time OpenGL library and works the same under GLX and EGL.
// Only the renderer's units, the display and the frame capture include this header.
#pragma once

#define GL_GLEXT_PROTOTYPES 1
#include <SDL_opengl.h>

#include <string>

// Every function is called as gl.Name(...), for glName.
#define TINDLEWICK_GL_FUNCTIONS(X) \
    X(ActiveTexture)               \
    X(AttachShader)                \
    X(BindAttribLocation)          \
    X(BindBuffer)                  \
    X(BindTexture)                 \
    X(BlendFunc)                   \
    X(BufferData)                  \
    X(Clear)                       \
    X(ClearColor)                  \
    X(CompileShader)               \
    X(CreateProgram)               \
    X(CreateShader)                \
    X(DeleteBuffers)               \
    X(DeleteProgram)               \
    X(DeleteShader)                \
    X(DeleteTextures)              \
    X(Disable)                     \
    X(DisableVertexAttribArray)    \
    X(DrawElements)                \
    X(Enable)                      \
    X(EnableVertexAttribArray)     \
    X(GenBuffers)                  \
    X(GenTextures)                 \
    X(GenerateMipmap)              \
    X(GetIntegerv)                 \
    X(GetProgramInfoLog)           \
    X(GetProgramiv)                \
    X(GetShaderInfoLog)            \
    X(GetShaderiv)                 \
    X(GetString)                   \
    X(GetUniformLocation)          \
    X(LinkProgram)                 \
    X(PixelStorei)                 \
    X(ReadPixels)                  \
    X(Scissor)                     \
    X(ShaderSource)                \
    X(TexImage2D)                  \
    X(TexParameteri)               \
    X(TexSubImage2D)               \
    X(Uniform1f)                   \
    X(Uniform1i)                   \
    X(Uniform2f)                   \
    X(UseProgram)                  \
    X(VertexAttrib1f)              \
    X(VertexAttribPointer)         \
    X(Viewport)

// Entry points some drivers lack; the renderer does without what they give when they are Null.
#define TINDLEWICK_OPTIONAL_GL_FUNCTIONS(X) \
    X(BindFramebuffer)                      \
    X(BindRenderbuffer)                     \
    X(CheckFramebufferStatus)               \
    X(DeleteFramebuffers)                   \
    X(DeleteRenderbuffers)                  \
    X(FramebufferRenderbuffer)              \
    X(GenFramebuffers)                      \
    X(GenRenderbuffers)                     \
    X(GetStringi)                           \
    X(ReleaseShaderCompiler)                \
    X(RenderbufferStorage)                  \
    X(ScissorArrayv)

struct GLFunctions {
#define TINDLEWICK_GL_DECLARE(name) decltype(&::gl##name) name = nullptr;
    TINDLEWICK_GL_FUNCTIONS(TINDLEWICK_GL_DECLARE)
    TINDLEWICK_OPTIONAL_GL_FUNCTIONS(TINDLEWICK_GL_DECLARE)
#undef TINDLEWICK_GL_DECLARE
};

extern GLFunctions gl;

// Looks every function up for the current context. Returns the empty text, or a message
// naming the first required function the driver lacks.
std::string LoadGLFunctions();
