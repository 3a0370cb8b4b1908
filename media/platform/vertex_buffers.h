// The renderer's vertex, index and area buffers: the layout the shader program reads them
// in, and the upload of each frame's quads. Only the renderer includes this header.
#pragma once

#include <cstdint>
#include <vector>

#include "media/platform/draw_list.h"

// Makes the buffers and sets up the layout for the current program; `withAreas` when the
// program takes each quad's scissor from the area buffer.
void StartVertexBuffers(bool withAreas);
void StopVertexBuffers();

// The quads of a frame, four vertices each, and indices for at least as many quads.
void UploadVertices(const std::vector<Vertex>& vertices);
// For each vertex just uploaded, the number of the scissor it is drawn under.
void UploadAreas(const std::vector<uint8_t>& areas);
// Whether quads take their scissor from the area buffer, or all take scissor 0.
void TakeAreasFromBuffer(bool on);
