// Planning a partial redraw: only the quads that touch a damaged rectangle are drawn again,
// in their order, each once for every rectangle it touches, under that rectangle's scissor.
#include "media/platform/redraw_plan.h"

#include <gtest/gtest.h>

#include "media/platform/blend_mode.h"

namespace {

void AddSquare(DrawList& list, unsigned texture, float x, float y)
{
    const Vertex corners[4] = {{x, y, 0, 0, 255, 255, 255, 255},
                               {x + 10, y, 1, 0, 255, 255, 255, 255},
                               {x + 10, y + 10, 1, 1, 255, 255, 255, 255},
                               {x, y + 10, 0, 1, 255, 255, 255, 255}};
    list.AddQuad(texture, BlendAlpha, corners, texture);
}

std::vector<PixelRect> BoundsOf(const DrawList& list)
{
    std::vector<PixelRect> bounds;
    for (int q = 0; q < list.QuadCount(); ++q)
        bounds.push_back(QuadBounds(&list.Vertices()[4 * static_cast<std::size_t>(q)]));
    return bounds;
}

TEST(RedrawPlan, QuadsAwayFromTheDamageAreLeftOutAndTheRestKeepTheirOrder)
{
    DrawList list;
    list.AddClear(1, 2, 3);
    AddSquare(list, 7, 0, 0);      // in the first area
    AddSquare(list, 8, 100, 100);  // far from both
    AddSquare(list, 9, 200, 0);    // in the second area
    AddSquare(list, 7, 5, 5);      // in the first area again, after the others
    const std::vector<PixelRect> damage = {{0, 0, 20, 20}, {195, 0, 215, 20}};
    RedrawPlan plan;
    plan.Build(list, BoundsOf(list), damage, 16);

    ASSERT_EQ(plan.Batches().size(), 1u);
    // The clear fills each area solid in its colour; then texture 7, 9 and 7 again: the
    // quad of texture 8 between them is left out, yet order is kept.
    const auto& groups = plan.Groups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].blendMode, BlendSolid);
    EXPECT_EQ(groups[0].quadCount, 2);
    EXPECT_EQ(groups[1].texture, 7u);
    EXPECT_EQ(groups[2].texture, 9u);
    EXPECT_EQ(groups[3].texture, 7u);
    const auto& v = plan.Vertices();
    EXPECT_EQ(v[4].x, 195);  // the second area's fill
    EXPECT_EQ(v[4].red, 1);
    EXPECT_EQ(v[8].x, 0);
    EXPECT_EQ(plan.Areas()[8], 0);
    EXPECT_EQ(plan.Areas()[12], 1);  // texture 9, drawn for the second area
    EXPECT_EQ(v[16].x, 5);
}

TEST(RedrawPlan, AQuadOverSeveralAreasIsDrawnForEachAndBatchesHoldAtMostTheirShare)
{
    DrawList list;
    list.AddClear(0, 0, 0);
    const Vertex wide[4] = {{0, 0, 0, 0, 9, 9, 9, 255}, {300, 0, 1, 0, 9, 9, 9, 255},
                            {300, 40, 1, 1, 9, 9, 9, 255}, {0, 40, 0, 1, 9, 9, 9, 255}};
    list.AddQuad(4, BlendAlpha, wide, 4);
    std::vector<PixelRect> damage;
    for (int i = 0; i < 5; ++i)
        damage.push_back({i * 50, 0, i * 50 + 20, 20});
    RedrawPlan plan;
    plan.Build(list, BoundsOf(list), damage, 2);

    ASSERT_EQ(plan.Batches().size(), 3u);
    EXPECT_EQ(plan.Batches()[2].areas.size(), 1u);
    // Each batch: its fills, then the wide quad once per area.
    EXPECT_EQ(plan.QuadCount(), 5 + 5);
    const RedrawBatch& first = plan.Batches()[0];
    ASSERT_EQ(first.groupCount, 2);
    EXPECT_EQ(plan.Groups()[static_cast<std::size_t>(first.firstGroup) + 1].quadCount, 2);
}

}  // namespace
