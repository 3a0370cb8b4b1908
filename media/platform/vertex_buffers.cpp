#include "media/platform/vertex_buffers.h"

#include <algorithm>
#include <cstddef>

#include "media/platform/gl_functions.h"
#include "media/platform/shader_program.h"

namespace {

// Lives with the display's context.
struct BufferState {
    GLuint vertexBuffer = 0;
    GLuint areaBuffer = 0;
    GLuint indexBuffer = 0;
    int indexCapacity = 0;  // quads the index buffer covers
    // As OpenGL was last told, so the attribute is only switched when it changes.
    bool areasFromBuffer = false;
};

BufferState Buffers;

// Two triangles a quad, sharing the quad's four vertices; grown to the largest frame yet.
void ReserveIndices(int quads)
{
    if (quads <= Buffers.indexCapacity)
        return;
    const int capacity = std::max(quads, Buffers.indexCapacity * 2);
    std::vector<GLuint> indices;
    indices.reserve(static_cast<std::size_t>(capacity) * 6);
    for (GLuint quad = 0; quad < static_cast<GLuint>(capacity); ++quad) {
        const GLuint first = quad * 4;
        for (GLuint corner : {0u, 1u, 2u, 0u, 2u, 3u})
            indices.push_back(first + corner);
    }
    gl.BufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)),
                  indices.data(), GL_STATIC_DRAW);
    Buffers.indexCapacity = capacity;
}

}  // namespace

void StartVertexBuffers(bool withAreas)
{
    Buffers = BufferState();
    gl.GenBuffers(1, &Buffers.vertexBuffer);
    gl.GenBuffers(1, &Buffers.areaBuffer);
    gl.GenBuffers(1, &Buffers.indexBuffer);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, Buffers.indexBuffer);
    if (withAreas) {
        gl.BindBuffer(GL_ARRAY_BUFFER, Buffers.areaBuffer);
        gl.VertexAttribPointer(AreaSlot, 1, GL_UNSIGNED_BYTE, GL_FALSE, 1, nullptr);
        gl.VertexAttrib1f(AreaSlot, 0);
    }
    gl.BindBuffer(GL_ARRAY_BUFFER, Buffers.vertexBuffer);
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

void StopVertexBuffers()
{
    gl.DeleteBuffers(1, &Buffers.vertexBuffer);
    gl.DeleteBuffers(1, &Buffers.areaBuffer);
    gl.DeleteBuffers(1, &Buffers.indexBuffer);
    Buffers = BufferState();
}

void UploadVertices(const std::vector<Vertex>& vertices)
{
    ReserveIndices(static_cast<int>(vertices.size() / 4));
    gl.BindBuffer(GL_ARRAY_BUFFER, Buffers.vertexBuffer);
    gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)),
                  vertices.data(), GL_STREAM_DRAW);
}

void UploadAreas(const std::vector<uint8_t>& areas)
{
    gl.BindBuffer(GL_ARRAY_BUFFER, Buffers.areaBuffer);
    gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(areas.size()), areas.data(), GL_STREAM_DRAW);
}

void TakeAreasFromBuffer(bool on)
{
    if (on == Buffers.areasFromBuffer)
        return;
    Buffers.areasFromBuffer = on;
    if (on) {
        gl.EnableVertexAttribArray(AreaSlot);
    } else {
        gl.DisableVertexAttribArray(AreaSlot);
        gl.VertexAttrib1f(AreaSlot, 0);
    }
}
