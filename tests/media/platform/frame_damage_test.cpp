// Damage between two frames' draw lists: what differs is found and bounded, what is drawn
// alike is not, and the rectangles handed to the renderer never overlap.
#include "media/platform/frame_damage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr int Width = 200;
constexpr int Height = 100;

struct Square {
    float x, y, side;
    unsigned texture = 1;
    uint32_t serial = 1;
    uint8_t red = 255;
};

DrawList Frame(const std::vector<Square>& squares, uint8_t clearRed = 0, bool clear = true)
{
    DrawList list;
    if (clear)
        list.AddClear(clearRed, 0, 0);
    for (const Square& s : squares) {
        const Vertex corners[4] = {{s.x, s.y, 0, 0, s.red, 0, 0, 255},
                                   {s.x + s.side, s.y, 1, 0, s.red, 0, 0, 255},
                                   {s.x + s.side, s.y + s.side, 1, 1, s.red, 0, 0, 255},
                                   {s.x, s.y + s.side, 0, 1, s.red, 0, 0, 255}};
        list.AddQuad(s.texture, 3, corners, s.serial);
    }
    return list;
}

bool Covers(const std::vector<PixelRect>& damage, int x, int y)
{
    for (const PixelRect& r : damage) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    }
    return false;
}

long TotalArea(const std::vector<PixelRect>& damage)
{
    long area = 0;
    for (const PixelRect& r : damage)
        area += r.Area();
    return area;
}

std::vector<PixelRect> Damage(const DrawList& before, const DrawList& after)
{
    FrameDamage damage(Width, Height);
    return damage.Compare(before, after);
}

TEST(FrameDamage, TheSameDrawingIsNoDamageAndAChangedQuadDamagesWhereItWasAndIs)
{
    const std::vector<Square> scene = {{10, 10, 20}, {50, 10, 20}, {90, 10, 20}};
    EXPECT_TRUE(Damage(Frame(scene), Frame(scene)).empty());

    std::vector<Square> moved = scene;
    moved[1].x = 60;
    const auto damage = Damage(Frame(scene), Frame(moved));
    EXPECT_TRUE(Covers(damage, 50, 15));   // where it was
    EXPECT_TRUE(Covers(damage, 79, 29));   // where it is
    EXPECT_FALSE(Covers(damage, 15, 15));  // its neighbours, drawn alike
    EXPECT_FALSE(Covers(damage, 100, 15));
    EXPECT_FALSE(Covers(damage, 65, 60));

    // A change of colour, of picture or of the picture a texture name holds is damage too.
    for (auto change : {+[](Square& s) { s.red = 254; }, +[](Square& s) { s.texture = 2; },
                        +[](Square& s) { s.serial = 2; }}) {
        std::vector<Square> changed = scene;
        change(changed[2]);
        const auto found = Damage(Frame(scene), Frame(changed));
        EXPECT_TRUE(Covers(found, 100, 20));
        EXPECT_FALSE(Covers(found, 60, 20));
    }
}

TEST(FrameDamage, QuadsAddedOrTakenOutOfTheMiddleDamageOnlyTheirOwnPlace)
{
    std::vector<Square> scene;
    for (int i = 0; i < 40; ++i)
        scene.push_back({static_cast<float>(i % 10) * 20, static_cast<float>(i / 10) * 20, 10});
    std::vector<Square> fewer = scene;
    fewer.erase(fewer.begin() + 12, fewer.begin() + 30);
    auto damage = Damage(Frame(scene), Frame(fewer));
    EXPECT_TRUE(Covers(damage, 45, 25));  // square 12
    EXPECT_TRUE(Covers(damage, 185, 45));  // square 29
    EXPECT_FALSE(Covers(damage, 5, 5));
    EXPECT_FALSE(Covers(damage, 5, 65));  // square 30, after the gap
    EXPECT_FALSE(Covers(damage, 185, 65));

    std::vector<Square> more = scene;
    more.insert(more.begin() + 5, Square{150, 85, 8});
    damage = Damage(Frame(scene), Frame(more));
    EXPECT_TRUE(Covers(damage, 153, 90));
    EXPECT_LE(TotalArea(damage), 24 * 24);
}

TEST(FrameDamage, OverlappingQuadsThatSwapTheirOrderDamageWhereTheyOverlap)
{
    const Square a{10, 10, 30, 1, 1, 255}, b{30, 20, 30, 1, 1, 100};
    const auto damage = Damage(Frame({a, b}), Frame({b, a}));
    EXPECT_TRUE(Covers(damage, 35, 30));
}

TEST(FrameDamage, WithoutAClearOrWithAnotherClearColourTheWholeScreenIsDamaged)
{
    const std::vector<Square> scene = {{10, 10, 20}};
    for (const auto& [before, after] : {std::pair{Frame(scene, 0), Frame(scene, 1)},
                                        std::pair{Frame(scene, 0, false), Frame(scene, 0)},
                                        std::pair{Frame(scene, 0), Frame(scene, 0, false)}}) {
        const auto damage = Damage(before, after);
        EXPECT_EQ(TotalArea(damage), long{Width} * Height);
    }
}

TEST(FrameDamage, FrameAfterFrameTheRectanglesCoverEveryChangeAndNeverOverlap)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(-20, Width), y(-20, Height), side(1, 40);
    std::vector<Square> scene(60);
    for (Square& s : scene)
        s = {x(random), y(random), side(random)};
    FrameDamage damage(Width, Height);
    DrawList before = Frame(scene);
    damage.Compare(DrawList(), before);
    for (int frame = 0; frame < 30; ++frame) {
        std::vector<Square> next = scene;
        std::vector<Square> changed;
        for (Square& s : next) {
            if (random() % 5 == 0) {
                changed.push_back(s);
                s.x += 3;
                changed.push_back(s);
            }
        }
        const DrawList after = Frame(next);
        const auto rects = damage.Compare(before, after);
        // Every pixel whose centre lies inside a changed square, where it was or where it is.
        for (const Square& s : changed) {
            for (int px = std::max(0, static_cast<int>(std::ceil(s.x - 0.5f))); px < Width && px + 0.5f < s.x + s.side; ++px)
                for (int py = std::max(0, static_cast<int>(std::ceil(s.y - 0.5f))); py < Height && py + 0.5f < s.y + s.side; ++py)
                    ASSERT_TRUE(Covers(rects, px, py)) << "frame " << frame;
        }
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_FALSE(rects[i].Empty());
            for (std::size_t j = i + 1; j < rects.size(); ++j)
                ASSERT_FALSE(rects[i].Touches(rects[j])) << "frame " << frame;
        }
        scene = next;
        before = after;
    }
}

}  // namespace
