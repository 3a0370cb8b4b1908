#include "media/platform/redraw_plan.h"

#include <algorithm>

#include "media/platform/blend_mode.h"

void RedrawPlan::AddQuad(const Vertex* corners, int area, const RedrawGroup& look, RedrawBatch& batch)
{
    const bool extendsGroup = batch.groupCount > 0 && groups_.back().texture == look.texture &&
                              groups_.back().textureSerial == look.textureSerial &&
                              groups_.back().blendMode == look.blendMode;
    if (extendsGroup) {
        ++groups_.back().quadCount;
    } else {
        RedrawGroup group = look;
        group.firstQuad = QuadCount();
        group.quadCount = 1;
        groups_.push_back(group);
        ++batch.groupCount;
    }
    vertices_.insert(vertices_.end(), corners, corners + 4);
    areas_.insert(areas_.end(), 4, static_cast<uint8_t>(area));
}

void RedrawPlan::Build(const DrawList& list, const std::vector<PixelRect>& quadBounds,
                       const std::vector<PixelRect>& damage, int areasPerBatch)
{
    vertices_.clear();
    areas_.clear();
    groups_.clear();
    batches_.clear();
    const auto& commands = list.Commands();
    const Vertex* vertices = list.Vertices().data();
    for (std::size_t first = 0; first < damage.size(); first += static_cast<std::size_t>(areasPerBatch)) {
        RedrawBatch batch;
        batch.areas.assign(damage.begin() + static_cast<std::ptrdiff_t>(first),
                           damage.begin() + static_cast<std::ptrdiff_t>(std::min(damage.size(), first + areasPerBatch)));
        batch.firstGroup = static_cast<int>(groups_.size());
        for (const DrawCommand& command : commands) {
            const int areaCount = static_cast<int>(batch.areas.size());
            if (command.kind == DrawCommand::Clear) {
                const RedrawGroup solid{0, 0, BlendSolid, 0, 0};
                for (int area = 0; area < areaCount; ++area) {
                    const PixelRect& r = batch.areas[static_cast<std::size_t>(area)];
                    const float left = static_cast<float>(r.left), top = static_cast<float>(r.top);
                    const float right = static_cast<float>(r.right), bottom = static_cast<float>(r.bottom);
                    const Vertex fill[4] = {{left, top, 0, 0, command.red, command.green, command.blue, 255},
                                            {right, top, 0, 0, command.red, command.green, command.blue, 255},
                                            {right, bottom, 0, 0, command.red, command.green, command.blue, 255},
                                            {left, bottom, 0, 0, command.red, command.green, command.blue, 255}};
                    AddQuad(fill, area, solid, batch);
                }
                continue;
            }
            const RedrawGroup look{command.texture, command.textureSerial, command.blendMode, 0, 0};
            for (int area = 0; area < areaCount; ++area) {
                const PixelRect& r = batch.areas[static_cast<std::size_t>(area)];
                for (int q = command.firstQuad; q < command.firstQuad + command.quadCount; ++q) {
                    if (quadBounds[static_cast<std::size_t>(q)].Touches(r))
                        AddQuad(vertices + 4 * q, area, look, batch);
                }
            }
        }
        batches_.push_back(std::move(batch));
    }
}
