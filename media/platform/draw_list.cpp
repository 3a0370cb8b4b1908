#include "media/platform/draw_list.h"

void DrawList::AddQuad(unsigned texture, int blendMode, const Vertex corners[4], uint32_t textureSerial)
{
    const bool extendsRun = !commands_.empty() && commands_.back().kind == DrawCommand::Quads &&
                            commands_.back().texture == texture &&
                            commands_.back().textureSerial == textureSerial &&
                            commands_.back().blendMode == blendMode;
    if (extendsRun) {
        ++commands_.back().quadCount;
    } else {
        DrawCommand run;
        run.texture = texture;
        run.textureSerial = textureSerial;
        run.blendMode = blendMode;
        run.firstQuad = QuadCount();
        run.quadCount = 1;
        commands_.push_back(run);
    }
    vertices_.insert(vertices_.end(), corners, corners + 4);
}

void DrawList::AddClear(uint8_t red, uint8_t green, uint8_t blue)
{
    Clear();
    DrawCommand clear;
    clear.kind = DrawCommand::Clear;
    clear.red = red;
    clear.green = green;
    clear.blue = blue;
    commands_.push_back(clear);
}

void DrawList::Clear()
{
    vertices_.clear();
    commands_.clear();
}
