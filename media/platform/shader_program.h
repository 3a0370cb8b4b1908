// The shader program every quad is drawn with: the drawing colour tints the texture, the
// masked blend mode's alpha test discards, and where the driver can, each quad of a partial
// redraw picks the scissor of the rectangle it repairs. Only the renderer includes this.
#pragma once

#include <string>

#include "media/platform/gl_functions.h"

// Attribute slots, bound before linking so the renderer's vertex layout can name them.
enum Attribute : GLuint { PositionSlot, TexCoordSlot, ColorSlot, AreaSlot };

struct ShaderProgram {
    GLuint id = 0;
    // The uniform of the alpha test: fragments below it are discarded.
    GLint alphaCutoff = -1;
    // How many scissors a partial redraw may use at once; 0 when the driver cannot give
    // each quad a scissor of its own.
    int areasPerBatch = 0;
};

// Links the program for a frame of width x height pixels and makes it current. Returns the
// empty text, or a message saying what the driver lacks.
std::string BuildShaderProgram(int width, int height, ShaderProgram& program);
