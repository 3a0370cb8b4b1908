#include "media/platform/frame_damage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Damage is gathered on a lattice of cells this many pixels square, which turns any number
// of small overlapping rectangles into a few that do not overlap.
constexpr int CellSide = 4;
// A quad found further ahead in the last frame than this is taken as the same quad only
// when the quads after it agree as well: a lone look-alike far ahead would otherwise mark
// everything between as changed.
constexpr int FarAhead = 8;
constexpr int AgreeingAfterFarJump = 2;

uint64_t Mix(uint64_t hash, uint64_t word)
{
    hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    return hash ^ (hash >> 29);
}

uint64_t QuadKey(const Vertex* corners, const DrawCommand& run)
{
    uint64_t words[10];
    static_assert(sizeof(words) == 4 * sizeof(Vertex));
    std::memcpy(words, corners, sizeof(words));
    uint64_t hash = Mix(run.texture, (uint64_t{run.textureSerial} << 8) ^ static_cast<uint64_t>(run.blendMode));
    for (uint64_t word : words)
        hash = Mix(hash, word);
    return hash;
}

bool SameLook(const DrawCommand& a, const DrawCommand& b)
{
    return a.texture == b.texture && a.textureSerial == b.textureSerial && a.blendMode == b.blendMode;
}

}  // namespace

PixelRect QuadBounds(const Vertex corners[4])
{
    float left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
    for (int i = 1; i < 4; ++i) {
        left = std::min(left, corners[i].x);
        right = std::max(right, corners[i].x);
        top = std::min(top, corners[i].y);
        bottom = std::max(bottom, corners[i].y);
    }
    // A pixel is drawn when its centre, half a pixel in, lies inside the quad. Corners are
    // snapped to a fraction of a pixel before that test, so an edge is taken as reaching a
    // little further out than it does. Far off the screen (or not a number) is clamped to
    // just off it: the screen is small.
    constexpr float Snap = 1.0f / 64;
    const auto pixel = [](float edge) {
        return std::isnan(edge) ? 0 : static_cast<int>(std::ceil(std::clamp(edge - 0.5f, -1e6f, 1e6f)));
    };
    return {pixel(left - Snap), pixel(top - Snap), pixel(right + Snap), pixel(bottom + Snap)};
}

void FrameDamage::Summarise(const DrawList& list, Summary& summary)
{
    const std::size_t quads = static_cast<std::size_t>(list.QuadCount());
    summary.keys.resize(quads);
    summary.runs.resize(quads);
    summary.bounds.resize(quads);
    const Vertex* vertices = list.Vertices().data();
    const auto& commands = list.Commands();
    for (std::size_t c = 0; c < commands.size(); ++c) {
        const DrawCommand& run = commands[c];
        if (run.kind != DrawCommand::Quads)
            continue;
        for (int q = run.firstQuad; q < run.firstQuad + run.quadCount; ++q) {
            summary.keys[q] = QuadKey(vertices + 4 * q, run);
            summary.runs[q] = static_cast<int>(c);
            summary.bounds[q] = QuadBounds(vertices + 4 * q);
        }
    }
}

const std::vector<PixelRect>& FrameDamage::Compare(const DrawList& before, const DrawList& after)
{
    if (lastKnown_)
        std::swap(before_, after_);
    else
        Summarise(before, before_);
    Summarise(after, after_);
    lastKnown_ = true;

    changed_.clear();
    const bool comparable = before.StartsWithClear() && after.StartsWithClear() &&
                            before.Commands()[0].red == after.Commands()[0].red &&
                            before.Commands()[0].green == after.Commands()[0].green &&
                            before.Commands()[0].blue == after.Commands()[0].blue;
    if (comparable) {
        IndexBefore();
        Match(before, after);
    } else {
        changed_.push_back({0, 0, width_, height_});
    }
    CoverDamage();
    return damage_;
}

void FrameDamage::IndexBefore()
{
    const std::size_t quads = before_.keys.size();
    std::size_t buckets = 16;
    while (buckets < 2 * quads)
        buckets *= 2;
    bucketHeads_.assign(buckets, -1);
    nextWithKey_.resize(quads);
    // Filled from the back, so each bucket lists its quads in drawing order.
    for (std::size_t q = quads; q-- > 0;) {
        int& head = bucketHeads_[before_.keys[q] & (buckets - 1)];
        nextWithKey_[q] = head;
        head = static_cast<int>(q);
    }
}

bool FrameDamage::SameQuad(const DrawList& before, int b, const DrawList& after, int a) const
{
    return before_.keys[b] == after_.keys[a] &&
           SameLook(before.Commands()[before_.runs[b]], after.Commands()[after_.runs[a]]) &&
           std::memcmp(&before.Vertices()[4 * b], &after.Vertices()[4 * a], 4 * sizeof(Vertex)) == 0;
}

int FrameDamage::FindInBefore(const DrawList& before, const DrawList& after, int quad, int from) const
{
    const uint64_t key = after_.keys[quad];
    for (int b = bucketHeads_[key & (bucketHeads_.size() - 1)]; b >= 0; b = nextWithKey_[b]) {
        if (b >= from && SameQuad(before, b, after, quad))
            return b;
    }
    return -1;
}

// Pairs the quads of the two frames in order, each with the nearest look-alike still ahead
// in the last frame. Everything left unpaired is damage: where it was and where it is.
void FrameDamage::Match(const DrawList& before, const DrawList& after)
{
    const int beforeCount = before.QuadCount();
    const int afterCount = after.QuadCount();
    int next = 0;
    for (int a = 0; a < afterCount; ++a) {
        int found = FindInBefore(before, after, a, next);
        if (found >= 0 && found - next > FarAhead) {
            for (int k = 1; k <= AgreeingAfterFarJump && found >= 0; ++k) {
                if (a + k < afterCount && found + k < beforeCount && !SameQuad(before, found + k, after, a + k))
                    found = -1;
            }
        }
        if (found < 0) {
            changed_.push_back(after_.bounds[a]);
            continue;
        }
        for (int skipped = next; skipped < found; ++skipped)
            changed_.push_back(before_.bounds[skipped]);
        next = found + 1;
    }
    for (int skipped = next; skipped < beforeCount; ++skipped)
        changed_.push_back(before_.bounds[skipped]);
}

// Marks the cells the changed rectangles touch, then takes the marked cells apart into
// rectangles, each as wide and then as tall as the marks allow.
void FrameDamage::CoverDamage()
{
    damage_.clear();
    const int columns = (width_ + CellSide - 1) / CellSide;
    const int rows = (height_ + CellSide - 1) / CellSide;
    cells_.assign(static_cast<std::size_t>(columns) * rows, 0);
    bool any = false;
    for (const PixelRect& rect : changed_) {
        const int left = std::max(rect.left, 0) / CellSide;
        const int top = std::max(rect.top, 0) / CellSide;
        const int right = (std::min(rect.right, width_) + CellSide - 1) / CellSide;
        const int bottom = (std::min(rect.bottom, height_) + CellSide - 1) / CellSide;
        for (int row = top; row < bottom; ++row) {
            std::fill(cells_.begin() + row * columns + left, cells_.begin() + row * columns + std::max(left, right), 1);
            any = any || right > left;
        }
    }
    if (!any)
        return;
    const auto marked = [&](int column, int row) { return cells_[static_cast<std::size_t>(row) * columns + column] != 0; };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!marked(column, row))
                continue;
            int right = column + 1;
            while (right < columns && marked(right, row))
                ++right;
            int bottom = row + 1;
            while (bottom < rows && std::all_of(cells_.begin() + bottom * columns + column,
                                                 cells_.begin() + bottom * columns + right,
                                                 [](uint8_t cell) { return cell != 0; }))
                ++bottom;
            for (int r = row; r < bottom; ++r)
                std::fill(cells_.begin() + r * columns + column, cells_.begin() + r * columns + right, 0);
            damage_.push_back({column * CellSide, row * CellSide, std::min(right * CellSide, width_),
                               std::min(bottom * CellSide, height_)});
        }
    }
}
