// One frame's drawing as a list of commands over one vertex array: runs of quads that share
// a texture and a blend mode, and clears. The renderer executes the list at present, one
// draw call per run, so the cost of a frame follows its changes of texture and blend mode,
// not its number of quads. Free of OpenGL, so the batching is tested without a display.
#pragma once

#include <cstdint>
#include <vector>

// A corner of a quad on the screen, with its texture coordinates and colour.
struct Vertex {
    float x, y;
    float u, v;
    uint8_t red, green, blue, alpha;
};

struct DrawCommand {
    enum Kind { Clear, Quads };
    Kind kind = Quads;
    // Quads: `quadCount` quads from `firstQuad` (four vertices each, clockwise from the
    // top-left), drawn with `texture` (0 = plain colour) and `blendMode`.
    unsigned texture = 0;
    // Which picture the texture held when the quads were added: names of freed textures are
    // given out again, so the name alone does not tell two frames' pictures apart.
    uint32_t textureSerial = 0;
    int blendMode = 0;
    int firstQuad = 0;
    int quadCount = 0;
    // Clear: the whole frame takes this colour.
    uint8_t red = 0, green = 0, blue = 0;
};

class DrawList {
public:
    // Adds a quad to the last run when its texture and blend mode match, else starts a run.
    void AddQuad(unsigned texture, int blendMode, const Vertex corners[4], uint32_t textureSerial = 0);
    // A clear hides everything drawn before it, so that is dropped.
    void AddClear(uint8_t red, uint8_t green, uint8_t blue);
    void Clear();

    bool Empty() const { return commands_.empty(); }
    // True when the list begins with a clear: its picture does not depend on the frame before.
    bool StartsWithClear() const { return !commands_.empty() && commands_.front().kind == DrawCommand::Clear; }
    int QuadCount() const { return static_cast<int>(vertices_.size() / 4); }
    const std::vector<Vertex>& Vertices() const { return vertices_; }
    const std::vector<DrawCommand>& Commands() const { return commands_; }

private:
    std::vector<Vertex> vertices_;
    std::vector<DrawCommand> commands_;
};
