#include "media/platform/gl_functions.h"

#include <SDL.h>

GLFunctions gl;

std::string LoadGLFunctions()
{
#define TINDLEWICK_GL_LOAD(name)                                                          \
    gl.name = reinterpret_cast<decltype(gl.name)>(SDL_GL_GetProcAddress("gl" #name)); \
    if (!gl.name)                                                                         \
        return "The OpenGL driver lacks gl" #name ".";
    TINDLEWICK_GL_FUNCTIONS(TINDLEWICK_GL_LOAD)
#undef TINDLEWICK_GL_LOAD
#define TINDLEWICK_GL_LOAD_OPTIONAL(name) \
    gl.name = reinterpret_cast<decltype(gl.name)>(SDL_GL_GetProcAddress("gl" #name));
    TINDLEWICK_OPTIONAL_GL_FUNCTIONS(TINDLEWICK_GL_LOAD_OPTIONAL)
#undef TINDLEWICK_GL_LOAD_OPTIONAL
    return "";
}
