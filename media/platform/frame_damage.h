// Which pixels a frame changes, found by comparing its draw list with the last frame's.
// Under a software renderer a frame costs the pixels it fills, and most frames of the game
// change a few small places (a coin pulsing, a line of text scrolling), so the renderer
// redraws only those. Free of OpenGL, so the comparison is tested without a display.
//
// Why it is exact: the quads both lists hold alike, taken in the same order, draw the same
// pixels in the same order. A pixel that none of the other quads (those only one of the
// lists holds) can touch therefore comes out the same in both frames, provided both begin
// with a clear of the same colour. Only the pixels those other quads may touch are damaged.
#pragma once

#include <cstdint>
#include <vector>

#include "media/platform/draw_list.h"

// The pixels from (left, top) up to, not including, (right, bottom); top-left origin.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    long Area() const { return Empty() ? 0 : long{right - left} * (bottom - top); }
    bool Touches(const PixelRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const PixelRect&) const = default;
};

// Every pixel whose centre a quad with these corners may cover, with a pixel to spare
// against rounding.
PixelRect QuadBounds(const Vertex corners[4]);

class FrameDamage {
public:
    FrameDamage(int width, int height) : width_(width), height_(height) {}

    // The rectangles of the screen outside which `after` draws exactly what `before` drew:
    // none for the same drawing, all of the screen when either list does not begin with a
    // clear or they clear to different colours. The rectangles never overlap, so a pixel is
    // redrawn once. Call it with each frame in turn: `before` is the list that was `after`
    // in the last call, unless Forget was called since.
    const std::vector<PixelRect>& Compare(const DrawList& before, const DrawList& after);

    // Where each quad of the last `after` may draw, by quad number.
    const std::vector<PixelRect>& QuadBoundsOfAfter() const { return after_.bounds; }

    // The next Compare takes nothing over from the last one.
    void Forget() { lastKnown_ = false; }

private:
    // What the comparison needs of each quad of a list.
    struct Summary {
        std::vector<uint64_t> keys;  // a hash of everything that decides its pixels
        std::vector<int> runs;       // the command that draws it
        std::vector<PixelRect> bounds;
    };
    static void Summarise(const DrawList& list, Summary& summary);
    void IndexBefore();
    void Match(const DrawList& before, const DrawList& after);
    bool SameQuad(const DrawList& before, int b, const DrawList& after, int a) const;
    int FindInBefore(const DrawList& before, const DrawList& after, int quad, int from) const;
    void CoverDamage();

    int width_, height_;
    Summary before_, after_;
    // Whether after_ already summarises the list the next Compare gets as `before`.
    bool lastKnown_ = false;
    // Buckets of a hash table over the quads of `before`: the first quad with a key, and
    // for each quad the next one with the same key.
    std::vector<int> bucketHeads_;
    std::vector<int> nextWithKey_;
    std::vector<PixelRect> changed_;
    std::vector<uint8_t> cells_;
    std::vector<PixelRect> damage_;
};
