// A partial redraw, planned: the frame's quads that touch the damaged rectangles, in their
// order, each copy tagged with the rectangle it is drawn for. The renderer gives each of a
// batch's rectangles a scissor of its own and draws every copy under its rectangle's, so a
// whole batch costs one change of scissors and one draw call for each change of texture or
// blend mode, however many rectangles it repairs. Software renderers pay far more for a
// change of state than for a quad. Free of OpenGL, so the plan is tested without a display.
#pragma once

#include <cstdint>
#include <vector>

#include "media/platform/draw_list.h"
#include "media/platform/frame_damage.h"

struct RedrawGroup {
    unsigned texture = 0;
    uint32_t textureSerial = 0;
    int blendMode = 0;
    int firstQuad = 0;  // in RedrawPlan::Vertices(), four vertices a quad
    int quadCount = 0;
};

struct RedrawBatch {
    std::vector<PixelRect> areas;  // at most the plan's areas a batch; they never overlap
    int firstGroup = 0;
    int groupCount = 0;
};

class RedrawPlan {
public:
    // Plans `list` (which begins with a clear) redrawn inside `damage`, at most
    // `areasPerBatch` rectangles a batch. `quadBounds` holds where each quad may draw. The
    // clear becomes a quad filling each rectangle in the clear colour, drawn solid.
    void Build(const DrawList& list, const std::vector<PixelRect>& quadBounds,
               const std::vector<PixelRect>& damage, int areasPerBatch);

    const std::vector<Vertex>& Vertices() const { return vertices_; }
    // For each vertex, the number of its rectangle within its batch.
    const std::vector<uint8_t>& Areas() const { return areas_; }
    const std::vector<RedrawGroup>& Groups() const { return groups_; }
    const std::vector<RedrawBatch>& Batches() const { return batches_; }
    int QuadCount() const { return static_cast<int>(vertices_.size() / 4); }

private:
    void AddQuad(const Vertex* corners, int area, const RedrawGroup& look, RedrawBatch& batch);

    std::vector<Vertex> vertices_;
    std::vector<uint8_t> areas_;
    std::vector<RedrawGroup> groups_;
    std::vector<RedrawBatch> batches_;
};
