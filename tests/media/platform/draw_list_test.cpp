// Batching: quads fall into runs by texture and blend mode, in drawing order.
#include "media/platform/draw_list.h"

#include <gtest/gtest.h>

namespace {

void AddSquare(DrawList& list, unsigned texture, int blendMode, float x)
{
    const Vertex corners[4] = {{x, 0, 0, 0, 255, 255, 255, 255},
                               {x + 1, 0, 1, 0, 255, 255, 255, 255},
                               {x + 1, 1, 1, 1, 255, 255, 255, 255},
                               {x, 1, 0, 1, 255, 255, 255, 255}};
    list.AddQuad(texture, blendMode, corners);
}

TEST(DrawList, QuadsShareARunUntilTheTextureOrBlendModeChanges)
{
    DrawList list;
    for (int i = 0; i < 100; ++i)
        AddSquare(list, 7, 3, static_cast<float>(i));
    AddSquare(list, 8, 3, 100);
    AddSquare(list, 8, 4, 101);
    AddSquare(list, 7, 3, 102);

    const auto& runs = list.Commands();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].quadCount, 100);
    EXPECT_EQ(runs[1].texture, 8u);
    EXPECT_EQ(runs[1].firstQuad, 100);
    EXPECT_EQ(runs[2].blendMode, 4);
    // Going back to an earlier texture starts a new run: drawing order is kept.
    EXPECT_EQ(runs[3].texture, 7u);
    EXPECT_EQ(runs[3].firstQuad, 102);
    EXPECT_EQ(list.QuadCount(), 103);
    EXPECT_EQ(list.Vertices()[4 * 102].x, 102);
}

TEST(DrawList, AClearDropsWhatItHides)
{
    DrawList list;
    AddSquare(list, 1, 3, 0);
    AddSquare(list, 2, 3, 1);
    list.AddClear(10, 20, 30);
    AddSquare(list, 1, 3, 2);

    const auto& commands = list.Commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, DrawCommand::Clear);
    EXPECT_EQ(commands[0].green, 20);
    EXPECT_EQ(commands[1].firstQuad, 0);
    EXPECT_EQ(list.QuadCount(), 1);
}

}  // namespace
